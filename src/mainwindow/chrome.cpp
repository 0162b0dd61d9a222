#include "mainwindow/chrome.h"

#include "forms/settings.h"
#include "forms/form1.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/events.h"

using rt::guard;
using rt::step;

namespace {

// Width of the edge band; the plain bottom edge starts higher up.
const float kEdge = 130.0f;
const float kBottomEdge = 160.0f;
// A glyph shows its hover look only this far below its top.
const float kGlyphHoverTop = 50.0f;

}  // namespace

Chrome::BackgroundAction Chrome::backgroundAction(double x, double y, double w, double h, int buttons,
                                                  bool ownMaximised) {
    BackgroundAction a;
    if (ownMaximised) return a;
    // Positions and the band limits are single-precision values.
    const float X = static_cast<float>(x);
    const float Y = static_cast<float>(y);
    const float right = static_cast<float>(w) - kEdge;
    const float bottom = static_cast<float>(h) - kEdge;
    const float bottomEdge = static_cast<float>(h) - kBottomEdge;

    if (buttons == ui::vbLeftButton) {
        if (X <= kEdge && Y <= kEdge) a.hitTest = kTopLeft;
        else if (X >= right && Y <= kEdge) a.hitTest = kTopRight;
        else if (X <= kEdge && Y >= bottom) a.hitTest = kBottomLeft;
        else if (X >= right && Y >= bottom) a.hitTest = kBottomRight;
        else if (Y <= kEdge) a.hitTest = kTop;
        else if (X <= kEdge) a.hitTest = kLeft;
        else if (Y > bottomEdge) a.hitTest = kBottom;
        else if (X >= right) a.hitTest = kRight;
        else a.hitTest = kMove;
        return a;
    }
    if (X <= kEdge && Y <= kEdge) a.pointer = 8;
    else if (X >= right && Y <= kEdge) a.pointer = 6;
    else if (X <= kEdge && Y >= bottom) a.pointer = 6;
    else if (X >= right && Y >= bottom) a.pointer = 8;
    else if (Y <= kEdge || Y > bottomEdge) a.pointer = 7;
    else if (X <= kEdge || X >= right) a.pointer = 9;
    else a.pointer = 0;
    return a;
}

Chrome::Chrome(Form1& f) : f(f) {
    f.onMouseMove = [this](int button, int shift, double x, double y) { Form_MouseMove(button, shift, x, y); };
    f.Label2.onMouseMove = [this](int index, int button, int shift, double x, double y) {
        Label2_MouseMove(index, button, shift, x, y);
    };
    f.Label2.onClick = [this](int index) { Label2_Click(index); };
    f.Label2.onMouseDown = [this](int index, int button, int shift, double x, double y) {
        Label2_MouseDown(index, button, shift, x, y);
    };
}

void Chrome::normalLook(int glyph) {
    step([&] { f.Label2(glyph).setForeColor(rt::toColor(forms::read(forms::fgkey::颜色1))); });
    step([&] { f.Label2(glyph).setBackStyle(0); });
}

void Chrome::hoverLook(int glyph) {
    step([&] { f.Label2(glyph).setForeColor(rt::toColor(forms::read(forms::fgkey::颜色2))); });
    step([&] { f.Label2(glyph).setBackStyle(1); });
    step([&] { f.Label2(glyph).setBackColor(rt::toColor(forms::read(forms::fgkey::颜色3))); });
}

// The own-maximised test; a tag that is no number stops the handler like the own-maximised state.
bool Chrome::ownMaximised() {
    return guard([&] { return rt::toDouble(f.tag()) == 2; });
}

void Chrome::Form_MouseMove(int button, int, double x, double y) {
    for (int glyph = 1; glyph <= 3; ++glyph) normalLook(glyph);
    if (ownMaximised()) return;
    const BackgroundAction a = backgroundAction(x, y, f.width(), f.height(), button, false);
    if (a.hitTest != 0) {
        step([&] { f.SENDV(f.hWnd(), kNcLeftButtonDown, a.hitTest, 0); });
        return;
    }
    step([&] { f.setMousePointer(a.pointer); });
}

void Chrome::Label2_MouseMove(int index, int button, int, double, double y) {
    step([&] { f.setMousePointer(0); });
    if (index >= 1 && index <= 3) {
        if (static_cast<float>(y) < kGlyphHoverTop) {
            normalLook(index);
            return;
        }
        hoverLook(index);
        for (int other = 1; other <= 3; ++other)
            if (other != index) normalLook(other);
    }
    if (ownMaximised()) return;
    if (button == ui::vbLeftButton && index == 0)
        step([&] { f.SENDV(f.hWnd(), kNcLeftButtonDown, kMove, 0); });
}

void Chrome::Label2_Click(int index) {
    switch (index) {
    case 1:
        step([&] { f.setWindowState(ui::vbMinimized); });
        normalLook(1);
        break;
    case 2:
        step([&] { f.Command2(17).press(); });
        break;
    case 3:
        step([&] { f.Command2(19).press(); });
        break;
    case 4:
        step([&] { f.Text7.setVisible(true); });
        step([&] { f.Text7.setFocus(); });
        if (guard([&] { return forms::read(forms::appkey::网址栏框) == QStringLiteral("是"); })) {
            step([&] { f.Text7.setSelStart(0); });
            step([&] { f.Text7.setSelLength(rt::len(f.Text7.text())); });
        } else {
            step([&] { f.Text7.setSelStart(0); });
        }
        break;
    default:
        break;
    }
}

void Chrome::Label2_MouseDown(int index, int button, int, double, double) {
    if (index == 4 && button == ui::vbRightButton)
        step([&] { ui::dispatch(f.Text7.onMouseDown, ui::vbRightButton, 0, 0.0, 0.0); });
}
