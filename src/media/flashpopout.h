#pragma once
// The Flash button and the pop-out: a page's Flash player window lifted out of its tab into the
// pop-out window Form12 (form12.h, flashwindow.h), which stays above every other window, and put back
// later by the pop-out window's return path (Form12::Label1_Click(3)).
//
// The player window is a window of class "MacromediaFlashPlayerActiveX" lying directly inside the page
// window of the front slot's browser (Form1::zvllq9); on this platform it is the program's stand-in
// (platform/web/flashstandin.h). Only one player is popped out at a time; it is the same window given
// another parent, never a copy.
//
// State kept on the main window:
//  - Command7 (the "Flash" button, 1095 x 375 twips): shown by the detection over a large object,
//    hidden by its own click; its tag is the popped-out slot: "0", or the slot (2..10) whose player is
//    in the pop-out window. Only the click writes a slot, only the return path writes "0".
//  - Label6(0..1), the object box of the last object the button was shown over: captions top and
//    left of the element's client rectangle, tags offsetHeight and offsetWidth (pixels).
//
// The detection (after the hint open mode of the front tab's mouse over, `detect`): with Flash按钮 a
// number other than 0, nothing popped out (tag not above 1; either not a number: nothing) and a tab in
// front (slots 2..10: a player of the home slot could never come back), an "object" or "embed" element
// more than 400 x 300 pixels offers the button when a player window lies in the front page window:
// the button shows in front of the other controls with its lower edge 65 twips above the object and
// its right edge 5 twips inside the object's right edge, and the box is kept. The player the button
// stands for is the one lying under the object; when none does, the first one found at the click.
//
// The click (`Command7_Click`): with no player (or the home slot in front) the button hides and
// "视频不能小窗口" shows. Otherwise the job FlashReparent starts, the main window minimises when 弹出小化 is 1
// or not a number, the tag takes the front slot, the button hides, and the pop-out window is sized
// from the box (15 * width - 10 by 15 * height + 480 twips), titled with the front page's title
// (cut to 33 characters and "…" when it would reach the glyphs, and shorter still while it reaches
// them, so the minimise and close glyphs always show), its container placed so that the player
// lands just below the title strip, the player given the container as its parent, and the window
// shown in the middle of the screen.
//
// The job FlashReparent (400 ms later, registered here) moves the popped-out player into the container
// once more when it is back in the front page window, and does nothing once the pop-out window has
// closed; then it switches its own timer off.
//
// Other subsystems take the return path through `returnPlayer`: closing the popped-out tab, the tab
// cycling reset, and F5, the wheel and 网页底部 in the page.
#include <QString>

class Form1;

namespace web {
class Element;
}

class FlashPopOut {
public:
    // Sets the click handler of Command7 and the body of the job FlashReparent.
    explicit FlashPopOut(Form1& f);
    FlashPopOut(const FlashPopOut&) = delete;
    FlashPopOut& operator=(const FlashPopOut&) = delete;

    // The detection over the element under the pointer in the front tab's page.
    void detect(const web::Element& element);
    void Command7_Click();

    // The body of the job FlashReparent.
    void reparent();
    // The player container of the open pop-out window; 0 while none is open.
    int container() const;
    // The popped-out player when it lies directly in `pageWindow` again, else 0.
    int playerToMove(int pageWindow) const;

    // Brings the popped-out player back through the pop-out window's return path
    // (Form12::Label1_Click(3)), as one statement: the popped-out slot (Command7's tag) comes to the
    // front, its player goes back into its page, the tag becomes "0" and the window closes.
    static void returnPlayer();

    static const QString kNoPlayer;  // "视频不能小窗口"

private:
    // The player the button stands for when it is still in the front page window, else the first
    // player there; 0 when there is none.
    int findPlayer();

    Form1& f;
    int offered_ = 0;  // the player under the object the button was shown over last (0: none under it)
    int popped_ = 0;   // the player moved into the pop-out window last
};
