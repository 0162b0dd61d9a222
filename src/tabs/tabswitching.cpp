#include "tabs/tabswitching.h"

#include "forms/jobs.h"
#include "forms/settings.h"
#include "forms/form1.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "forms/slots.h"

using rt::guard;
using rt::step;

using forms::frontSlot;

TabSwitching::TabSwitching(Form1& form) : f(form) {
    f.lv.onClick = [this](int Index) { lv_Click(Index); };
    f.Image1.onClick = [this](int Index) { Image1_Click(Index); };
}

void TabSwitching::lv_Click(int Index) {
    if (guard([&] { return frontSlot(f) == Index; })) {
        step([&] { f.WebBrowser1(Index).setFocus(); });
        return;
    }
    step([&] { f.setORIBERISA(f.WebBrowser1(Index).document()); });
    step([&] { forms::backLook(f, frontSlot(f)); });
    forms::bringToFront(f, Index);
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
        const ui::Timer& titleJob = forms::jobTimer(f, forms::Job::BackgroundTitle);
        if (titleJob.enabled() && titleJob.tag() == rt::str(Index) && Index != frontSlot(f)) return;
        const QString title = f.WebBrowser1(Index).document().title();
        f.lv(Index).setCaption(forms::tabCaption(title, forms::read(forms::appkey::字数)));
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
