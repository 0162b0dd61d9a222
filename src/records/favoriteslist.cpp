#include "records/favoriteslist.h"

#include "forms/frameblockinggrace.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/newtab.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/services.h"
#include "records/favoriterecord.h"
#include "records/form13.h"

using rt::guard;
using rt::step;

const QString FavoritesList::kFull = QStringLiteral("500条记录了，不能添加");
const QString FavoritesList::kKept = QStringLiteral("收藏完成(ALT+A)");
const QString FavoritesList::kNoTitle = QStringLiteral("没有标题");
const QString FavoritesList::kNoAddress = QStringLiteral("没有网址，不能收藏");
const QString FavoritesList::kNotWritten = QStringLiteral("收藏失败，文件不能写入：");

FavoritesList::FavoritesList(Form1& form, Form4& owner) : f(form), f4(owner) {
    f4.caidan100.onClick = [this](int Index) { caidan100_Click(Index); };
    f4.top20.onClick = [this](int Index) { top20_Click(Index); };
}

void FavoritesList::caidan100_Click(int Index) {
    // Item 2 (换颜色) only opens its submenu.
    if (Index == 1) keep();
}

void FavoritesList::keep() {
    Form13* w = nullptr;
    step([&] { w = &forms::window<Form13>(); });
    if (!w) return;

    if (guard([&] { return !FavoriteRecord::canAdd(w->List1.listCount()); })) {
        ui::refuse(kFull);
        return;
    }

    // One clock reading gives the date, the period word and the time.
    QDateTime now;
    step([&] { now = ui::services().now(); });
    QString id;
    step([&] { id = FavoriteRecord::makeId(w->records()); });

    QString address;
    QString text;
    if (guard([&] { return forms::frontSlot(f) > 1; })) {
        step([&] { address = f.WebBrowser1(forms::frontSlot(f)).document().url(); });
        step([&] { text = f.WebBrowser1(forms::frontSlot(f)).document().title(); });
    } else {
        step([&] { address = f.Text7.text(); });
        text = kNoTitle;
    }

    // A record without an address has an empty title, so " id=…" would read as its address: it could
    // never be found, edited or deleted again.
    if (address.isEmpty()) {
        ui::refuse(kNoAddress);
        return;
    }

    bool added = false;
    bool written = true;
    try {
        added = w->addRecord(FavoriteRecord::make(now, address, id, text));
    } catch (const std::exception&) {
        written = false;
    }
    if (!written) {
        ui::refuse(kNotWritten + sys::nativePath(Form13::favoritesFile()));
    } else if (added) {
        step([&] { ui::services().msgBox(kKept, ui::vbInformation, QString()); });
    }
}

void FavoritesList::top20_Click(int Index) {
    QString address;
    step([&] { address = f4.top20(Index).tag(); });
    // The user's own navigation passes frame blocking like a typed address.
    forms::openUserNavigationGrace(f);
    // No tab opened: every tab was taken and the cycling question was answered No; nothing changes.
    if (forms::openInNewTab(f, address) == 0) return;
    for (int i = 1; i <= 10; ++i) step([&] { f4.top20(i).setChecked(false); });
    step([&] { f4.top20(Index).setChecked(true); });
}
