#include "analysis/sourcewindow.h"

#include "analysis/form11.h"
#include "forms/programfiles.h"
#include "forms/form14.h"
#include "forms/windowowner.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/ui/menu.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

SourceWindow::SourceWindow(Form11& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.onResize = [this] { Form_Resize(); };
    w.WebBrowser1.onDocumentComplete = [this](const QString& url) { WebBrowser1_DocumentComplete(url); };
    w.WebBrowser1.onNewWindow2 = [this](web::WebBrowser*& ppDisp, bool& Cancel) { WebBrowser1_NewWindow2(ppDisp, Cancel); };
    w.LIUYI.onclick = [this](const web::DocumentEvent& e) { return LIUYI_onclick(e); };
    w.LIUYI.oncontextmenu = [this](const web::DocumentEvent& e) { return LIUYI_oncontextmenu(e); };
}

void SourceWindow::Form_Load() {
    step([&] { forms::setProgramIcon(w); });
    step([&] { w.WebBrowser1.setTag(QStringLiteral("0")); });
    step([&] { w.WebBrowser1.setRegisterAsDropTarget(false); });
}

void SourceWindow::Form_Resize() {
    if (w.windowState() == ui::vbMinimized) {
        step([&] { w.WebBrowser1.setTag(QStringLiteral("1")); });
        return;
    }
    if (guard([&] { return rt::toDouble(w.WebBrowser1.tag()) == 1; })) {
        step([&] { w.WebBrowser1.setTag(QStringLiteral("0")); });
        return;
    }
    step([&] { w.WebBrowser1.move(0, 0, w.scaleWidth(), w.scaleHeight()); });
}

void SourceWindow::WebBrowser1_DocumentComplete(const QString&) {
    step([&] { w.WebBrowser1.setSilent(true); });
    bool busy = false;
    step([&] { busy = w.WebBrowser1.busy(); });
    if (busy) return;
    step([&] { w.setLIUYI(w.WebBrowser1.document()); });
    step([&] { w.LIUYI.document().body().setStyleProperty(QStringLiteral("border"), QStringLiteral("none")); });
}

void SourceWindow::WebBrowser1_NewWindow2(web::WebBrowser*&, bool& Cancel) { Cancel = true; }

bool SourceWindow::LIUYI_onclick(const web::DocumentEvent& event) {
    // The row link itself (the engine does not focus clicked links): its id followed by "X" names the
    // row's hidden text.
    if (guard([&] { return event.srcElement.tagName().toLower() == QLatin1String("a"); })) {
        step([&] {
            const web::Element target = w.LIUYI.document().getElementById(event.srcElement.id() + QLatin1Char('X'));
            const bool hidden = target.styleProperty(QStringLiteral("display")) == QLatin1String("none");
            target.setStyleProperty(QStringLiteral("display"), hidden ? QString() : QStringLiteral("none"));
        });
    }
    return false;
}

bool SourceWindow::LIUYI_oncontextmenu(const web::DocumentEvent&) {
    Form14& m = forms::form14();
    step([&] {
        const qint64 size = w.WebBrowser1.document().fileSize();
        if (size < 0) rt::raise(rt::FileNotFound);
        m.yuanmayj100(3).setCaption(QStringLiteral("大小: ") + QString::number(size) + QStringLiteral(" 字节"));
    });
    step([&] { m.yuanmayj100(3).setEnabled(false); });
    step([&] { ui::popupMenu(m.yuanmayj); });
    return false;
}
