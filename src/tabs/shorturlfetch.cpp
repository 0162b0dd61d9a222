#include "tabs/shorturlfetch.h"

#include "forms/form14.h"
#include "platform/rt/error.h"

#include <QUrl>

using rt::step;

namespace tabs {

namespace {

const char* const kServiceHost = "api.t.sina.com.cn";
const char* const kShortLinkPrefix = "http://t.cn/";

}  // namespace

ShortUrlService shortUrlService() {
    return {QString::fromLatin1(kServiceHost), QString::fromLatin1(kShortLinkPrefix)};
}

QString shortUrlRequest(const ShortUrlService& service, const QString& address) {
    return QStringLiteral("http://") + service.host + QString::fromLatin1(kShortUrlPath) + QStringLiteral("?source=") +
           QString::fromLatin1(kShortUrlSource) + QStringLiteral("&url_long=") +
           QString::fromLatin1(QUrl::toPercentEncoding(address));
}

}  // namespace tabs

ShortUrlFetch::ShortUrlFetch(Form14& window) : w(window) {
    w.onLoad = [this] { Form_Load(); };
    w.WebBrowser1.onDocumentComplete = [this](const QString&) { WebBrowser1_DocumentComplete(); };
}

void ShortUrlFetch::Form_Load() {
    step([&] { w.WebBrowser1.setSilent(true); });
}

void ShortUrlFetch::WebBrowser1_DocumentComplete() {
    step([&] { w.WebBrowser1.setSilent(true); });
}
