#pragma once
// The chrome of the borderless main window: sizing pointers along its edges, a move with the pointer
// or a resize by the window system on a left-button drag of the background or the title strip, the hover look of
// the minimise, maximise and close glyphs and their clicks, and the address label that opens the
// address box (left click) or the address-bar menu (right button).
class Form1;

class Chrome {
public:
    // Window-system codes for a move or for a resize from an edge or corner.
    enum HitTest : int {
        kMove = 2,
        kLeft = 10,
        kRight = 11,
        kTop = 12,
        kTopLeft = 13,
        kTopRight = 14,
        kBottom = 15,
        kBottomLeft = 16,
        kBottomRight = 17,
    };
    // The message that starts a move with the pointer or hands a resize to the window system.
    static constexpr int kNcLeftButtonDown = 161;

    // What a pointer move over the window background asks for: a move or a resize of the window
    // (hitTest not 0), a pointer shape (pointer not -1), or nothing.
    struct BackgroundAction {
        int hitTest = 0;
        int pointer = -1;
        bool operator==(const BackgroundAction& o) const { return hitTest == o.hitTest && pointer == o.pointer; }
    };
    // The action for the pointer at (x, y) twips in a window of width w and height h, with the mouse
    // buttons held (bits: 1 left, 2 right, 4 middle). A left button alone drags (resize within 130
    // twips of an edge, 160 above the bottom, else a move); anything else only picks the pointer
    // shape. An own-maximised window does neither.
    static BackgroundAction backgroundAction(double x, double y, double w, double h, int buttons, bool ownMaximised);

    // Sets the window's pointer-move handler and the mouse-move, click and mouse-down handlers of the
    // label array Label2.
    explicit Chrome(Form1& f);
    Chrome(const Chrome&) = delete;
    Chrome& operator=(const Chrome&) = delete;

    void Form_MouseMove(int button, int shift, double x, double y);
    void Label2_MouseMove(int index, int button, int shift, double x, double y);
    void Label2_Click(int index);
    void Label2_MouseDown(int index, int button, int shift, double x, double y);

private:
    void normalLook(int glyph);
    void hoverLook(int glyph);
    bool ownMaximised();
    Form1& f;
};
