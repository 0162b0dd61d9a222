#include "tabs/tabswitching.h"

#include "app/config.h"
#include "mainwindow/form1.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "tabs/tabslots.h"

using rt::guard;
using rt::step;

namespace {

int frontSlot(Form1& f) { return rt::toInt32(f.Label9.caption()); }

}  // namespace

TabSwitching::TabSwitching(Form1& form) : f(form) {
    f.lvClickHandler = [this](int Index) { lv_Click(Index); };
    f.lv.onClick = [this](int Index) { lv_Click(Index); };
    f.Image1.onClick = [this](int Index) { Image1_Click(Index); };
}

void TabSwitching::lv_Click(int Index) {
    if (guard([&] { return frontSlot(f) == Index; })) {
        step([&] { f.WebBrowser1(Index).setFocus(); });
        return;
    }
    step([&] { f.setORIBERISA(f.WebBrowser1(Index).document()); });
    step([&] { TabSlots::backLook(f, frontSlot(f)); });
    TabSlots::frontLook(f, Index);
    step([&] { f.WebBrowser1(Index).zOrder(0); });
    step([&] { TabSlots::focusAddressBox(f); });
    step([&] { f.WebBrowser1(Index).setFocus(); });
    step([&] { f.Label9.setCaption(rt::str(Index)); });
    step([&] { f.Text7.setText(TabSlots::shownAddress(f.WebBrowser1(Index).document().url())); });
}

void TabSwitching::Image1_Click(int Index) { lv_Click(Index); }

void TabSwitching::WebBrowser1_TitleChange(int Index) {
    if (Index == 1) {
        step([&] { f.Label2(0).setCaption(f.WebBrowser1(1).document().title()); });
        step([&] { f.Label2(0).setVisible(true); });
        return;
    }
    step([&] { f.Label2(0).setVisible(false); });
    step([&] {
        // A closed tab (its browser waits for the teardown) keeps its free-slot marker.
        if (!f.lv(Index).visible()) return;
        // A tab opened in the background gets its caption from the background-tab title job.
        if (f.Timer4(2).enabled() && f.Timer4(2).tag() == rt::str(Index) && Index != frontSlot(f)) return;
        const QString title = f.WebBrowser1(Index).document().title();
        f.lv(Index).setCaption(TabSlots::tabCaption(title, TabSlots::appSetting(f, "字数")));
    });
}

void TabSwitching::WebBrowser1_CommandStateChange(int Index, int Command, bool Enable) {
    if (guard([&] { return Index != frontSlot(f); })) return;
    step([&] {
        const int front = frontSlot(f);
        if (front < 0 || front > 10) rt::raise(rt::SubscriptOutOfRange);
        if (Command == 2) f.backFlags[front] = Enable ? 1 : 0;
        if (Command == 1) f.forwardFlags[front] = Enable ? 1 : 0;
    });
}
