#include "platform/web/address.h"

#include "platform/rt/gbk.h"
#include "platform/rt/text.h"

#include <QVariant>
#include <QWebFrame>

namespace web {

namespace {

using rt::isAsciiDigit;
using rt::isAsciiLetter;

// "host:port" at the start, the port followed by the end or by "/", "?" or "#" ("localhost:8080/a").
bool startsWithHostAndPort(const QString& t) {
    int i = 0;
    const auto inHost = [](QChar c) {
        return isAsciiLetter(c) || isAsciiDigit(c) || c == QLatin1Char('.') || c == QLatin1Char('-');
    };
    while (i < t.size() && inHost(t[i])) ++i;
    if (i == 0 || i >= t.size() || t[i] != QLatin1Char(':')) return false;
    const int digits = ++i;
    while (i < t.size() && isAsciiDigit(t[i])) ++i;
    if (i == digits) return false;
    return i == t.size() || t[i] == QLatin1Char('/') || t[i] == QLatin1Char('?') || t[i] == QLatin1Char('#');
}

// A scheme and its colon at the start ("mailto:", "http:").
bool startsWithScheme(const QString& t) {
    if (t.isEmpty() || !isAsciiLetter(t[0])) return false;
    const auto inScheme = [](QChar c) {
        return isAsciiLetter(c) || isAsciiDigit(c) || c == QLatin1Char('+') || c == QLatin1Char('.') ||
               c == QLatin1Char('-');
    };
    int i = 1;
    while (i < t.size() && inScheme(t[i])) ++i;
    return i < t.size() && t[i] == QLatin1Char(':');
}

// Whether GBK holds every character of the text.
bool gbkHoldsAll(const QString& text) { return rt::fromGbk(rt::toGbk(text)) == text; }

// Where the host of an address lies: after "//" and any user information, up to its port, path,
// query or fragment. False when the address has no "//" authority.
bool hostRange(const QString& address, int* start, int* end) {
    const int slashes = address.indexOf(QStringLiteral("://"));
    if (slashes <= 0) return false;
    const int from = slashes + 3;
    int stop = address.size();
    for (const QChar c : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')}) {
        const int at = address.indexOf(c, from);
        if (at >= 0 && at < stop) stop = at;
    }
    const int at = address.lastIndexOf(QLatin1Char('@'), stop - 1);
    const int hostStart = at >= from ? at + 1 : from;
    if (hostStart < stop && address[hostStart] == QLatin1Char('[')) return false;  // an IPv6 address is ASCII
    const int colon = address.indexOf(QLatin1Char(':'), hostStart);
    *start = hostStart;
    *end = colon >= 0 && colon < stop ? colon : stop;
    return true;
}

// The byte of a "%XX" at `at`, or -1.
int percentByte(const QString& text, int at) {
    if (at < 0 || at + 2 >= text.size()) return -1;
    if (text[at] != QLatin1Char('%')) return -1;
    const int hi = rt::hexDigitValue(text[at + 1]), lo = rt::hexDigitValue(text[at + 2]);
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

// The number of bytes of a UTF-8 sequence that starts with `lead`, 0 for a byte that starts none.
int utf8Length(int lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

}  // namespace

QString recordAddress(const QString& address) {
    if (gbkHoldsAll(address)) return address;
    QString text = address;
    int start = 0, end = 0;
    if (hostRange(text, &start, &end)) {
        const QString host = text.mid(start, end - start);
        if (!gbkHoldsAll(host)) {
            const QByteArray ace = QUrl::toAce(host);
            if (!ace.isEmpty()) text.replace(start, end - start, QString::fromLatin1(ace));
        }
    }
    QString out;
    out.reserve(text.size() * 2);
    for (int i = 0; i < text.size(); ++i) {
        const int units = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        if (rt::gbkHolds(text, i)) {
            out += text.midRef(i, units);
        } else {
            for (const char byte : text.mid(i, units).toUtf8())
                out += QLatin1Char('%') + QString::number(uchar(byte), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        }
        i += units - 1;
    }
    return out;
}

QString addressFromRecord(const QString& stored) {
    QString out;
    if (stored.contains(QLatin1Char('%'))) {
        out.reserve(stored.size());
        for (int i = 0; i < stored.size();) {
            // A percent-encoded character GBK cannot hold is one that recordAddress wrote.
            const int lead = percentByte(stored, i);
            const int n = lead < 0 ? 0 : utf8Length(lead);
            QByteArray bytes;
            for (int k = 0; k < n; ++k) {
                const int b = percentByte(stored, i + 3 * k);
                if (b < 0 || (k > 0 && (b & 0xC0) != 0x80)) break;
                bytes += char(b);
            }
            if (n > 0 && bytes.size() == n) {
                const QString ch = QString::fromUtf8(bytes);
                if (ch.toUtf8() == bytes && ch.size() <= 2 && !rt::gbkHolds(ch, 0)) {
                    out += ch;
                    i += 3 * n;
                    continue;
                }
            }
            out += stored[i++];
        }
    } else {
        out = stored;
    }
    int start = 0, end = 0;
    if (hostRange(out, &start, &end) && out.midRef(start, end - start).contains(QLatin1String("xn--"), Qt::CaseInsensitive)) {
        const QString host = QUrl::fromAce(out.mid(start, end - start).toLatin1());
        if (!host.isEmpty() && !gbkHoldsAll(host)) out.replace(start, end - start, host);
    }
    return out;
}

QUrl addressFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return QUrl();
    if (t.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0) return QUrl(QStringLiteral("about:blank"));
    // Local paths: the program writes its folder followed by a tail with backslashes
    // ("…\\导航.html"); as everywhere in the file layer, a backslash separates folders.
    if (t.startsWith(QLatin1Char('/'))) return QUrl::fromLocalFile(QString(t).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (t.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QString path = QString(t).replace(QLatin1Char('\\'), QLatin1Char('/'));
        QUrl url(path, QUrl::TolerantMode);
        if (url.isLocalFile()) return url;
        return QUrl::fromLocalFile(path.mid(5));
    }
    if (startsWithHostAndPort(t) || !startsWithScheme(t))
        return QUrl(QStringLiteral("http://") + t, QUrl::TolerantMode);
    return QUrl(t, QUrl::TolerantMode);
}

QString addressText(const QUrl& url) {
    if (url.isEmpty()) return QString();
    return url.toString();
}

bool sameAddress(const QUrl& a, const QUrl& b) {
    const auto form = [](const QUrl& u) {
        return u.adjusted(QUrl::RemoveFragment | QUrl::NormalizePathSegments | QUrl::StripTrailingSlash)
            .toString(QUrl::FullyEncoded);
    };
    return form(a) == form(b);
}

QUrl frameAddress(QWebFrame* frame) {
    if (!frame) return QUrl();
    if (!frame->parentFrame()) return frame->url();
    // A child frame reports no address of its own: its document says it.
    const QVariant url = frame->evaluateJavaScript(QStringLiteral("document.URL"));
    if (url.type() == QVariant::String && !url.toString().isEmpty()) return QUrl(url.toString());
    return frame->baseUrl();
}

}  // namespace web
