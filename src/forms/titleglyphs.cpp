#include "forms/titleglyphs.h"

#include "forms/form1.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"

using rt::step;

namespace forms {

namespace {

// The window system's non-client left-button press and its caption hit-test code.
constexpr int kNcLeftButtonDown = 161;
constexpr int kCaptionHitTest = 2;

}  // namespace

void dragWindow(int hWnd) { form1().SENDV(hWnd, kNcLeftButtonDown, kCaptionHitTest, 0); }

TitleGlyphs::TitleGlyphs(ui::ControlArray<ui::Label>& labels, Colour restText, Colour hoverText, Colour hoverBack)
    : labels_(labels), restText_(std::move(restText)), hoverText_(std::move(hoverText)),
      hoverBack_(std::move(hoverBack)) {}

void TitleGlyphs::rest(int glyph) {
    step([&] { labels_(glyph).setForeColor(restText_()); });
    step([&] { labels_(glyph).setBackStyle(0); });
}

void TitleGlyphs::restBoth() {
    rest(kMinimise);
    rest(kClose);
}

void TitleGlyphs::hover(int glyph) {
    step([&] { labels_(glyph).setForeColor(hoverText_()); });
    step([&] { labels_(glyph).setBackStyle(1); });
    step([&] { labels_(glyph).setBackColor(hoverBack_()); });
}

void TitleGlyphs::pointAt(int glyph, bool lit) {
    if (lit) {
        hover(glyph);
        rest(glyph == kMinimise ? kClose : kMinimise);
    } else {
        rest(glyph);
    }
}

}  // namespace forms
