#include "analysis/pageviews.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/settings.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "analysis/elementlist.h"
#include "analysis/form11.h"
#include "forms/parts.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/random.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

namespace {

const QString kFirstLine = QStringLiteral("<meta http-equiv=X-UA-Compatible content=IE=Edge>");
constexpr int kBodyLimit = 600000;
constexpr int kShortest = 16;

QStringList listOf(const forms::Key& key) { return forms::read(key).split(QLatin1Char('>')); }

void refuse(const QString& message) {
    step([&] { ui::services().msgBox(message, ui::vbOKOnly + ui::vbCritical, QString()); });
}

}  // namespace

namespace analysis {

ViewName nameView(const QString& prefix) {
    rt::randomize();
    const QString number = rt::str(rt::rnd());
    return {number, prefix + number + QStringLiteral(".html")};
}

QString viewPath(const QString& name) { return sys::appPath() + QStringLiteral("\\html\\") + name; }

void writeView(const QString& name, const QStringList& items) {
    sys::appendLine(viewPath(name), (QStringList{kFirstLine} + items).join(QStringLiteral("\r\n")));
}

void showView(const QString& name) {
    step([&] { forms::window<Form11>().WebBrowser1.Navigate(viewPath(name)); });
    step([&] { forms::window<Form11>().setCaption(name); });
    step([&] { forms::form1().Command9.press(); });
}

QString plainEscape(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('<'), QStringLiteral("&lt;"));
    out.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    return out;
}

QString lineBreakEscape(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('>'), QStringLiteral("&gt;"));
    out.replace(QLatin1Char('<'), QStringLiteral("<br>&lt;"));
    return out;
}

QString digitPass(QString text) {
    for (int d = 0; d <= 9; ++d) {
        step([&] {
            const QStringList colours = listOf(forms::yuyankey::颜色名称1);
            if (d >= colours.size()) return;
            const QString digit = QString::number(d);
            text.replace(digit, QStringLiteral("<font color=") + colours[d] + QLatin1Char('>') + digit + QStringLiteral("</font>"));
        });
    }
    return text;
}

QString attributeNamePass(QString text, QString* lastColour) {
    const QString mark = QStringLiteral("=\"");
    if (!text.contains(mark)) return text;
    const QStringList pieces = text.split(mark);
    QStringList colours;
    step([&] { colours = listOf(forms::yuyankey::颜色名称2); });
    QString colour = lastColour ? *lastColour : QString();
    for (int i = 0; i + 1 < pieces.size(); ++i) {
        const QString& piece = pieces[i];
        const QString name = rt::left(piece.mid(piece.lastIndexOf(QLatin1Char(' ')) + 1), 99);
        const int length = name.size();
        if (length == 0) continue;  // a piece ending in a blank names nothing
        if (length >= 2) {
            const int entry = length > 9 ? 8 : length - 2;
            if (entry < colours.size()) colour = colours[entry];
        }
        text.replace(name + QLatin1Char('='),
                     QStringLiteral("<font color=") + colour + QLatin1Char('>') + name + QStringLiteral("=</font>"),
                     Qt::CaseInsensitive);
    }
    if (lastColour) *lastColour = colour;
    return text;
}

QString keywordPass(QString text) {
    QStringList words;
    step([&] { words = listOf(forms::yuyankey::iscript); });
    for (int i = 0; i + 1 < words.size(); ++i) {
        if (words[i].isEmpty()) continue;
        text.replace(words[i], QStringLiteral("<font color=fuchsia>") + words[i] + QStringLiteral("</font>"), Qt::CaseInsensitive);
    }
    return text;
}

QString fontDiv(int size) {
    // The font name goes into a quoted style as a CSS string: a family name with blanks (as Linux
    // names are) stays whole, and no character of it can end the string, the style or the tag.
    QString font;
    step([&] { font = forms::read(forms::fgkey::字体); });
    QString safe;
    for (const QChar c : font)
        if (!QStringLiteral("\"'<>&;{}\\\r\n").contains(c)) safe += c;
    return QStringLiteral("<div style=\"font-size:%1px;font-family:'%2'\">").arg(size).arg(safe);
}

}  // namespace analysis

PageViews::PageViews(Form1& form, Form4& owner) : f(form) {
    owner.html100.onClick = [this](int Index) { html100_Click(Index); };
    f.Command9.onClick = [this] { Command9_Click(); };
}

void PageViews::html100_Click(int Index) {
    switch (Index) {
    case 1: forms::part<ElementList>().start(); break;
    case 2: headView(); break;
    case 3: bodyView(); break;
    default: break;
    }
}

void PageViews::Command9_Click() {
    Form11* w = nullptr;
    step([&] { w = &forms::window<Form11>(); });
    if (!w) return;
    if (w->visible()) {
        step([&] { w->setWindowState(ui::vbNormal); });
        step([&] { w->WebBrowser1.setFocus(); });
        return;
    }
    step([&] {
        const QRect screen = ui::services().screenTwips();
        w->move(screen.width() / 3.0, screen.height() / 3.0, w->width(), w->height());
    });
    step([&] { w->show(); });
}

void PageViews::headView() {
    auto head = [&] {
        return f.WebBrowser1(forms::frontSlot(f)).document().getElementsByTagName(QStringLiteral("head")).value(0);
    };
    QString source;
    step([&] { source = head().outerHTML(); });
    if (rt::len(source) < kShortest) {
        refuse(QStringLiteral("网页中没有<HEAD>标记"));
        return;
    }
    QString text = analysis::lineBreakEscape(source);
    text = analysis::digitPass(text);
    text = analysis::attributeNamePass(text);
    text = analysis::keywordPass(text);
    const analysis::ViewName view = analysis::nameView(QStringLiteral("HEAD - "));
    step([&] { analysis::writeView(view.name, {analysis::fontDiv(18), text, QStringLiteral("</div>")}); });
    analysis::showView(view.name);
}

void PageViews::bodyView() {
    auto body = [&] {
        return f.WebBrowser1(forms::frontSlot(f)).document().getElementsByTagName(QStringLiteral("body")).value(0);
    };
    int length = 0;
    step([&] { length = rt::len(body().outerHTML()); });
    if (length < kShortest) {
        refuse(QStringLiteral("网页中没有<BODY>标记"));
        return;
    }
    if (length > kBodyLimit) {
        refuse(QStringLiteral("<BODY>源码字节超过60万，不能打开"));
        return;
    }
    const analysis::ViewName view = analysis::nameView(QStringLiteral("BODY - "));
    QString text;
    step([&] { text = analysis::lineBreakEscape(body().outerHTML()); });
    step([&] { analysis::writeView(view.name, {analysis::fontDiv(15), text, QStringLiteral("</div>")}); });
    analysis::showView(view.name);
}
