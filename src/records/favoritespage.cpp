#include "records/favoritespage.h"

#include "forms/form1.h"
#include "forms/titleglyphs.h"
#include "forms/form14.h"
#include "forms/newtab.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/ui/events.h"
#include "platform/ui/menu.h"
#include "records/form13.h"

#include <utility>

using rt::guard;
using rt::step;

namespace {


bool isLink(const web::Element& e) { return !e.isNull() && e.tagName() == QLatin1String("A"); }

}  // namespace

FavoritesPage::FavoritesPage(Form13& window) : w(window) {
    w.LHTML.onmousedown = [this](const web::DocumentEvent& event) { return LHTML_onmousedown(event); };
    w.LHTML.onclick = [this](const web::DocumentEvent& event) { return LHTML_onclick(event); };
    w.LHTML.oncontextmenu = [this](const web::DocumentEvent& event) { return LHTML_oncontextmenu(event); };
    w.LHTML.ondragstart = [this](const web::DocumentEvent& event) { return LHTML_ondragstart(event); };
    w.WebBrowser1.onNewWindow2 = [this](web::WebBrowser*& ppDisp, bool& Cancel) { WebBrowser1_NewWindow2(ppDisp, Cancel); };
}

web::Element FavoritesPage::recordElement(const web::DocumentEvent& event) {
    for (web::Element e = event.srcElement; !e.isNull(); e = e.parentElement())
        if (isLink(e)) return e;
    return event.srcElement;
}

bool FavoritesPage::LHTML_onmousedown(const web::DocumentEvent& event) {
    // Only the left button moves the window: a right press opens the edit menu.
    if (event.button != ui::vbLeftButton) return true;
    // A record link: its title is the record's address.
    if (guard([&] { return rt::len(event.srcElement.getAttribute(QStringLiteral("title"))) > 1; })) return true;
    step([&] { forms::dragWindow(w.hWnd()); });
    return true;
}

bool FavoritesPage::LHTML_onclick(const web::DocumentEvent& event) {
    step([&] { forms::form1().Command8.setTag(QStringLiteral("0")); });
    web::Element link;
    step([&] {
        const web::Element e = recordElement(event);
        if (isLink(e)) link = e;
    });
    step([&] {
        if (!link.target().toLower().contains(QLatin1String("_blank"))) link.setTarget(QStringLiteral("_blank"));
    });
    clickedLink_ = link;
    if (link.isNull()) return true;
    // A script address asks the engine for no window: the click opens the record itself.
    if (guard([&] { return link.href().trimmed().startsWith(QLatin1String("javascript:"), Qt::CaseInsensitive); }))
        openClickedLink();
    return true;
}

void FavoritesPage::WebBrowser1_NewWindow2(web::WebBrowser*&, bool& Cancel) {
    Cancel = true;
    openClickedLink();
}

void FavoritesPage::openClickedLink() {
    const web::Element link = std::exchange(clickedLink_, web::Element());
    QString address;
    step([&] { address = link.getAttribute(QStringLiteral("title")); });
    if (address.isEmpty()) return;
    Form1& f = forms::form1();
    step([&] { f.setWindowState(ui::vbNormal); });
    step([&] { f.activate(); });
    forms::openInNewTab(f, address);
}

bool FavoritesPage::LHTML_oncontextmenu(const web::DocumentEvent& event) {
    step([&] { forms::form1().Command8.setTag(QStringLiteral("0")); });
    Form14& m = forms::form14();
    const bool record = !guard([&] { return rt::len(recordElement(event).id()) < 2; });
    for (int i = 0; i <= 4; ++i) step([&] { m.bianji100(i).setEnabled(record); });
    step([&] { ui::popupMenu(m.bianji); });
    return false;
}

bool FavoritesPage::LHTML_ondragstart(const web::DocumentEvent&) { return false; }
