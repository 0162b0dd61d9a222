#include "analysis/views.h"

#include "analysis/form11.h"
#include "forms/form1.h"
#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/html.h"
#include "platform/rt/random.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"

#include <QBitArray>
#include <QHash>
#include <QSet>
#include <QVector>

#include <algorithm>

using rt::step;

namespace {

const QString kFirstLine = QStringLiteral("<meta http-equiv=X-UA-Compatible content=IE=Edge>");

QStringList listOf(const forms::Key& key) { return forms::read(key).split(QLatin1Char('>')); }

}  // namespace

namespace analysis {

const QString kNotWritten = QStringLiteral("源码生成失败，文件不能写入：");

ViewName nameNewView(const QString& prefix) { return nameNewView(prefix, drawViewNumber()); }

ViewName nameNewView(const QString& prefix, const QString& number) {
    sys::makeFolder(sys::appPath() + QStringLiteral("\\html"));
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

QString viewPath(const QString& name) { return sys::appPath() + QStringLiteral("\\html\\") + name; }

void writeView(const QString& name, const QStringList& items) { appendToView(viewPath(name), QStringList{kFirstLine} + items); }

void appendToView(const QString& path, const QStringList& items) {
    // The file is GBK: what it cannot hold goes in as character references.
    sys::appendLine(path, rt::htmlEscape(items.join(QStringLiteral("\r\n")), rt::kHtmlNone));
}

void showView(const QString& name) {
    // A view whose file could not be written (its folder cannot be made, the disk is full) is said,
    // naming the file, instead of a source window on a missing page.
    if (!sys::fileExists(viewPath(name))) {
        ui::refuse(kNotWritten + sys::nativePath(viewPath(name)));
        return;
    }
    step([&] { forms::window<Form11>().WebBrowser1.Navigate(viewPath(name)); });
    step([&] { forms::window<Form11>().setCaption(name); });
    step([&] { forms::form1().Command9.press(); });
}

QString plainEscape(const QString& text) { return rt::htmlEscape(text, rt::kHtmlSource); }

QString lineBreakEscape(const QString& text) { return rt::htmlEscape(text, rt::kHtmlSource | rt::kHtmlBreakBeforeTags); }

namespace {

struct Rule {
    QString pattern;
    QString replacement;
};

// The text with every character case-folded (a surrogate pair as one code point), unit for unit:
// matching on folded text ignores letter case as the passes do.
QString folded(const QString& text) {
    QString out = text;
    QChar* d = out.data();
    for (int i = 0; i < out.size(); ++i) {
        if (d[i].isHighSurrogate() && i + 1 < out.size() && d[i + 1].isLowSurrogate()) {
            const uint f = QChar::toCaseFolded(QChar::surrogateToUcs4(d[i], d[i + 1]));
            if (QChar::requiresSurrogates(f)) {
                d[i] = QChar(QChar::highSurrogate(f));
                d[i + 1] = QChar(QChar::lowSurrogate(f));
            }
            ++i;
        } else {
            d[i] = d[i].toCaseFolded();
        }
    }
    return out;
}

// The patterns of the rules in a tree of their folded characters. At a place of the text the walk
// follows the text as far as the tree goes, so finding the rule that applies there costs the length
// of the longest pattern at most, however many rules there are.
class Matcher {
public:
    explicit Matcher(const QList<Rule>& rules) {
        nodes_.append(-1);
        for (int r = 0; r < rules.size(); ++r) {
            const QString key = folded(rules[r].pattern);
            if (key.isEmpty()) continue;
            int node = 0;
            for (const QChar c : key) {
                const quint64 edge = quint64(node) << 16 | c.unicode();
                auto it = edges_.constFind(edge);
                if (it == edges_.constEnd()) {
                    it = edges_.insert(edge, nodes_.size());
                    nodes_.append(-1);
                }
                node = *it;
            }
            starts_.setBit(key[0].unicode());
            // The first rule of a pattern stands, as in the order the rules are tried.
            if (nodes_[node] < 0) nodes_[node] = r;
        }
    }

    // The first rule, in rule order, whose pattern starts at `at` of the folded text; -1 for none.
    int match(const QString& text, int at) const {
        if (!starts_.testBit(text[at].unicode())) return -1;
        int best = -1;
        int node = 0;
        for (int i = at; i < text.size(); ++i) {
            const auto it = edges_.constFind(quint64(node) << 16 | text[i].unicode());
            if (it == edges_.constEnd()) break;
            node = *it;
            const int rule = nodes_[node];
            if (rule >= 0 && (best < 0 || rule < best)) best = rule;
        }
        return best;
    }

private:
    QBitArray starts_{0x10000};  // the first characters of the patterns
    QVector<int> nodes_;           // the rule that ends at each node, -1 for none
    QHash<quint64, int> edges_;
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
        QSet<QString> known;
        for (int i = 0; i + 1 < pieces.size(); ++i) {
            const QString& piece = pieces[i];
            const QString name = rt::left(piece.mid(piece.lastIndexOf(QLatin1Char(' ')) + 1), 99);
            if (name.isEmpty()) continue;  // a piece ending in a blank names nothing
            if (name.size() >= 2) {
                const int entry = name.size() > 9 ? 8 : name.size() - 2;
                if (entry < colours.size()) colour = colours[entry];
            }
            const QString key = folded(name);
            if (known.contains(key)) continue;  // the first spelling and colour of a name stand
            known.insert(key);
            names.append({name + QLatin1Char('='),
                          QStringLiteral("<font color=") + colour + QLatin1Char('>') + name + QStringLiteral("=</font>")});
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
            rules.append({words[i], QStringLiteral("<font color=fuchsia>") + words[i] + QStringLiteral("</font>")});
        }
    }
    if (passes.digits) {
        QStringList colours;
        step([&] { colours = listOf(forms::yuyankey::颜色名称1); });
        for (int d = 0; d <= 9 && d < colours.size(); ++d) {
            const QString digit = QString::number(d);
            rules.append({digit, QStringLiteral("<font color=") + colours[d] + QLatin1Char('>') + digit + QStringLiteral("</font>")});
        }
    }
    return rules;
}

}  // namespace

QString colourText(const QString& text, Passes passes, QString* lastColour) {
    const QList<Rule> rules = rulesFor(text, passes, lastColour);
    if (rules.isEmpty()) return text;
    const Matcher matcher(rules);
    const QString key = folded(text);
    // The places where a rule applies, then the text built at its final size.
    QVector<QPair<int, int>> hits;  // place, rule
    int size = text.size();
    for (int i = 0; i < text.size();) {
        const int hit = matcher.match(key, i);
        if (hit < 0) {
            ++i;
            continue;
        }
        hits.append({i, hit});
        size += rules[hit].replacement.size() - rules[hit].pattern.size();
        i += rules[hit].pattern.size();
    }
    QString out;
    out.reserve(size);
    int plain = 0;  // the text from here to the next hit is copied as it is
    for (const auto& [at, rule] : hits) {
        out += text.midRef(plain, at - plain);
        out += rules[rule].replacement;
        plain = at + rules[rule].pattern.size();
    }
    out += text.midRef(plain);
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
