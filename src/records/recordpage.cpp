#include "records/recordpage.h"

#include "forms/settings.h"
#include "platform/rt/error.h"
#include "platform/web/document.h"

#include <QStringList>

using rt::step;

namespace records {

QString numberText(int n) {
    if (n >= 1000 || n < 0) return QString();
    return QString::number(n).rightJustified(3, QLatin1Char('0')) + QStringLiteral(". ");
}

QString cssFont(const QString& name) {
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

QString cssColour(const QString& value) {
    QString cleaned = value;
    for (const QChar c : {QLatin1Char(';'), QLatin1Char('{'), QLatin1Char('}'), QLatin1Char('<')}) cleaned.remove(c);
    return cleaned;
}

void appendStyle(const web::Document& doc, const QString& css) {
    const web::Element style = doc.createElement(QStringLiteral("style"));
    style.setAttribute(QStringLiteral("type"), QStringLiteral("text/css"));
    style.setStyleSheetText(css);
    doc.body().appendChild(style);
}

QString linkStyle() {
    return QStringLiteral("a{font-family:") + cssFont(forms::read(forms::fgkey::字体)) + QStringLiteral(";font-size:15px;color:") +
           cssColour(forms::read(forms::fgkey::网址颜色)) + QStringLiteral(";text-Decoration:none}");
}

void numberBy(const web::Document& doc, const QString& tag) {
    int c = 0;
    step([&] { c = doc.getElementsByTagName(QStringLiteral("a")).size(); });
    // The numbers go in front of the texts in one script over the page (the text content: reading the
    // rendered text after each change would lay the page out again for every element, and a list of
    // 500 records is numbered at every load, also while hidden).
    QStringList numbers;
    for (int i = 0; i < c; ++i) numbers << QLatin1Char('\'') + numberText(c - i) + QLatin1Char('\'');  // digits, ". "
    step([&] {
        doc.evaluate(QStringLiteral("(function(n,t){var l=document.getElementsByTagName(t);"
                                    "for(var i=0;i<n.length&&i<l.length;i++)"
                                    "if(n[i])l[i].textContent=n[i]+l[i].textContent;})([%1],'%2')")
                         .arg(numbers.join(QLatin1Char(',')), tag));
    });
}

void hover(const web::Document& doc, const web::DocumentEvent& event) {
    if (rt::guard([&] { return event.srcElement.tagName().toLower() == QLatin1String("a"); })) {
        step([&] { event.srcElement.setStyleProperty(QStringLiteral("color"), cssColour(forms::read(forms::fgkey::目标颜色))); });
        step([&] { event.srcElement.setStyleProperty(QStringLiteral("text-decoration"), QStringLiteral("underline")); });
        return;
    }
    // Any other element: every link gets its colour back (read once for this pass over the links).
    QList<web::Element> links;
    step([&] { links = doc.getElementsByTagName(QStringLiteral("a")); });
    QString colour;
    step([&] { colour = cssColour(forms::read(forms::fgkey::网址颜色)); });
    for (const web::Element& link : links) {
        step([&] { link.setStyleProperty(QStringLiteral("color"), colour); });
        step([&] { link.setStyleProperty(QStringLiteral("text-decoration"), QStringLiteral("none")); });
    }
}

}  // namespace records
