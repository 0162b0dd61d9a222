#include "records/favoriteswindow.h"

#include "forms/programfiles.h"
#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/controls.h"
#include "platform/web/document.h"
#include "records/form13.h"
#include "records/recordpage.h"

using rt::step;

FavoritesWindow::FavoritesWindow(Form13& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.onResize = [this] { Form_Resize(); };
    w.WebBrowser1.onDocumentComplete = [this](const QString& url) { WebBrowser1_DocumentComplete(url); };
    w.LHTML.onmouseover = [this](const web::DocumentEvent& event) { return LHTML_onmouseover(event); };
}

void FavoritesWindow::Form_Load() {
    step([&] { forms::setProgramIcon(w); });
    if (rt::guard([&] { return sys::fileExists(Form13::favoritesFile()); })) {
        step([&] { w.WebBrowser1.Navigate(Form13::favoritesFile()); });
        step([&] {
            for (const QString& line : sys::readLines(Form13::favoritesFile())) w.List1.addItem(line);
        });
    } else {
        step([&] { w.WebBrowser1.Navigate(QStringLiteral("about:blank")); });
    }
    step([&] { w.WebBrowser1.setRegisterAsDropTarget(false); });
}

void FavoritesWindow::Form_Resize() {
    step([&] { w.WebBrowser1.move(0, 0, w.scaleWidth(), w.scaleHeight()); });
}

void FavoritesWindow::WebBrowser1_DocumentComplete(const QString&) {
    step([&] { w.WebBrowser1.setSilent(true); });
    if (rt::guard([&] { return w.WebBrowser1.busy(); })) return;
    web::Document doc;
    step([&] { doc = w.WebBrowser1.document(); });
    step([&] { w.setLHTML(doc); });
    step([&] { doc.body().setStyleProperty(QStringLiteral("border"), QStringLiteral("none")); });
    step([&] {
        records::appendStyle(doc, QStringLiteral("label{font-family:") + records::cssFont(forms::read(forms::fgkey::字体)) +
                                      QStringLiteral(";font-size:15px;color:") +
                                      records::cssColour(forms::read(forms::fgkey::时间颜色)) + QStringLiteral("}"));
    });
    step([&] { records::appendStyle(doc, records::linkStyle()); });
    records::numberBy(doc, QStringLiteral("label"));
}

bool FavoritesWindow::LHTML_onmouseover(const web::DocumentEvent& event) {
    records::hover(w.LHTML.document(), event);
    return true;
}
