#include "settings/titlestrip.h"

#include "forms/form1.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/ui/events.h"
#include "settings/form5.h"

using rt::step;

namespace {

// The window system's non-client left-button press and its caption hit-test code.
constexpr int kNcLeftButtonDown = 161;
constexpr int kCaption = 2;
// A glyph shows its hover look only this far below its top.
constexpr float kHoverTop = 50.0f;

}  // namespace

TitleStrip::TitleStrip(Form5& window) : w(window) {
    w.onMouseMove = [this](int Button, int Shift, double X, double Y) { Form_MouseMove(Button, Shift, X, Y); };
    w.Label6.onMouseMove = [this](int Index, int Button, int Shift, double X, double Y) {
        Label6_MouseMove(Index, Button, Shift, X, Y);
    };
    w.Label6.onClick = [this](int Index) { Label6_Click(Index); };
}

void TitleStrip::rest(int glyph) {
    step([&] { w.Label6(glyph).setForeColor(0); });
    step([&] { w.Label6(glyph).setBackStyle(0); });
}

void TitleStrip::hover(int glyph) {
    step([&] { w.Label6(glyph).setForeColor(0); });
    step([&] { w.Label6(glyph).setBackStyle(1); });
    step([&] { w.Label6(glyph).setBackColor(kHoverBack); });
}

void TitleStrip::Form_MouseMove(int Button, int, double, double) {
    if (Button == ui::vbLeftButton) {
        step([&] { forms::form1().SENDV(w.hWnd(), kNcLeftButtonDown, kCaption, 0); });
        return;
    }
    rest(kMinimise);
    rest(kClose);
}

void TitleStrip::Label6_MouseMove(int Index, int Button, int Shift, double X, double Y) {
    switch (Index) {
    case 0:
        if (Button == ui::vbLeftButton) Form_MouseMove(Button, Shift, X, Y);
        break;
    case kMinimise:
    case kClose:
        if (static_cast<float>(Y) >= kHoverTop) {
            hover(Index);
            rest(Index == kMinimise ? kClose : kMinimise);
        } else {
            rest(Index);
        }
        break;
    default:
        break;
    }
}

void TitleStrip::Label6_Click(int Index) {
    switch (Index) {
    case kMinimise:
        step([&] { w.setWindowState(ui::vbMinimized); });
        rest(kMinimise);
        break;
    case kClose:
        step([&] { w.setWindowState(ui::vbMinimized); });
        step([&] { w.unload(); });
        break;
    default:
        break;
    }
}
