#include "settings/titlestrip.h"

#include "platform/rt/error.h"
#include "platform/ui/events.h"
#include "settings/form5.h"

using rt::step;

namespace {

// A glyph shows its hover look only this far below its top.
constexpr float kHoverTop = 50.0f;

}  // namespace

TitleStrip::TitleStrip(Form5& window)
    : w(window), glyphs_(w.Label6, [] { return ui::Color(0); }, [] { return ui::Color(0); },
                         [] { return static_cast<ui::Color>(kHoverBack); }) {
    w.onMouseMove = [this](int Button, int Shift, double X, double Y) { Form_MouseMove(Button, Shift, X, Y); };
    w.Label6.onMouseMove = [this](int Index, int Button, int Shift, double X, double Y) {
        Label6_MouseMove(Index, Button, Shift, X, Y);
    };
    w.Label6.onClick = [this](int Index) { Label6_Click(Index); };
}

void TitleStrip::Form_MouseMove(int Button, int, double, double) {
    if (Button == ui::vbLeftButton) {
        step([&] { forms::dragWindow(w.hWnd()); });
        return;
    }
    glyphs_.restBoth();
}

void TitleStrip::Label6_MouseMove(int Index, int Button, int Shift, double X, double Y) {
    switch (Index) {
    case 0:
        if (Button == ui::vbLeftButton) Form_MouseMove(Button, Shift, X, Y);
        break;
    case kMinimise:
    case kClose:
        glyphs_.pointAt(Index, static_cast<float>(Y) >= kHoverTop);
        break;
    default:
        break;
    }
}

void TitleStrip::Label6_Click(int Index) {
    switch (Index) {
    case kMinimise:
        step([&] { w.setWindowState(ui::vbMinimized); });
        glyphs_.rest(kMinimise);
        break;
    case kClose:
        step([&] { w.setWindowState(ui::vbMinimized); });
        step([&] { w.unload(); });
        break;
    default:
        break;
    }
}
