#include "platform/rt/html.h"

#include "platform/rt/gbk.h"
#include "platform/rt/text.h"

namespace rt {

namespace {

// The reference of an ASCII character of the set, or nullptr for one that stays.
const char* reference(QChar c, unsigned chars) {
    switch (c.unicode()) {
    case '&': return chars & kHtmlAmpersand ? "&amp;" : nullptr;
    case '<':
        if (chars & kHtmlBreakBeforeTags) return "<br>&lt;";
        return chars & kHtmlAngles ? "&lt;" : nullptr;
    case '>': return chars & (kHtmlAngles | kHtmlBreakBeforeTags) ? "&gt;" : nullptr;
    case '"': return chars & kHtmlDoubleQuote ? "&quot;" : nullptr;
    case '\'': return chars & kHtmlApostrophe ? "&#39;" : nullptr;
    case ' ': return chars & kHtmlBlank ? "&#32;" : nullptr;
    case '\t': return chars & kHtmlTab ? "&#9;" : nullptr;
    case '\n': return chars & kHtmlLineEnds ? "&#10;" : nullptr;
    case '\r': return chars & kHtmlLineEnds ? "&#13;" : nullptr;
    case '\f': return chars & kHtmlFormFeed ? "&#12;" : nullptr;
    case '=': return chars & kHtmlEquals ? "&#61;" : nullptr;
    case '`': return chars & kHtmlBacktick ? "&#96;" : nullptr;
    default: return nullptr;
    }
}

// A decimal or hexadecimal character reference at `pos` ("&#32;", "&#x20;"): its length and code
// point, or 0.
int numericReference(const QString& value, int pos, uint* codePoint) {
    if (value.midRef(pos, 2) != QLatin1String("&#")) return 0;
    int i = pos + 2;
    const bool hex = i < value.size() && (value[i] == QLatin1Char('x') || value[i] == QLatin1Char('X'));
    if (hex) ++i;
    const int digitsStart = i;
    quint64 n = 0;
    while (i < value.size() && i - digitsStart < 8) {
        const int d = hex ? rt::hexDigitValue(value[i]) : rt::isAsciiDigit(value[i]) ? value[i].unicode() - '0' : -1;
        if (d < 0) break;
        n = n * (hex ? 16 : 10) + d;
        ++i;
    }
    if (i == digitsStart || i >= value.size() || value[i] != QLatin1Char(';') || n == 0 || n > 0x10FFFF) return 0;
    *codePoint = uint(n);
    return i + 1 - pos;
}

}  // namespace

namespace {

// The ideographs U+4E00 to U+9FA5, all of which GBK holds.
bool gbkHoldsIdeograph(QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FA5; }

}  // namespace

QString htmlEscape(const QString& text, unsigned chars) {
    // Text with nothing to escape (most text, and the markup of a large view) is returned as it is;
    // text GBK holds whole is not looked at character by character.
    // what the references of ASCII characters add; characters beyond ASCII; those of them that may lie
    // outside GBK (GBK holds every ideograph from U+4E00 to U+9FA5, most of a Chinese text)
    int extra = 0, wide = 0, unsure = 0;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            ++wide;
            if (!gbkHoldsIdeograph(c)) ++unsure;
        } else if (const char* ref = reference(c, chars)) {
            extra += int(qstrlen(ref)) - 1;
        }
    }
    const bool outsideGbk = unsure && !(chars & kHtmlKeepOutsideGbk) && rt::fromGbk(rt::toGbk(text)) != text;
    if (!extra && !outsideGbk) return text;
    QString out;
    out.reserve(text.size() + extra + (outsideGbk ? wide * 8 : 0));
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            if (const char* ref = reference(c, chars)) out += QLatin1String(ref);
            else out += c;
            continue;
        }
        const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (!outsideGbk || gbkHoldsIdeograph(c) || rt::gbkHolds(text, i)) {
            out += c;
            if (pair) out += text[++i];
        } else if (pair) {
            out += QStringLiteral("&#%1;").arg(QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            out += QStringLiteral("&#%1;").arg(c.unicode());
        }
    }
    return out;
}

QString htmlAttributeEscape(const QString& value) { return htmlEscape(value, kHtmlAttribute); }

QString htmlUnescape(const QString& value) {
    if (!value.contains(QLatin1Char('&'))) return value;
    static const struct {
        const char* entity;
        char ch;
    } kNamed[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size();) {
        if (value[i] != QLatin1Char('&')) {
            out += value[i++];
            continue;
        }
        uint codePoint = 0;
        if (const int len = numericReference(value, i, &codePoint)) {
            if (codePoint < 0x10000) {
                out += QChar(ushort(codePoint));
            } else {
                out += QChar(QChar::highSurrogate(codePoint));
                out += QChar(QChar::lowSurrogate(codePoint));
            }
            i += len;
            continue;
        }
        bool named = false;
        for (const auto& r : kNamed) {
            const QLatin1String entity(r.entity);
            if (value.midRef(i, entity.size()).compare(entity, Qt::CaseInsensitive) == 0) {
                out += QLatin1Char(r.ch);
                i += entity.size();
                named = true;
                break;
            }
        }
        if (!named) out += value[i++];
    }
    return out;
}

}  // namespace rt
