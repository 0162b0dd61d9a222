#include "analysis/views.h"

#include "analysis/form11.h"
#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/random.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"

#include <QDir>

#include <algorithm>

using rt::step;

namespace {

const QString kFirstLine = QStringLiteral("<meta http-equiv=X-UA-Compatible content=IE=Edge>");

QStringList listOf(const forms::Key& key) { return forms::read(key).split(QLatin1Char('>')); }

}  // namespace

namespace analysis {

ViewName nameNewView(const QString& prefix) { return nameNewView(prefix, drawViewNumber()); }

ViewName nameNewView(const QString& prefix, const QString& number) {
    const QString folder = sys::appPath() + QStringLiteral("\\html");
    if (!sys::folderExists(folder)) QDir().mkpath(sys::nativePath(folder));
    ViewName view{number, prefix + number + QStringLiteral(".html")};
    for (int tries = 0; tries < 1000 && sys::fileExists(viewPath(view.name)); ++tries) {
        const QString again = rt::str(rt::rnd());
        view = {again, prefix + again + QStringLiteral(".html")};
    }
    return view;
}

QString drawViewNumber() {
    rt::randomize();
    return rt::str(rt::rnd());
}

ViewName nameView(const QString& prefix) {
    const QString number = drawViewNumber();
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

void refuse(const QString& message) {
    step([&] { ui::services().msgBox(message, ui::vbOKOnly + ui::vbCritical, QString()); });
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

namespace {

struct Rule {
    QString pattern;
    QString replacement;
    Qt::CaseSensitivity cs;
};

// The rules of the chosen passes, in the order they are tried at each place.
QList<Rule> rulesFor(const QString& text, Passes passes, QString* lastColour) {
    QList<Rule> rules;
    if (passes.attributes && text.contains(QStringLiteral("=\""))) {
        const QStringList pieces = text.split(QStringLiteral("=\""));
        QStringList colours;
        step([&] { colours = listOf(forms::yuyankey::颜色名称2); });
        QString colour = lastColour ? *lastColour : QString();
        QList<Rule> names;
        for (int i = 0; i + 1 < pieces.size(); ++i) {
            const QString& piece = pieces[i];
            const QString name = rt::left(piece.mid(piece.lastIndexOf(QLatin1Char(' ')) + 1), 99);
            if (name.isEmpty()) continue;  // a piece ending in a blank names nothing
            if (name.size() >= 2) {
                const int entry = name.size() > 9 ? 8 : name.size() - 2;
                if (entry < colours.size()) colour = colours[entry];
            }
            bool known = false;
            for (const Rule& r : names) known = known || r.pattern.compare(name + QLatin1Char('='), Qt::CaseInsensitive) == 0;
            if (known) continue;  // the first spelling and colour of a name stand
            names.append({name + QLatin1Char('='),
                          QStringLiteral("<font color=") + colour + QLatin1Char('>') + name + QStringLiteral("=</font>"),
                          Qt::CaseInsensitive});
        }
        if (lastColour) *lastColour = colour;
        std::stable_sort(names.begin(), names.end(),
                         [](const Rule& a, const Rule& b) { return a.pattern.size() > b.pattern.size(); });
        rules += names;
    }
    if (passes.keywords) {
        QStringList words;
        step([&] { words = listOf(forms::yuyankey::iscript); });
        for (int i = 0; i + 1 < words.size(); ++i) {
            if (words[i].isEmpty()) continue;
            rules.append({words[i], QStringLiteral("<font color=fuchsia>") + words[i] + QStringLiteral("</font>"), Qt::CaseInsensitive});
        }
    }
    if (passes.digits) {
        QStringList colours;
        step([&] { colours = listOf(forms::yuyankey::颜色名称1); });
        for (int d = 0; d <= 9 && d < colours.size(); ++d) {
            const QString digit = QString::number(d);
            rules.append({digit, QStringLiteral("<font color=") + colours[d] + QLatin1Char('>') + digit + QStringLiteral("</font>"),
                          Qt::CaseSensitive});
        }
    }
    return rules;
}

}  // namespace

QString colourText(const QString& text, Passes passes, QString* lastColour) {
    const QList<Rule> rules = rulesFor(text, passes, lastColour);
    if (rules.isEmpty()) return text;
    QString out;
    out.reserve(text.size() * 2);
    int i = 0;
    while (i < text.size()) {
        const Rule* hit = nullptr;
        for (const Rule& r : rules) {
            if (text.midRef(i, r.pattern.size()).compare(r.pattern, r.cs) == 0) {
                hit = &r;
                break;
            }
        }
        if (hit) {
            out += hit->replacement;
            i += hit->pattern.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

QString digitPass(const QString& text) { return colourText(text, {true, false, false}); }

QString attributeNamePass(const QString& text, QString* lastColour) { return colourText(text, {false, true, false}, lastColour); }

QString keywordPass(const QString& text) { return colourText(text, {false, false, true}); }

QString cssFontName() {
    QString font;
    step([&] { font = forms::read(forms::fgkey::字体); });
    QString safe;
    for (const QChar c : font)
        if (!QStringLiteral("\"'<>&;{}\\\r\n").contains(c)) safe += c;
    return QLatin1Char('\'') + safe + QLatin1Char('\'');
}

QString fontDiv(int size) {
    // A family name with blanks (as Linux names are) stays whole inside the quoted style.
    return QStringLiteral("<div style=\"font-size:%1px;font-family:%2\">").arg(size).arg(cssFontName());
}

}  // namespace analysis
