#pragma once
// The title row of a window without caption bar: the move of the window by the pointer, and the
// minimise (1) and close (3) glyphs of the row, each resting (transparent, its text colour) or
// highlighted (opaque on the hover back colour, the hover text colour).
#include "platform/ui/colors.h"
#include "platform/ui/controlarray.h"
#include "platform/ui/label.h"

#include <functional>

namespace forms {

// Releases the pointer capture and starts the move of the window `hWnd`, as a left press on a caption
// bar would (Form1.SENDV with 161, 2 and 0): the window follows the pointer until the button is
// released, moving by exactly what the pointer moved since the press; without the left button held
// nothing moves.
void dragWindow(int hWnd);

class TitleGlyphs {
public:
    static constexpr int kMinimise = 1;
    static constexpr int kClose = 3;

    // The colours are asked for at each change (a colour read from a setting is read then); a colour
    // that can not be had leaves that property as it was.
    using Colour = std::function<ui::Color()>;
    TitleGlyphs(ui::ControlArray<ui::Label>& labels, Colour restText, Colour hoverText, Colour hoverBack);

    void rest(int glyph);
    void restBoth();
    void hover(int glyph);
    // The pointer over glyph `glyph` (1 or 3): `lit` highlights it and rests the other, else it rests.
    void pointAt(int glyph, bool lit);

private:
    ui::ControlArray<ui::Label>& labels_;
    Colour restText_, hoverText_, hoverBack_;
};

}  // namespace forms
