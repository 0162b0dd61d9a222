#include "forms/useragent.h"

#include "forms/settings.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/web/webbrowser.h"

#include <QByteArray>

namespace forms {

QString userAgentHeader() {
    // UA counts as on for any number but 0; empty or not a number sends no header.
    if (readNumber(appkey::UA, 0) == 0) return QString();
    return QStringLiteral("User-Agent:") + read(appkey::呈现伪造);
}

void navigate(web::WebBrowser& browser, const QString& address) {
    const QString header = userAgentHeader();
    if (header.isEmpty())
        browser.Navigate(address);
    else
        browser.Navigate(address, 0, QString(), QByteArray(), header);
}

void routeNewWindow(web::WebBrowser& browser) { browser.setNewWindowHeaders(userAgentHeader()); }

}  // namespace forms
