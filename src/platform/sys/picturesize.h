#pragma once
// The size check of pictures read from files. The program folder's pictures are files users change by
// hand (skins, tiles, icons): before any pixel is decoded, the size the picture's header declares is
// read, and a picture too large to show is not decoded at all (decoding a small file of a huge picture
// would take gigabytes).
#include <QSize>

class QImageReader;

namespace sys {

// The largest picture decoded: sides of at most 16384 pixels and at most 40 million pixels in all
// (more than an 8K screen shows).
constexpr int kMaxPictureSide = 16384;
constexpr long long kMaxPicturePixels = 40'000'000;

// Whether a picture of `size` pixels may be decoded (an invalid or empty size may not).
bool pictureSizeAllowed(const QSize& size);

// Whether the reader's picture may be decoded: the size its header declares is allowed, and so is
// the size of what decoding really makes where a format declares one size and decodes another. An
// icon file (ICO, CUR) decodes each entry at the size of the entry's own picture (a PNG or a bitmap
// header), not the size of its directory entry: every entry must be allowed, and lie within the file
// (the reader takes an entry's bytes in one piece of the length the entry claims). A GIF decodes a canvas of
// its logical screen, made larger by frames that reach past it: that canvas must be allowed. All of
// it is read from the headers before anything is decoded; the device is left where it was. A reader
// that can not tell the size before decoding says no.
bool pictureSizeAllowed(QImageReader& reader);

}  // namespace sys
