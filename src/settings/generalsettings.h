#pragma once
// The page 常规 of the settings window: the browser's name, the start page, the default-browser check
// Check20 and the ten switches of the frames 界面应用 (Check1(1..6)) and 网页应用 (Check16(1..4)). Each
// control stores its setting in 应用.txt when the user commits it and shows the save indicator; none
// acts on the main window, so each setting takes effect when its reader next reads it (several at the
// next start). The switches' keys, texts and hints: the table `switches()` (settingeditors.h says how
// the load, the store and the hint use it).
//
// The start-page options: choosing 空白 (Option1) stores "about:blank", choosing 主页 (Option2)
// "导航.html"; the chosen option is disabled and the other enabled, and the start-page field shows the
// value. An option stores when a left-button release or the keyboard has selected it; a release beside
// an option that leaves it unselected stores nothing.
//
// The two fields ask for a new value with the hint shown at that moment as the prompt: Text1(0) the
// name 软件命名 (any text), Text1(1) the start page 启动主页 (at least 4 characters, else "最少4个字").
// The start-page editor leaves the options as they are.
#include "settings/settingeditors.h"

class Form5;

class GeneralSettings {
public:
    // Sets the mouse up, keyboard toggle and mouse move of Check1, Check16 and Check20, the mouse up
    // and keyboard toggle of Option1 and Option2, and Text1's click and mouse move.
    explicit GeneralSettings(Form5& w);
    GeneralSettings(const GeneralSettings&) = delete;
    GeneralSettings& operator=(const GeneralSettings&) = delete;

    void Check1_MouseUp(int Index, int Button);
    void Check16_MouseUp(int Index, int Button);
    void Check20_MouseUp(int Button);
    void Option1_MouseUp(int Button);
    void Option2_MouseUp(int Button);
    void Text1_Click(int Index);
    void Check1_MouseMove(int Index, double X);
    void Check16_MouseMove(int Index, double X);
    void Check20_MouseMove(double X);
    void Text1_MouseMove(int Index, double X);

    // The switches of the page: Check1(1..6), Check16(1..4), Check20.
    static settings::SwitchTable switches();

private:
    void storeCheck1(int Index);
    void storeCheck16(int Index);
    void storeCheck20();
    void chooseBlank();
    void chooseHome();

    Form5& w;
};
