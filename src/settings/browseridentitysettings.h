#pragma once
// The page 其他 of the settings window: how the browser presents itself and renders pages.
//
//   Check2  开启: the User-Agent override UA "1"/"0", stored on a left-button release or a change from
//           the keyboard.
//   Combo1  the thirteen presets: choosing one puts its string into Text5, character for character;
//           nothing is stored.
//   Text5   the User-Agent text 呈现伪造, stored only on a double-click on the box (the focus then goes
//           to the start-page field). The text becomes a request header and the settings file holds
//           one line per value: each line break is stored as one blank, and the box then shows the
//           text as stored.
//   Combo2  the document mode: a choice of one of the nine modes writes IE ("ie7.0" .. "ie11.9") and
//           then the engine's number into the registry value (7000 .. 11001); "新版本" writes neither.
//           Every choice shows the save indicator. The mode takes effect at the next start.
#include <QString>

class Form5;

class BrowserIdentitySettings {
public:
    // Sets Check2's mouse up, keyboard toggle and mouse move, the clicks of Combo1 and Combo2, and
    // Text5's double-click.
    explicit BrowserIdentitySettings(Form5& w);
    BrowserIdentitySettings(const BrowserIdentitySettings&) = delete;
    BrowserIdentitySettings& operator=(const BrowserIdentitySettings&) = delete;

    void Check2_MouseUp(int Button);
    void Check2_MouseMove(double X);
    void Combo1_Click();
    void Text5_DblClick();
    void Combo2_Click();

    // The strings of the presets, in the order of the list (index 0 "[ 模版 ]" .. 12 "谷歌机器人").
    static const char* const kPresetStrings[13];

    // The User-Agent text as it is stored: each line break a blank.
    static QString storedUserAgent(const QString& text);

private:
    void storeSwitch();

    Form5& w;
};
