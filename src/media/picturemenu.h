#pragma once
// The picture menu `Form14.tanchu` of the picture viewer, and the picture lists it writes into the
// viewer's page.
//
// popUp (a right click in the viewer's page) sets the items' captions and pops the menu up:
//  0 "双击小化" (disabled), 1 the source ("来源：" and the local picture's path, cut to 19 characters
//  and "…", or a web picture's host and "…"; a click copies the path or address), 2 the width and
//  height in pixels and 3 the size text (both disabled), 4 "保存图片" and the address's last four
//  characters when it ends in jpg, gif, bmp or png ("(.格式不明)" otherwise), 5 "可视图片(&A)" (its tag:
//  "0" for a local picture, "1" for a web one), 6 "关闭(&X)".
//
// Items (lianjie100_Click):
//  - 4 saves the picture shown (Save As of the viewer's browser); while a picture list is shown it
//    saves the main window's front page instead (the home page with the home slot in front) and
//    restores the viewer.
//  - 5 with tag 1, the web list: every picture of the main window's front page, the address of each
//    whose markup mentions "http" as a picture, any other as its escaped markup; the viewer at the
//    screen's top left, half the screen wide and its height less 600 twips. Disables 5.
//  - 5 with tag 0, the folder list: the picture files of the local picture's folder (the six
//    patterns of kPatterns), the first 99 as pictures and the whole count in the caption; the viewer
//    fitted to the screen (see folderList). Disables 4 and 5.
//  - 6 closes the viewer as its close glyph does.
// Addresses are written quoted and escaped; a folder's picture as a file address.
class Form2;
class Form14;

class PictureMenu {
public:
    explicit PictureMenu(Form14& m);
    PictureMenu(const PictureMenu&) = delete;
    PictureMenu& operator=(const PictureMenu&) = delete;

    // Prepares the items for the viewer's page and pops the menu up over the viewer.
    static void popUp(Form2& viewer);

    void lianjie100_Click(int Index);

    // The folder list shows at most this many pictures.
    static constexpr int kMostFolderPictures = 99;
    static const char* const kPatterns;  // "*.jpg;*.gif;*.bmp;*.png;*.jpeg;*.ico"

private:
    void save(Form2& v);
    void webList(Form2& v);
    void folderList(Form2& v);
    // The glyphs and the browser of the viewer fitted to its size after a list was written.
    static void layOutList(Form2& v);

    Form14& m;
};
