#pragma once
// The skin picture, fg.txt 界面图片: the full path of a picture file shown as the main window's
// picture and as the home page's background, or "空" for none. It is set by a picture dropped on the
// main window and by the settings window's choice; only GIF, BMP and JPEG files are taken, told by the
// file's own suffix (a folder named "x.png.files" or "a.jpg" says nothing about the file in it). A
// picture too large to show counts as one that does not load, on the window and on the home page.
#include <QString>

namespace forms {

// The stored value for "no skin picture".
inline constexpr const char* kNoSkin = "空";

// A file the skin takes: its suffix is jpg, jpeg, gif or bmp, letter case ignored.
bool isSkinPictureFile(const QString& path);

// The file chooser's filter for skin pictures: GIF, BMP and JPEG files.
QString skinPictureFilter();

// What the home page's body takes as its background for the skin at `path`: the file's address
// ("file:///..." with every character that is not plain in an address escaped, so a "#", "?" or "%"
// in the path names the file rather than a fragment, a query or an escape), or the empty text for
// "空" (a page handed that text would ask for a file named so), for an empty path and for a picture
// too large to show (platform/sys/picturesize.h), which the page would otherwise decode whole at every
// start. Another path that names no picture is handed on as its address: the page shows nothing for
// it.
QString skinBackground(const QString& path);

}  // namespace forms
