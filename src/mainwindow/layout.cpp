#include "mainwindow/layout.h"

#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/form1.h"
#include "forms/windowlimits.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"

using rt::guard;
using rt::step;

Layout::Layout(Form1& f) : f(f) {
    f.onResize = [this] { Form_Resize(); };
    f.onClick = [this] { Form_Click(); };
}

void Layout::Form_Resize() {
    // Read afresh at each use: a nested pass or a pressed command may change them. The offsets and
    // the tab height are taken within what fits the window (the settings keep what they hold).
    auto SW = [&] { return f.scaleWidth(); };
    auto SH = [&] { return f.scaleHeight(); };
    auto L = [&] { return forms::leftOffsetThatFits(rt::toDouble(f.youyi()), SW()); };
    auto R = [&] { return forms::rightMarginThatFits(rt::toDouble(forms::read(forms::fgkey::网页左减)), L(), SW()); };
    auto B = [&] { return forms::bottomMarginThatFits(rt::toDouble(forms::read(forms::fgkey::网页长度)), SH()); };
    auto T = [&] { return forms::tabHeightThatFits(f.lv(2).height()); };
    auto H = [&] { return f.Text7.height(); };

    // A minimise only marks that the next resize (the restore) changes nothing.
    if (guard([&] { return f.windowState() == ui::vbMinimized; })) {
        step([&] { f.WebBrowser1(1).setTag(QStringLiteral("1")); });
        return;
    }
    if (guard([&] { return rt::toDouble(f.WebBrowser1(1).tag()) == 1; })) {
        step([&] { f.WebBrowser1(1).setTag(QStringLiteral("0")); });
        return;
    }

    // The minimum size; each change runs a nested pass to its end first.
    if (guard([&] { return f.width() < kMinWidth; })) step([&] { f.setWidth(kMinWidth); });
    if (guard([&] { return f.height() < kMinHeight; })) step([&] { f.setHeight(kMinHeight); });

    // Border lines: 1 top, 2 left, 3 bottom, 4 right.
    step([&] { f.Line1(3).setX1(0); });
    step([&] { f.Line1(3).setY1(SH() - 10); });
    step([&] { f.Line1(3).setY2(SH() - 10); });
    step([&] { f.Line1(4).setX1(SW() - 10); });
    step([&] { f.Line1(4).setX2(SW() - 10); });
    step([&] { f.Line1(4).setY1(0); });
    step([&] { f.Line1(1).setX2(SW()); });
    step([&] { f.Line1(2).setY2(SH()); });
    step([&] { f.Line1(3).setX2(SW()); });
    step([&] { f.Line1(4).setY2(SH()); });

    // Tab widths that follow the window width.
    if (forms::readNumber(forms::appkey::固定宽度, 0) == 0 &&
        guard([&] { return f.WebBrowser1.ubound() > 1; }))
        step([&] { f.Command39.press(); });

    // The address box and the label over it.
    step([&] { f.Text7.move(L() + 40, T() + 80, SW() - R() - 370, 270); });
    step([&] { f.Label2(4).move(f.Text7.left(), f.Text7.top(), f.Text7.width(), f.Text7.height()); });

    // The address frame and the close glyph.
    if (guard([&] { return forms::read(forms::fgkey::界面边距) == QStringLiteral("有"); })) {
        step([&] { f.Shape2(0).move(f.Text7.left() - 50, T() + 50, f.Text7.width() + 100, f.Text7.height() + 60); });
        step([&] { f.Label2(3).setLeft(f.Shape2(0).width() - f.Label2(3).width() + 140); });
    } else {
        step([&] { f.Shape2(0).move(f.Text7.left() - 60, T() + 50, f.Text7.width() + 130, f.Text7.height() + 60); });
        step([&] { f.Label2(3).setLeft(f.Shape2(0).width() - f.Label2(3).width()); });
    }
    step([&] { f.Shape2(3).setLeft(f.Label2(3).left()); });

    // The maximise and minimise glyphs, each ending just over its right neighbour's left edge by its
    // own width (a glyph with a longer caption is wider than the others).
    step([&] { f.Label2(2).setLeft(f.Label2(3).left() - f.Label2(2).width() + 10); });
    step([&] { f.Shape2(2).setLeft(f.Label2(2).left()); });
    step([&] { f.Label2(1).setLeft(f.Label2(2).left() - f.Label2(1).width() + 20); });
    step([&] { f.Shape2(1).setLeft(f.Label2(1).left()); });

    // The page area.
    step([&] { f.WebBrowser1(1).move(L() - 10, T() + H() + 170, SW() - R() - 270, SH() - T() - H() - B() - 320); });

    // While a tab is in front, the open tabs' browsers and icons follow.
    if (guard([&] { return f.frontIsTab(); })) {
        int last = 1;
        step([&] { last = f.WebBrowser1.ubound(); });
        for (int i = 2; i <= last; ++i) {
            if (guard([&] { return f.lv(i).visible(); })) {
                step([&] { f.Image1(i).setLeft(f.lv(i).left() + 50); });
                step([&] {
                    const web::WebBrowser& home = f.WebBrowser1(1);
                    f.WebBrowser1(i).move(home.left(), home.top(), home.width(), home.height());
                });
            }
        }
    }

    if (guard([&] { return f.noRefresh == 0; })) step([&] { f.refresh(); });
}

void Layout::Form_Click() {
    step([&] { f.Text7.setVisible(false); });
    if (guard([&] { return f.frontIsTab(); })) {
        step([&] { f.Text7.setText(forms::slotAddress(f, forms::frontSlot(f))); });
        step([&] { f.WebBrowser1(forms::frontSlot(f)).setFocus(); });
    } else {
        step([&] { f.Text7.setText(forms::slotAddress(f, 1)); });
        step([&] { f.WebBrowser1(1).setFocus(); });
    }
}
