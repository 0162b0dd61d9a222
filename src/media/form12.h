#pragma once
// The Flash pop-out window "Flash播放器": a window without caption bar or border that holds a page's
// Flash player window lifted out of its tab (the pop-out, flashpopout.h), and stays above all other
// windows. Its handlers are FlashWindow's (flashwindow.h).
//
// A title strip across the top holds the page title and two glyphs, minimise and close (there is no
// glyph 2); the player container lies on the window below it and reaches under it, since the pop-out
// places the container partly above the window's top edge so that the player sits just below the
// strip. The strip lies in front of the container until the player goes back.
//
// The mouse lock is the container's enabled state: enabled (the player takes the mouse) when the
// window is made, disabled while locked.
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

class Form12 : public ui::Form {
public:
    Form12();
    ~Form12() override;

    ui::PictureBox Picture1{client()};                             // the title strip; drag handle
    ui::ControlArray<ui::Label> Label1{QStringLiteral("Label1")};  // 0 title, 1 minimise, 3 close (in the strip)
    ui::PictureBox Picture2{client()};                             // the player container

    // The glyph click, also called by other parts with Index 3: 1 minimises the window, 3 sends the
    // player back into its page and closes the window; any other index does nothing. An error inside
    // it ends it and does not reach the caller.
    void Label1_Click(int Index);

    // The window handle of this window and of the player container.
    int hWnd();
    int containerHandle();

    // The window's caption, by which it is known.
    static const QString kCaption;  // "Flash播放器"
};
