#pragma once
#include <QPixmap>
#include <QString>

namespace ui {

// The largest icon handed to a window or shown as an icon in a label, in pixels on its longer side
// (the window system refuses much larger window icons).
constexpr int kMaxIconSide = 256;

// Loads a picture file (any format Qt reads, icons included). Raises "file not found" (53) for a
// missing file and "invalid picture" (481) for one that is no picture. The size the picture declares
// is checked before it is decoded (sys/picturesize.h): a picture too large to show is treated as a
// missing one (53).
QPixmap loadPicture(const QString& path);

// Loads a picture as an icon: as loadPicture, scaled down (keeping its proportions) to at most
// kMaxIconSide pixels on its longer side.
QPixmap loadIcon(const QString& path);

// An icon picture at most kMaxIconSide pixels on its longer side (a smaller one as it is).
QPixmap iconSized(const QPixmap& picture);

}  // namespace ui
