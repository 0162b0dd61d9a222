#include "tabs/tabclosing.h"

#include "forms/jobs.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/windowowner.h"
#include "media/flashpopout.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/ui/services.h"
#include "settings/form8.h"
#include "tabs/tabpageitems.h"

#include <algorithm>

using rt::guard;
using rt::step;

TabClosing::TabClosing(Form1& form, Form4& menus, TabPageItems& tabPageItems)
    : f(form), f4(menus), pageItems(tabPageItems) {
    f4.BQYJ100.onClick = [this](int Index) { BQYJ100_Click(Index); };
    f4.Timer1.onTimer = [this] { Timer1_Timer(); };
    f.lv.onMouseDown = [this](int Index, int Button, int Shift, double X, double Y) {
        lv_MouseDown(Index, Button, Shift, X, Y);
    };
    f.lv.onMouseMove = [this](int Index, int Button, int Shift, double X, double Y) {
        lv_MouseMove(Index, Button, Shift, X, Y);
    };
    f.lv.onDblClick = [this](int Index) { lv_DblClick(Index); };
}

void TabClosing::BQYJ100_Click(int Index) {
    switch (Index) {
    case 1: closeTab(); break;
    case 2: pageItems.refresh(); break;
    case 3: closeOthers(); break;
    case 4: pageItems.shortUrl(); break;
    case 5: pageItems.openElsewhere(); break;
    case 6: backToHome(); break;
    default: break;
    }
}

// --- 关闭 ----------------------------------------------------------------------------------------

void TabClosing::closeTab() {
    int t = 0;
    if (guard([&] {
            t = rt::toInt32(f4.BQYJ100(1).tag());
            return t < 2 || t > 10;
        }))
        return;

    // An element-list run over the page being closed ends with it.
    stopElementListOf(t);

    if (guard([&] { return f.Command7.tag() == f4.BQYJ100(1).tag(); })) {
        FlashPopOut::returnPlayer();
        return;
    }

    // A tab that is already closed (or was never opened) has nothing left to close.
    if (pendingTeardown(t)) return;
    bool open = false;
    step([&] { open = f.lv(t).visible() || f.WebBrowser1.exists(t); });
    if (!open) return;

    step([&] { f.lv(t).setVisible(false); });
    step([&] { f.lv(t).setCaption(QStringLiteral("?")); });
    step([&] { f.lv(t).setForeColor(rt::toColor(forms::read(forms::appkey::字体颜色1))); });

    if (guard([&] { return f.lv(t).backStyle() == 1; })) {
        int next = 0;
        for (int k = 10; k >= 2 && next == 0; --k) {
            if (k == t) continue;
            step([&] {
                if (f.lv(k).visible()) next = k;
            });
        }
        if (next == 0) {
            // The last tab closed: the home slot comes back.
            step([&] { f.Image1.unload(t); });
            step([&] { f.WebBrowser1(1).zOrder(0); });
            scheduleTeardown(t);
            step([&] { f.Label2(0).setCaption(f.WebBrowser1(1).document().title()); });
            step([&] { f.Text7.setText(f.WebBrowser1(1).document().url()); });
            step([&] { f.Label2(0).setVisible(true); });
            step([&] { f.Label9.setCaption(QStringLiteral("1")); });
            return;
        }
        forms::bringToFront(f, next);
        step([&] { f.Command10.setTag(rt::str(next)); });
    } else {
        // The front-tab document stays with the tab in front.
        step([&] {
            if (f.frontIsTab()) f.Command10.setTag(f.Label9.caption());
        });
    }

    step([&] { f.Image1.unload(t); });
    step([&] { f.Command39.press(); });
    scheduleTeardown(t);
    int highest = 10;
    step([&] { highest = f.WebBrowser1.ubound(); });
    for (int k = 2; k <= highest; ++k) step([&] {
            if (f.lv(k).visible()) f.Image1(k).setLeft(f.lv(k).left() + 50);
        });
}

// --- 全部关闭 ------------------------------------------------------------------------------------

void TabClosing::closeOthers() {
    int shown = 0;
    for (int k = 2; k <= 10; ++k) step([&] {
            if (f.lv(k).visible()) ++shown;
        });
    if (shown < 2) {
        ui::refuse(QStringLiteral("不包含被点击的标签"));
        return;
    }

    const QString tText = f4.BQYJ100(1).tag();
    int t = 0;
    step([&] { t = rt::toInt32(tText); });
    step([&] { f.Label9.setCaption(tText); });

    if (guard([&] { return f.lv(t).foreColor() == rt::toColor(forms::read(forms::appkey::字体颜色1)); })) {
        forms::bringToFront(f, t);
    }

    int popped = -1;
    step([&] { popped = rt::toInt32(f.Command7.tag()); });
    for (int k = 2; k <= 10; ++k) {
        if (k == t || k == popped) continue;
        step([&] { f.WebBrowser1(k).move(0, 0, 0, 0); });
        step([&] { f.lv(k).setVisible(false); });
        step([&] { f.lv(k).setCaption(QStringLiteral("?")); });
        step([&] { f.Image1.unload(k); });
        slotCleared(k);
        step([&] { destroyBrowser(f, k); });
    }

    step([&] { f.Command39.press(); });
    step([&] { f.Command10.setTag(tText); });
    step([&] { f.Command10.press(); });
    step([&] { f.Image1(t).setLeft(f.lv(t).left() + 50); });
}

