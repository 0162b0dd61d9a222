#include "platform/web/address.h"

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

}  // namespace

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
