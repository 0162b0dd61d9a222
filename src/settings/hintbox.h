#pragma once
// The hint box of the settings window: Picture2 holding the label Label3, which sizes itself to its
// text. A field's mouse-move handler shows the field's hint beside it with show(); the place comes
// from the table of hint places (a top taken from the field, its frame or a neighbour, plus a fixed
// offset; a left at the pointer's X within the field plus a fixed offset). The box lies on the window
// and the field on its page panel, whose top is 500: the offsets are applied to the numbers as they
// are. A box that would then stick out past the window's right or bottom edge is moved left or up by
// as much as it sticks out (the offsets put the long hints of the wider pages past the right edge,
// where the window would cut them off).
//
// The box is put away by the moves this class handles: over a page panel, a frame or the font list it
// goes behind every other control and is hidden; over the two start-page options it only goes behind
// (still visible, covered by the page). Fields without a mouse-move handler leave it where it is.
class Form5;

namespace ui {
class Control;
}

#include <QString>

class HintBox {
public:
    // Sets the mouse moves of Picture1, Frame1, List1, Option1 and Option2.
    explicit HintBox(Form5& w);
    HintBox(const HintBox&) = delete;
    HintBox& operator=(const HintBox&) = delete;

    void Picture1_MouseMove(int Index);
    void Frame1_MouseMove(int Index);
    void List1_MouseMove();
    void Option1_MouseMove();
    void Option2_MouseMove();

    struct Place {
        double top;
        double left;
    };
    // Where the box goes for a pointer at `x` within `field`. Raises "invalid procedure call" (5) for a
    // control that has no hint place.
    static Place placeFor(Form5& w, const ui::Control& field, double x);
    // Shows `text` beside `field`, each step on its own: the place, the text, the width (the text's
    // width + 70), kept inside the window, to the front, visible.
    static void show(Form5& w, const ui::Control& field, double x, const QString& text);

private:
    static void keepInside(Form5& w);
    void putAway();
    void sendBehind();

    Form5& w;
};
