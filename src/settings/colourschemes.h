#pragma once
// The main menu's submenu 换颜色: the items peise(1) to peise(6) of the menu owner, one handler for all.
//
//   1 灰, 2 紫, 3 黑, 4 蓝  a colour scheme: ten settings written in the order of the scheme table
//                          (colourschemes.cpp), each key's controls of the main window set right after
//                          its write; then the settings window and the colour picker are closed (a
//                          window that is not open is left alone, never loaded for it) and the scheme's
//                          item is the one ticked and disabled of items 1 to 4. The front browser is
//                          30 twips wider while the scheme is applied.
//   5 界面图片              presses the settings window's 更换 button (the skin picture choice), loading
//                          the window hidden when it is not loaded; it is never shown from here.
//   6 界面边距              the page-margin toggle: exactly "无" turns the margins on (offsets 0, the
//                          window 10 twips narrower), anything else, an empty or absent value included,
//                          turns them off (offsets -130, -240, -130, the window 10 twips wider); the
//                          width change lays the window out with the new offsets, and the skin command
//                          Command2(20) then lines the home page's background up again.
//
// Every item first writes the interface font "微软雅黑" (fg.txt 字体), sets it on the title strip, the
// three glyphs, the address box and its label, and lays each glyph's frame onto its glyph. Items 5 and
// 6 change no colour and no scheme tick and close nothing.
//
// Only the main window changes at once: the tab colours reach the tabs again at every switch, the
// hover colours at the next hover, other windows at their next load.
class Form1;
class Form4;

class ColourSchemes {
public:
    // Sets the click of Form4's peise items.
    ColourSchemes(Form1& f, Form4& m);
    ColourSchemes(const ColourSchemes&) = delete;
    ColourSchemes& operator=(const ColourSchemes&) = delete;

    void peise_Click(int Index);

    static constexpr int kSchemes = 4;
    static constexpr int kSkinPictureItem = 5;
    static constexpr int kMarginsItem = 6;

private:
    void interfaceFont();
    void applyScheme(int Index);
    void closeSettingsWindows();
    void markScheme(int Index);
    void toggleMargins();

    Form1& f;
    Form4& m;
};
