#pragma once
// The title strip of the borderless settings window: dragging the window by its background or its
// title label, the looks of the minimise and close glyphs, and their clicks.
//
// - A move over the background with exactly the left button down moves the window with the pointer
//   (forms::dragWindow); any other move over the background puts both glyphs to rest (black text, no back).
//   The title label passes a move with the left button on to the background; the glyphs never drag.
// - A glyph shows its hover look (black text on the opaque back 16748574, the other glyph at rest)
//   while the pointer is at least 50 twips below its top; above that it rests. The hover colours
//   are constants, not settings.
// - The minimise glyph minimises the window and rests; the close glyph minimises the window, then
//   unloads it (the next opening loads it afresh with the values then stored).
// - Moves and clicks on the save indicator do nothing.
#include "forms/titleglyphs.h"

class Form5;

class TitleStrip {
public:
    // Sets the window's mouse move and Label6's mouse move and click.
    explicit TitleStrip(Form5& w);
    TitleStrip(const TitleStrip&) = delete;
    TitleStrip& operator=(const TitleStrip&) = delete;

    void Form_MouseMove(int Button, int Shift, double X, double Y);
    void Label6_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Label6_Click(int Index);

    static constexpr int kMinimise = 1;
    static constexpr int kClose = 3;
    static constexpr long long kHoverBack = 16748574;

private:
    Form5& w;
    forms::TitleGlyphs glyphs_;
};
