#pragma once
// The page 标签 of the settings window: the look and behaviour of the tab labels lv(2)..lv(10) of the
// main window. Every change is written to 应用.txt at once, applied to the running main window at
// once, and then shows the save indicator.
//
// The four value fields Text21(1) 宽度, (2) 高度, (3) 大小 and (5) 字数 ask for a new value with the hint
// shown at that moment as the prompt. An answer passes three checks in order and only the first that
// fails speaks, with the critical icon; an accepted answer is stored as typed and takes effect:
//
//   宽度  the tab strip is laid out again (Command39); the width counts while 固定宽度 is "1"
//   高度  the glyphs and their frames, all nine tab labels, the address box with its label and frame,
//         every visible tab's page and the home page take the new height; the skin command aligns the
//         home page's background again. The tab strip is not laid out again.
//   大小  the font size of all nine tab labels
//   字数  the visible tabs show their titles cut again, after one blank
//
// The height and the page offsets are taken as the main window's layout takes them (windowlimits.h):
// a height no label can take (a negative one) leaves every label and place as it was, a taller one
// than a tab may have is cut to that; the value is stored as typed all the same.
//
// The font field Text21(4) opens the font list for the tab font. The five switches Check22(1) 固定宽度,
// (2) 双击关闭, (3) 弹出小化, (4) Flash按钮 and (5) 字体加粗 (keys, texts and hints: the table
// `switches()`) store as settingeditors.h says, and then: 固定宽度 colours the width field (red while
// fixed) and lays the tab strip out again; 弹出小化 ticked minimises the main window while a Flash
// player is popped out; Flash按钮 unticked hides the Flash button; 字体加粗 sets the labels' bold.
#include "settings/settingeditors.h"

#include <QString>

class Form5;

class TabLookSettings {
public:
    // Sets Text21's click and mouse move, and Check22's mouse up, keyboard toggle and mouse move.
    explicit TabLookSettings(Form5& w);
    TabLookSettings(const TabLookSettings&) = delete;
    TabLookSettings& operator=(const TabLookSettings&) = delete;

    void Text21_Click(int Index);
    void Text21_MouseMove(int Index, double X);
    void Check22_MouseUp(int Index, int Button);
    void Check22_KeyboardToggle(int Index);
    void Check22_MouseMove(int Index, double X);

    // The message of the first check an answer for field `Index` fails, "" when it passes them all.
    static QString refusal(int Index, const QString& answer);

    // The switches of the page: Check22(1..5).
    static settings::SwitchTable switches();

private:
    void storeSwitch(int Index);
    void applyWidth();
    void applyHeight(const QString& answer);
    void applyFontSize(const QString& answer);
    void applyTitleLength();

    Form5& w;
};
