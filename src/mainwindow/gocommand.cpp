#include "mainwindow/gocommand.h"

#include "forms/frameblockinggrace.h"
#include "forms/newtab.h"
#include "forms/parts.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/useragent.h"
#include "forms/windowowner.h"
#include "forms/form1.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/services.h"
#include "records/favoriterecord.h"
#include "records/form13.h"

using rt::guard;
using rt::step;

const QString GoCommand::kBadAddress = QStringLiteral("网址不是正确的，不能打开");
const QString GoCommand::kNoTabInFront = QStringLiteral("没有正在浏览的标签，不能直接打开");

GoCommand::GoCommand(Form1& form) : f(form) { f.Command1.onClick = [this] { Command1_Click(); }; }

void GoCommand::Command1_Click() {

    // Text that cannot be an address.
    if (guard([&] { return rt::len(f.Text7.text()) <= 3 && rt::instr(f.Text7.text(), QStringLiteral(".")) == 0; })) {
        ui::refuse(kBadAddress);
        return;
    }

    // Archives and programs download through the home slot.
    if (guard([&] {
            const QString a = f.Text7.text();
            return rt::instr(a, QStringLiteral(".rar"), rt::TextCompare) > 0 ||
                   rt::instr(a, QStringLiteral(".exe"), rt::TextCompare) > 0 ||
                   rt::instr(a, QStringLiteral(".zip"), rt::TextCompare) > 0;
        })) {
        step([&] { f.WebBrowser1(1).Navigate(f.Text7.text()); });
        return;
    }

    addFavorite();

    forms::openUserNavigationGrace(f);

    // No tab open: the address opens in a new tab.
    if (guard([&] {
            for (int k = 2; k <= 10; ++k)
                if (f.lv(k).visible()) return false;
            return true;
        })) {
        step([&] { f.Command24.press(); });
        navigate(2);
        return;
    }

    // New-tab mode.
    if (forms::readNumber(forms::appkey::标签打开, 1) == 1) {
        forms::openInNewTab(f, f.Text7.text());
        return;
    }

    // Direct mode: the front tab, when a tab is in front.
    if (guard([&] { return f.frontIsTab(); })) {
        int k = 0;
        if (step([&] { k = forms::frontSlot(f); })) navigate(k);
    } else {
        ui::refuse(kNoTabInFront);
    }
}

void GoCommand::addFavorite() {
    Form13* w = nullptr;
    step([&] { w = &forms::window<Form13>(); });
    if (!w) return;
    if (!guard([&] { return FavoriteRecord::canAdd(w->List1.listCount()); })) return;
    step([&] {
        // One clock reading gives the date, the period word and the time.
        const QDateTime now = ui::services().now();
        const QString address = f.Text7.text();
        const QString id = FavoriteRecord::makeId(w->records());
        w->addRecord(FavoriteRecord::make(now, address, id, FavoriteRecord::typedText(address)));
    });
}

void GoCommand::navigate(int k) {
    step([&] { forms::navigate(f.WebBrowser1(k), f.Text7.text()); });
}
