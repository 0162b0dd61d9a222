#include "tabs/tabstrip.h"

#include "forms/settings.h"
#include "forms/form1.h"
#include "forms/windowlimits.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"

using rt::guard;
using rt::step;

namespace {

// Geometry is worked out in double precision and assigned as single-precision numbers.
double single(double v) { return static_cast<double>(static_cast<float>(v)); }

// A width the label refuses: a negative one ("invalid property value").
void setLabelWidth(ui::Control& label, double width) {
    if (width < 0) rt::raise(380);
    label.setWidth(single(width));
}

}  // namespace

double TabStrip::firstLeft() {
    // The page's left offset within what fits the window, as the layout takes it.
    return forms::leftOffsetThatFits(rt::toDouble(f.youyi()), f.width()) - 10;
}

TabStrip::TabStrip(Form1& form) : f(form) {
    f.Command39.onClick = [this] { Command39_Click(); };
    f.Command58.onClick = [this] { Command58_Click(); };
}

double TabStrip::followingWidth(int visible, double W) {
    switch (visible) {
    case 0: return 0;
    case 1: return W / 4;
    case 2: return W / 4.5;
    case 3: return W / 5;
    default: return (W - 2600) / (visible + 0.5);
    }
}

void TabStrip::Command39_Click() {
    int n = 0;
    for (int k = 2; k <= 10; ++k) step([&] {
            if (f.lv(k).visible()) ++n;
        });

    const bool fixed = forms::readNumber(forms::appkey::固定宽度, 1) == 1;
    QString widthText;
    if (fixed) widthText = forms::read(forms::appkey::宽度);

    if (n == 0) return;

    // The width, worked out at each assignment (the window's width as it is then).
    auto width = [&]() -> double {
        // A fixed width within the strip's room (the setting keeps what it holds).
        if (fixed) return single(forms::tabWidthThatFits(rt::toDouble(widthText), f.width()));
        return followingWidth(n, f.width());
    };

    if (n == 8 || n == 9) {
        for (int k = 2; k <= 10; ++k) step([&] { setLabelWidth(f.lv(k), width()); });
        if (n == 8) {
            step([&] { f.Command58.press(); });
            return;
        }
        placementWalk(nullptr);
        return;
    }

    double w = 0;
    const bool haveWidth = step([&] { w = width(); });
    placementWalk(haveWidth ? &w : nullptr);
}

void TabStrip::placementWalk(const double* width) {
    int placed = 0;
    int previous = 0;
    for (int k = 2; k <= 10; ++k) {
        bool shown = false;
        step([&] { shown = f.lv(k).visible(); });
        if (!shown) continue;
        if (placed == 0) {
            step([&] { f.lv(k).setLeft(single(firstLeft())); });
        } else {
            const double overlap = placed == 1 ? 20 : 10;
            step([&] { f.lv(k).setLeft(single(f.lv(previous).left() + f.lv(previous).width() - overlap)); });
        }
        if (width) step([&] { setLabelWidth(f.lv(k), *width); });
        previous = k;
        ++placed;
    }
}

void TabStrip::Command58_Click() {
    static const int kOrder[] = {10, 2, 3, 4, 5, 6, 7, 8, 9};
    int hidden = 0;
    for (int k : kOrder) {
        bool shown = true;
        step([&] { shown = f.lv(k).visible(); });
        if (!shown) {
            hidden = k;
            break;
        }
    }
    if (hidden == 0) return;

    int placed = 0;
    int previous = 0;
    for (int k = 2; k <= 10; ++k) {
        if (k == hidden) continue;
        if (placed == 0) {
            step([&] { f.lv(k).setLeft(single(firstLeft())); });
        } else {
            const double overlap = placed == 1 ? 20 : 10;
            step([&] { f.lv(k).setLeft(single(f.lv(previous).left() + f.lv(previous).width() - overlap)); });
        }
        previous = k;
        ++placed;
    }
}
