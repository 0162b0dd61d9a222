#include "records/favoriteswindow.h"

#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/controls.h"
#include "platform/web/document.h"
#include "records/form13.h"

using rt::step;

namespace {

// Appends a style element holding `css` to the body.
void appendStyle(const web::Document& doc, const QString& css) {
    const web::Element style = doc.createElement(QStringLiteral("style"));
    style.setAttribute(QStringLiteral("type"), QStringLiteral("text/css"));
    style.setStyleSheetText(css);
    doc.body().appendChild(style);
}

}  // namespace

FavoritesWindow::FavoritesWindow(Form13& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.onResize = [this] { Form_Resize(); };
    w.WebBrowser1.onDocumentComplete = [this](const QString& url) { WebBrowser1_DocumentComplete(url); };
    w.LHTML.onmouseover = [this](const web::DocumentEvent& event) { return LHTML_onmouseover(event); };
}

void FavoritesWindow::Form_Load() {
    step([&] { w.setIcon(ui::loadPicture(sys::appPath() + QStringLiteral("\\pifu\\0.ico"))); });
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

QString FavoritesWindow::numberText(int n) {
    if (n >= 1000 || n < 0) return QString();
    return QString::number(n).rightJustified(3, QLatin1Char('0')) + QStringLiteral(". ");
}

QString FavoritesWindow::cssFont(const QString& name) {
    QString quoted;
    quoted.reserve(name.size() + 2);
    for (const QChar c : name) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            quoted += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('<'))
            quoted += QLatin1Char(' ');
        else
            quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString FavoritesWindow::cssColour(const QString& value) {
    QString cleaned = value;
    for (const QChar c : {QLatin1Char(';'), QLatin1Char('{'), QLatin1Char('}'), QLatin1Char('<')}) cleaned.remove(c);
    return cleaned;
}

void FavoritesWindow::WebBrowser1_DocumentComplete(const QString&) {
    step([&] { w.WebBrowser1.setSilent(true); });
    if (rt::guard([&] { return w.WebBrowser1.busy(); })) return;
    web::Document doc;
    step([&] { doc = w.WebBrowser1.document(); });
    step([&] { w.setLHTML(doc); });
    step([&] { doc.body().setStyleProperty(QStringLiteral("border"), QStringLiteral("none")); });
    step([&] {
        appendStyle(doc, QStringLiteral("label{font-family:") + cssFont(forms::read(forms::fgkey::字体)) +
                             QStringLiteral(";font-size:15px;color:") + cssColour(forms::read(forms::fgkey::时间颜色)) +
                             QStringLiteral("}"));
    });
    step([&] {
        appendStyle(doc, QStringLiteral("a{font-family:") + cssFont(forms::read(forms::fgkey::字体)) +
                             QStringLiteral(";font-size:15px;color:") + cssColour(forms::read(forms::fgkey::网址颜色)) +
                             QStringLiteral(";text-Decoration:none}"));
    });
    numberLabels(doc);
}

void FavoritesWindow::numberLabels(const web::Document& doc) {
    int c = 0;
    step([&] { c = doc.getElementsByTagName(QStringLiteral("a")).size(); });
    // The numbers of labels 0 to c - 1 go in front of their texts in one script over the page (the
    // text content: reading the rendered text after each change would lay the page out again for
    // every label, and a list of 500 records is numbered at every load, also while hidden).
    QStringList numbers;
    for (int i = 0; i < c; ++i) numbers << QLatin1Char('\'') + numberText(c - i) + QLatin1Char('\'');  // digits, ". "
    step([&] {
        doc.evaluate(QStringLiteral("(function(n){var l=document.getElementsByTagName('label');"
                                    "for(var i=0;i<n.length&&i<l.length;i++)"
                                    "if(n[i])l[i].textContent=n[i]+l[i].textContent;})([%1])")
                         .arg(numbers.join(QLatin1Char(','))));
    });
}

bool FavoritesWindow::LHTML_onmouseover(const web::DocumentEvent& event) {
    if (rt::guard([&] { return event.srcElement.tagName().toLower() == QLatin1String("a"); })) {
        step([&] { event.srcElement.setStyleProperty(QStringLiteral("color"), cssColour(forms::read(forms::fgkey::目标颜色))); });
        step([&] { event.srcElement.setStyleProperty(QStringLiteral("text-decoration"), QStringLiteral("underline")); });
        return true;
    }
    // Any other element: every link gets its colour back (read once for this pass over the links).
    QList<web::Element> links;
    step([&] { links = w.LHTML.document().getElementsByTagName(QStringLiteral("a")); });
    QString colour;
    step([&] { colour = cssColour(forms::read(forms::fgkey::网址颜色)); });
    for (const web::Element& link : links) {
        step([&] { link.setStyleProperty(QStringLiteral("color"), colour); });
        step([&] { link.setStyleProperty(QStringLiteral("text-decoration"), QStringLiteral("none")); });
    }
    return true;
}
