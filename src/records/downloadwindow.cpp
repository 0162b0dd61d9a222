#include "records/downloadwindow.h"

#include "forms/programfiles.h"
#include "forms/form14.h"
#include "forms/titleglyphs.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/events.h"
#include "platform/ui/menu.h"
#include "platform/ui/services.h"
#include "platform/web/address.h"
#include "platform/web/webbrowser.h"
#include "records/form6.h"
#include "records/recordpage.h"

#include <QUrl>

using rt::guard;
using rt::step;

namespace {


bool isLink(const web::Element& e) { return !e.isNull() && e.tagName() == QLatin1String("A"); }

// Whether an address names the download list file.
bool isListFile(const QString& url) {
    const QUrl u(url);
    return u.isLocalFile() && u.toLocalFile() == sys::nativePath(Form6::listFile());
}

}  // namespace

DownloadWindow::DownloadWindow(Form6& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.onResize = [this] { Form_Resize(); };
    w.WebBrowser1.onDocumentComplete = [this](const QString& url) { WebBrowser1_DocumentComplete(url); };
    w.WebBrowser1.onNewWindow2 = [this](web::WebBrowser*& ppDisp, bool& Cancel) { WebBrowser1_NewWindow2(ppDisp, Cancel); };
    w.WebBrowser1.onBeforeNavigate2 = [this](const QString& url, int, const QString&, const QByteArray&, const QString&,
                                             bool& Cancel) { WebBrowser1_BeforeNavigate2(url, Cancel); };
    w.XRA.oncontextmenu = [this](const web::DocumentEvent& e) { return XRA_oncontextmenu(e); };
    w.XRA.ondragstart = [this](const web::DocumentEvent& e) { return XRA_ondragstart(e); };
    w.XRA.onmousedown = [this](const web::DocumentEvent& e) { return XRA_onmousedown(e); };
    w.XRA.onmouseover = [this](const web::DocumentEvent& e) { return XRA_onmouseover(e); };
    w.XRA.onclick = [this](const web::DocumentEvent& e) { return XRA_onclick(e); };
}

web::Element DownloadWindow::recordElement(const web::DocumentEvent& event) {
    for (web::Element e = event.srcElement; !e.isNull(); e = e.parentElement())
        if (isLink(e)) return e;
    return event.srcElement;
}

void DownloadWindow::Form_Load() {
    step([&] { forms::setProgramIcon(w); });
    w.listMode = true;
    if (guard([&] { return sys::fileExists(Form6::listFile()); })) {
        step([&] { w.WebBrowser1.Navigate(Form6::listFile()); });
        step([&] {
            for (const QString& line : sys::readLines(Form6::listFile())) w.List1.addItem(line);
        });
    } else {
        step([&] { w.WebBrowser1.Navigate(QStringLiteral("about:blank")); });
    }
    // A link or file dropped on the window opens in it.
    step([&] { w.WebBrowser1.setRegisterAsDropTarget(true); });
}

void DownloadWindow::Form_Resize() {
    step([&] { w.WebBrowser1.move(0, 0, w.scaleWidth(), w.scaleHeight()); });
}

void DownloadWindow::WebBrowser1_DocumentComplete(const QString&) {
    if (!w.listMode) return;
    step([&] { w.WebBrowser1.setSilent(true); });
    if (guard([&] { return w.WebBrowser1.busy(); })) return;
    web::Document doc;
    step([&] { doc = w.WebBrowser1.document(); });
    step([&] { w.setXRA(doc); });
    step([&] { doc.body().setStyleProperty(QStringLiteral("border"), QStringLiteral("none")); });
    step([&] { records::appendStyle(doc, records::linkStyle()); });
    records::numberBy(doc, QStringLiteral("a"));
}

void DownloadWindow::WebBrowser1_NewWindow2(web::WebBrowser*&, bool& Cancel) {
    Cancel = true;
    w.listMode = false;
    QString href;
    step([&] { href = clicked_.hrefResolved(); });
    if (href.isEmpty()) return;
    step([&] { w.WebBrowser1.Navigate(href); });
}

void DownloadWindow::WebBrowser1_BeforeNavigate2(const QString& url, bool& Cancel) {
    // The list file always loads, and shows the list again.
    if (isListFile(url)) {
        w.listMode = true;
        return;
    }
    if (w.listMode) return;
    if (guard([&] { return url == clicked_.hrefResolved(); })) return;
    Cancel = true;
    ui::refuse(QStringLiteral("下载失败，连接错误 或 连接不允许站外下载"));
}

bool DownloadWindow::XRA_oncontextmenu(const web::DocumentEvent& event) {
    Form14& m = forms::form14();
    const bool record = !guard([&] { return rt::len(recordElement(event).id()) < 2; });
    for (int i = 1; i <= 3; ++i) step([&] { m.xiazai100(i).setEnabled(record); });
    step([&] { ui::popupMenu(m.xiazai); });
    return false;
}

bool DownloadWindow::XRA_ondragstart(const web::DocumentEvent&) { return false; }

bool DownloadWindow::XRA_onmousedown(const web::DocumentEvent& event) {
    // A press beside the records (anything without an address as its title) moves the window.
    if (guard([&] { return rt::len(recordElement(event).getAttribute(QStringLiteral("title"))) > 1; })) return true;
    step([&] { forms::dragWindow(w.hWnd()); });
    return true;
}

bool DownloadWindow::XRA_onmouseover(const web::DocumentEvent& event) {
    records::hover(w.XRA.document(), event);
    return true;
}

bool DownloadWindow::XRA_onclick(const web::DocumentEvent& event) {
    step([&] {
        const web::Element e = recordElement(event);
        clicked_ = isLink(e) ? e : web::Element();
    });
    return true;
}
