#include "tabs/tabslots.h"

#include "forms/jobs.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/form1.h"
#include "forms/useragent.h"
#include "media/flashpopout.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/ui/services.h"
#include "tabs/tabclosing.h"

#include <cmath>
#include <utility>

using rt::guard;
using rt::step;

namespace {

const QString kFiveBlanks = QStringLiteral("     ");

}  // namespace

TabSlots::TabSlots(Form1& form, TabClosing& tabClosing) : f(form), closing(tabClosing) {
    f.Command24.onClick = [this] { Command24_Click(); };
    forms::jobBody(f, forms::Job::BackgroundTitle) = [this] { backgroundTitle(); };
}

// --- Command24 -----------------------------------------------------------------------------------

void TabSlots::claimOpenedSlots() {
    for (int k = 2; k <= 10; ++k) {
        step([&] {
            if (!f.lv(k).visible() || !f.WebBrowser1.exists(k) || !forms::isFree(f, k)) return;
            if (closing.pendingTeardown(k)) return;
            // The caption of a page without a title, until the page's own title comes.
            f.lv(k).setCaption(kFiveBlanks);
        });
    }
}

bool TabSlots::askCyclingQuestion() {
    return ui::services().msgBox(QString::fromUtf8(kCyclingPrompt), ui::vbYesNo + ui::vbQuestion,
                                 QString::fromUtf8(kCyclingTitle)) == ui::vbYes;
}

bool TabSlots::noTabFree() {
    claimOpenedSlots();
    return forms::allTaken(f);
}

bool TabSlots::confirmOpen() {
    claimOpenedSlots();
    if (!forms::allTaken(f)) return true;
    cyclingConfirmed_ = askCyclingQuestion();
    return cyclingConfirmed_;
}

void TabSlots::Command24_Click() {
    const bool confirmed = std::exchange(cyclingConfirmed_, false);
    step([&] { claimOpenedSlots(); });
    for (int i = 2; i <= 10; ++i) {
        bool free = false;
        step([&] { free = forms::isFree(f, i); });
        if (free) {
            openSlot(i);
            return;
        }
    }
    if (!confirmed && !askCyclingQuestion()) return;
    cyclingReset();
}

void TabSlots::openSlot(int i) {
    // A slot closed a moment ago still holds its browser until the teardown: finish that first, so
    // the new tab gets a browser of its own and the teardown can not take it away.
    step([&] { closing.tearDownNow(i); });

    step([&] { f.WebBrowser1.load(i); });
    step([&] { f.WebBrowser1(i).setVisible(true); });
    step([&] { f.WebBrowser1(i).zOrder(0); });

    forms::frontLook(f, i);
    step([&] { f.lv(i).setVisible(true); });
    step([&] { f.Label9.setCaption(rt::str(i)); });
    step([&] { f.Command39.press(); });

    step([&] {
        auto& home = f.WebBrowser1(1);
        f.WebBrowser1(i).move(home.left(), home.top(), home.width(), home.height());
    });

    step([&] { f.Image1.load(i); });
    step([&] { f.Image1(i).move(f.lv(i).left() + 50, f.lv(i).height() / 2 - 120, 255, 255); });
    step([&] { f.Image1(i).zOrder(0); });
    step([&] { f.Image1(i).setVisible(true); });

    for (int k = 2; k <= 10; ++k) {
        if (k == i) continue;
        forms::backLook(f, k);
        step([&] { f.Image1(k).setLeft(f.lv(k).left() + 50); });
    }
}

void TabSlots::cyclingReset() {
    // A tab whose Flash player is popped out keeps its tab and its browser, as with 全部关闭; slot 2,
    // which the reset hands to the next page, gets its player back first.
    int popped = 0;
    step([&] { popped = rt::toInt32(std::floor(rt::toDouble(f.Command7.tag()))); });
    if (popped == 2) FlashPopOut::returnPlayer();
    for (int k = 3; k <= 10; ++k) {
        if (k == popped) continue;
        step([&] { f.lv(k).setVisible(false); });
        step([&] { f.lv(k).setCaption(QStringLiteral("?")); });
        step([&] { f.Image1.unload(k); });
        step([&] { f.WebBrowser1(k).move(0, 0, 0, 0); });
        step([&] { closing.slotCleared(k); });
        step([&] { TabClosing::destroyBrowser(f, k); });
        step([&] { f.setORIBERISA(web::Document()); });
    }
    forms::frontLook(f, 2);
    step([&] { f.lv(2).setCaption(QStringLiteral("?")); });
    step([&] { f.WebBrowser1(2).zOrder(0); });
    step([&] { f.Label9.setCaption(QStringLiteral("2")); });
    step([&] { f.Command39.press(); });
}

// --- openers -------------------------------------------------------------------------------------

int TabSlots::openInBackground(const QString& address) {
    step([&] { claimOpenedSlots(); });
    // Refused only when no slot is free: a lower slot closed while slot 10 is loaded takes the tab.
    if (guard([&] { return forms::allTaken(f); })) {
        ui::refuse(QStringLiteral("标签满了，不能打开"));
        return 0;
    }
    for (int k = 2; k <= 10; ++k) {
        bool free = false;
        step([&] { free = forms::isFree(f, k); });
        if (!free) continue;
        step([&] { closing.tearDownNow(k); });
        // A label closed while in front keeps its opaque look; a background tab shows the back look.
        forms::backLook(f, k);
        step([&] { forms::jobTimer(f, forms::Job::BackgroundTitle).setTag(rt::str(k)); });
        step([&] { forms::start(f, forms::Job::BackgroundTitle); });
        step([&] { f.lv(k).setVisible(true); });
        step([&] { f.Command39.press(); });
        step([&] { f.WebBrowser1.load(k); });
        step([&] { f.WebBrowser1(k).zOrder(1); });
        step([&] { f.WebBrowser1(k).setVisible(true); });
        step([&] { forms::navigate(f.WebBrowser1(k), address); });
        return k;
    }
    return 0;
}

// --- the title of a tab opened in the background -------------------------------------------------

void TabSlots::backgroundTitle() {
    int k = 0;
    // A tab closed before its title came (no browser, or its label hidden for the teardown) has no
    // label left to fill: the job ends instead of ticking on.
    const bool haveSlot = step([&] {
        k = rt::toInt32(forms::jobTimer(f, forms::Job::BackgroundTitle).tag());
        if (!f.WebBrowser1.exists(k) || !f.lv(k).visible()) rt::raise(rt::ControlArrayElementMissing);
    });
    if (!haveSlot) {
        step([&] { forms::stop(f, forms::Job::BackgroundTitle); });
        return;
    }
    step([&] {
        const QString title = f.WebBrowser1(k).document().title();
        f.lv(k).setCaption(forms::backgroundCaption(title, forms::read(forms::appkey::字数)));
    });
    step([&] {
        if (rt::len(f.lv(k).caption()) > 2) forms::stop(f, forms::Job::BackgroundTitle);
    });
}
