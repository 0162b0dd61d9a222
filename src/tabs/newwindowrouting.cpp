#include "tabs/newwindowrouting.h"

#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/useragent.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/services.h"
#include "tabs/tabslots.h"

using rt::guard;
using rt::step;

NewWindowRouting::NewWindowRouting(Form1& form, TabSlots& tabOpening) : f(form), opening(tabOpening) {}

bool NewWindowRouting::linkFiltered(const QString& list, const QString& bytes, const QString& link) {
    QString searched = link;
    // A count that is no whole number, or a negative one, leaves the whole link to search.
    step([&] {
        const int n = rt::toInt32(bytes);
        if (n >= 0) searched = rt::left(link, n);
    });
    if (searched.isEmpty()) return false;
    for (const QString& item : list.split(QLatin1Char('>'))) {
        if (item.isEmpty()) continue;
        if (rt::instr(searched, item, rt::TextCompare) > 0) return true;
    }
    return false;
}

void NewWindowRouting::WebBrowser1_NewWindow2(int Index, web::WebBrowser*& ppDisp, bool& Cancel) {
    // 1. A window from the popped-out slot.
    if (guard([&] { return rt::toDouble(f.Command7.tag()) == Index; })) {
        Cancel = true;
        step([&] { f.FlashMsg(); });
        return;
    }

    // 2. A window the user did not ask for (no button or key of the user's on the opener's page within
    //    the last second) never clears the tabs: with every tab taken it is dropped without a question,
    //    and the opener's page says so on its hint bar.
    if (guard([&] { return !f.WebBrowser1(Index).userGesture(); }) && guard([&] { return opening.noTabFree(); })) {
        Cancel = true;
        QString font;
        step([&] { font = forms::read(forms::fgkey::字体); });
        step([&] { f.hintBars.notice(f.WebBrowser1(Index).document(), QString::fromUtf8(kBlockedNotice), font); });
        return;
    }

    // 3. Every tab taken: the tab cycling question.
    if (!opening.confirmOpen()) {
        Cancel = true;
        return;
    }

    // 4. The link filter, over the last hovered link.
    if (forms::read(forms::appkey::过滤连接) != QLatin1String("0")) {
        const QString list = forms::read(forms::appkey::Lv20);
        const QString bytes = forms::read(forms::appkey::字节);
        if (linkFiltered(list, bytes, f.lastHoveredLink)) {
            opening.forgetConfirmation();
            Cancel = true;
            ui::refuse(QString::fromUtf8(kFilteredMessage));
            return;
        }
    }

    // 5. Into the tab that Command24 opens: the front slot once it has run, still free.
    step([&] { f.Command24.press(); });
    web::WebBrowser* tab = nullptr;
    step([&] {
        const int k = forms::frontSlot(f);
        if (k < 2 || k > 10 || !forms::isFree(f, k)) rt::raise(rt::SubscriptOutOfRange);
        tab = &f.WebBrowser1(k);
    });
    if (!tab) {
        // No tab was opened: the window is dropped rather than shown outside the tabs.
        Cancel = true;
        return;
    }
    step([&] { forms::routeNewWindow(*tab); });
    ppDisp = tab;
}
