#include "platform/web/address.h"

#include <QRegularExpression>
#include <QVariant>
#include <QWebFrame>

namespace web {

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
    static const QRegularExpression hostPort(QStringLiteral("^[A-Za-z0-9.-]+:\\d+(?:[/?#]|$)"));
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (hostPort.match(t).hasMatch() || !scheme.match(t).hasMatch())
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
