#pragma once
// The layout of the main window and the click on its bare background.
//
// The layout pass runs after every change of the window's size or minimised state (the first
// showing and changes made by code included): it keeps the window at 9000 x 6000 twips or more and
// places the border lines, the address box with its label and frame, the three glyph buttons, the
// home slot's browser and, while a tab is in front, the browsers and icons of the open tabs. Each
// statement stands alone: a setting that is not a number skips only the statements that use it.
#include "forms/windowlimits.h"

class Form1;

class Layout {
public:
    // The smallest window (the window system knows it too, from the window itself).
    static constexpr double kMinWidth = forms::kMinWindowWidth;
    static constexpr double kMinHeight = forms::kMinWindowHeight;

    // Sets the window's resize and click handlers.
    explicit Layout(Form1& f);
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;

    void Form_Resize();
    void Form_Click();

private:
    Form1& f;
};