// --- 回到导航 ------------------------------------------------------------------------------------

void TabClosing::backToHome() {
    if (guard([&] { return forms::frontSlot(f) > 1; })) {
        step([&] { f.WebBrowser1(1).zOrder(0); });
        step([&] { f.Text7.setText(f.WebBrowser1(1).document().url()); });
        step([&] { forms::backLook(f, forms::frontSlot(f)); });
        step([&] { f.Label9.setCaption(QStringLiteral("1")); });
    } else {
        step([&] { f.lv_Click(rt::toInt32(f4.BQYJ100(1).tag())); });
    }
}

// --- a page closes its window --------------------------------------------------------------------

void TabClosing::WebBrowser1_WindowClosing(int Index, bool, bool& Cancel) {
    Cancel = true;
    if (Index < 2) return;
    step([&] { f4.BQYJ100(1).setTag(rt::str(Index)); });
    step([&] { BQYJ100_Click(1); });
}

// --- the tab labels' press and double click ------------------------------------------------------

void TabClosing::lv_MouseDown(int Index, int Button, int, double, double) {
    step([&] { f4.BQYJ100(1).setTag(rt::str(Index)); });
    if (Button != ui::vbRightButton) return;
    for (int k = 1; k <= 6; ++k) step([&] {
            f4.BQYJ100(k).setCaption(forms::read(forms::Txt::Youjian, QStringLiteral("CNB0") + rt::str(k)));
        });
    step([&] { ui::popupMenu(f4.BQYJ); });
}

void TabClosing::lv_MouseMove(int, int, int, double, double) {
    step([&] { f.setMousePointer(0); });
}

void TabClosing::lv_DblClick(int) {
    // The double-click that follows a swatch click of the colour picker only consumes the picker's
    // flag. The picker is looked at only when it is open: reading the flag never makes the window.
    if (Form8* picker = forms::windows().existing<Form8>()) {
        if (guard([&] { return picker->Text1(0).tag() == QLatin1String("1"); })) {
            step([&] { picker->Text1(0).setTag(QStringLiteral("0")); });
            return;
        }
    }
    if (forms::readNumber(forms::appkey::双击关闭, 1) == 1)
        step([&] { BQYJ100_Click(1); });
}

// --- the deferred teardown -----------------------------------------------------------------------

void TabClosing::destroyBrowser(Form1& f, int slot) { f.WebBrowser1.unload(slot); }

bool TabClosing::pendingTeardown(int slot) const {
    return std::find(pending_.begin(), pending_.end(), slot) != pending_.end();
}

void TabClosing::scheduleTeardown(int slot) {
    if (!pendingTeardown(slot)) pending_.push_back(slot);
    step([&] { f4.Timer1.setEnabled(false); });
    step([&] { f4.Timer1.setEnabled(true); });
    step([&] { f4.Timer1.setTag(QStringLiteral("1")); });
}

void TabClosing::tearDownNow(int slot) {
    if (!pendingTeardown(slot)) return;
    pending_.erase(std::remove(pending_.begin(), pending_.end(), slot), pending_.end());
    step([&] { f.WebBrowser1(slot).move(0, 0, 0, 0); });
    step([&] { destroyBrowser(f, slot); });
}

void TabClosing::slotCleared(int slot) {
    pending_.erase(std::remove(pending_.begin(), pending_.end(), slot), pending_.end());
    stopElementListOf(slot);
}

void TabClosing::stopElementListOf(int slot) {
    step([&] {
        if (f.Command11.toolTipText() == rt::str(slot)) forms::stop(f, forms::Job::ElementListStep);
    });
}

void TabClosing::Timer1_Timer() {
    const std::vector<int> closed = std::move(pending_);
    pending_.clear();
    for (int s : closed) {
        step([&] { f.WebBrowser1(s).move(0, 0, 0, 0); });
        step([&] { destroyBrowser(f, s); });
    }
    // The front-tab document follows the tab in front now, which may have changed since the close.
    step([&] {
        if (f.frontIsTab()) f.Command10.setTag(f.Label9.caption());
    });
    step([&] { f.Command10.press(); });
    step([&] { f4.Timer1.setEnabled(false); });
    step([&] { f4.Timer1.setTag(QStringLiteral("0")); });
}
