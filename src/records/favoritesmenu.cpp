#include "records/favoritesmenu.h"

#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/useragent.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "records/favoriterecord.h"
#include "records/favoritespage.h"
#include "records/form13.h"


#include <cmath>
#include <functional>

using rt::guard;
using rt::step;

const QString FavoritesMenu::kPoppedOut = QStringLiteral("窗口独立运行中，不能直接打开");
const QString FavoritesMenu::kNoTabInFront = QStringLiteral("没有正在浏览的标签，不能直接打开");
const QString FavoritesMenu::kNoDotInTitle = QStringLiteral("标题不允许[ . ]符号");
const QString FavoritesMenu::kTitleTooShort = QStringLiteral("最少2个字");
const QString FavoritesMenu::kTitleNotFound = QStringLiteral("修改失败，标题可能包含无法识别的字符");
const QString FavoritesMenu::kAddressTooShort = QStringLiteral("最少4个字");
const QString FavoritesMenu::kAddressNotFound = QStringLiteral("修改失败，连接可能包含无法识别的字符");
const QString FavoritesMenu::kColourTooShort = QStringLiteral("最少3个字");
const QString FavoritesMenu::kNotWritten = QStringLiteral("修改失败，文件不能写入：");

namespace {

// Writes the records; a file that cannot be written is named in a message, so a change that did not
// reach the file is never passed over in silence (the page then shows the file as it stands).
void rewrite(Form13& w) {
    try {
        w.favoritesRewrite();
    } catch (const std::exception&) {
        ui::refuse(FavoritesMenu::kNotWritten + sys::nativePath(Form13::favoritesFile()));
    }
}

QString ask(const QString& prompt, const QString& defaultText) {
    QString answer;
    step([&] {
        answer = ui::askInInputBox(prompt, QStringLiteral("修改"), defaultText);
    });
    return answer;
}

// Changes the record whose id is `id` with `change` and rewrites the file and the page; false when no
// record holds the id (nothing is written then).
bool changeRecord(Form13& w, const QString& id, const std::function<void(FavoriteRecord&)>& change) {
    const int i = FavoriteRecord::indexOfId(w.records(), id);
    if (i < 0) return false;
    FavoriteRecord record = FavoriteRecord::fromLine(w.List1.list(i));
    change(record);
    w.List1.setList(i, record.toLine());
    rewrite(w);
    step([&] { w.favoritesReload(); });
    return true;
}

// The colour items 6, 7 and 8: the key, the colour named after the caption, the example line.
struct ColourItem {
    forms::Key key;
    const char* name;
    const char* example;
};
const ColourItem kColourItems[] = {
    {forms::fgkey::时间颜色, " ( 灰色 )", "Gray  #808080   RGB(128,128,128)"},
    {forms::fgkey::网址颜色, " ( 蓝色 )", "Blue  #0000FF   RGB(0,0,255)"},
    {forms::fgkey::目标颜色, " ( 红色 )", "Red   #FF0000   RGB(255,0,0)"},
};

}  // namespace

FavoritesMenu::FavoritesMenu(Form14& owner) : m(owner) {
    m.bianji100.onClick = [this](int Index) { bianji100_Click(Index); };
}

void FavoritesMenu::bianji100_Click(int Index) {
    Form13* w = forms::windows().existing<Form13>();
    if (!w) return;

    // The right-clicked record: its id, its address (the link's title) and its text.
    web::Element element;
    step([&] { element = FavoritesPage::recordElement(w->LHTML.document().event()); });
    QString id;
    step([&] { id = element.id(); });

    switch (Index) {
    case 0: {
        step([&] { ui::services().setClipboardText(QString()); });
        step([&] { ui::services().setClipboardText(element.getAttribute(QStringLiteral("title"))); });
        break;
    }
    case 1: {
        Form1& f = forms::form1();
        if (guard([&] { return std::floor(rt::toDouble(f.Command7.tag())) == forms::frontSlot(f); })) {
            ui::refuse(kPoppedOut);
            return;
        }
        if (guard([&] { return f.Label9.caption() == QLatin1String("1"); })) {
            ui::refuse(kNoTabInFront);
            return;
        }
        step([&] { f.activate(); });
        step([&] {
            forms::navigate(f.WebBrowser1(forms::frontSlot(f)), element.getAttribute(QStringLiteral("title")));
        });
        break;
    }
    case 2: {
        QString old;
        step([&] { old = element.innerText(); });
        const QString answer = ask(QStringLiteral("标题"), old);
        if (answer.isEmpty() || answer == old) return;
        if (answer.contains(QLatin1Char('.'))) {
            ui::refuse(kNoDotInTitle);
            return;
        }
        if (rt::len(answer) < 2) {
            ui::refuse(kTitleTooShort);
            return;
        }
        if (!changeRecord(*w, id, [&](FavoriteRecord& r) { r.text = answer; })) ui::refuse(kTitleNotFound);
        break;
    }
    case 3: {
        QString old;
        step([&] { old = element.getAttribute(QStringLiteral("title")); });
        const QString answer = ask(QStringLiteral("连接"), old);
        if (answer.isEmpty() || answer == old) return;
        if (rt::len(answer) < 4) {
            ui::refuse(kAddressTooShort);
            return;
        }
        if (!changeRecord(*w, id, [&](FavoriteRecord& r) { r.address = answer; })) ui::refuse(kAddressNotFound);
        break;
    }
    case 4: {
        QString text;
        step([&] { text = element.innerText(); });
        int answer = 0;
        step([&] {
            answer = ui::services().msgBox(QStringLiteral("删除 [ ") + text + QStringLiteral(" ]"),
                                           ui::vbYesNo + ui::vbQuestion, QString());
        });
        if (answer != ui::vbYes) return;
        const int i = FavoriteRecord::indexOfId(w->records(), id);
        if (i >= 0) {
            step([&] { w->List1.removeItem(i); });
            rewrite(*w);
        }
        step([&] { w->favoritesReload(); });
        break;
    }
    case 6:
    case 7:
    case 8: {
        const ColourItem& item = kColourItems[Index - 6];
        QString old;
        step([&] { old = forms::read(item.key); });
        QString caption;
        step([&] { caption = m.bianji100(Index).caption(); });
        const QString prompt = caption + QString::fromUtf8(item.name) + QStringLiteral("\r\n\r\n") +
                               QStringLiteral("名称  十六进制  十进制") + QStringLiteral("\r\n\r\n") +
                               QString::fromUtf8(item.example);
        const QString answer = ask(prompt, old);
        if (answer.isEmpty() || answer == old) return;
        if (rt::len(answer) < 3) {
            ui::refuse(kColourTooShort);
            return;
        }
        step([&] { forms::write(item.key, answer); });
        // The hover reads 目标颜色 each time: no reload for it.
        if (Index != 8) step([&] { w->favoritesReload(); });
        break;
    }
    default:
        step([&] { w->favoritesReload(); });
        break;
    }
}
