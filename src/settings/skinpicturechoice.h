#pragma once
// The skin picture page 界面 of the settings window: its button 更换 chooses the skin picture, a
// double-click on the box Text3 removes it, and a move over the button shows the page's hint. The
// main menu's item 界面图片 presses the same button, on a settings window loaded hidden for it.
//
// Choosing: the file chooser offers GIF, BMP and JPEG files. No choice stores and shows nothing. A
// file whose own suffix is not jpg, jpeg, gif or bmp is refused with "请使用 jpg/gif/bmp 图片"
// (exclamation icon, no title) and nothing is stored. Otherwise, with the main window minimised
// meanwhile and back to normal after: 界面图片 is written, Text3 shows the path, the main window shows
// the picture (one that does not load, a picture too large to show included, leaves the picture it
// had), the home page's body takes the path as its background, and the save indicator shows. In every
// case the settings window is focused and set to normal at the end (a hidden window stays hidden).
//
// Removing: nothing while Text3 shows "空". Otherwise, with the main window minimised meanwhile and
// back to normal after: 界面图片 becomes "空", the main window's picture and the home page's background
// go, Text3 shows "空", the save indicator shows, the message "界面图片删除" (exclamation icon, no title)
// says so, and the settings window takes the focus.
#include <QString>

class Form5;

class SkinPictureChoice {
public:
    // Sets Command2's click and mouse move and Text3's double-click.
    explicit SkinPictureChoice(Form5& w);
    SkinPictureChoice(const SkinPictureChoice&) = delete;
    SkinPictureChoice& operator=(const SkinPictureChoice&) = delete;

    void Command2_Click();
    void Command2_MouseMove(double X);
    void Text3_DblClick();

    static const QString kNone;  // "空": no skin picture

private:
    void store(const QString& path);

    Form5& w;
};
