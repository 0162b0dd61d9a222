#pragma once
// The colour picker "选择颜色": a small window with a title bar and a close box, holding a panel with the
// result box Text1(0) and the 90 swatches Text1(1) to Text1(90) (settings/swatches.h): read-only boxes
// that show their name in their own text colour on their colour.
//
// The result box keeps the picker's state while the window is loaded: its text is the colour value of
// the last swatch clicked ("0" before the first), its tag the result flag: empty after the load, "1"
// after every swatch click, "0" once a double-click on a tab label consumed it (that double-click
// then does nothing else). Closing the window discards both.
#include "platform/ui/controlarray.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

class Form8 : public ui::Form {
public:
    Form8();
    ~Form8() override;

    ui::PictureBox Picture1{client()};                             // the panel behind the boxes
    ui::ControlArray<ui::TextBox> Text1{QStringLiteral("Text1")};  // 0 result box, 1..90 swatches
};
