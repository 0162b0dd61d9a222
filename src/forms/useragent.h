#pragma once
// The User-Agent override: every navigation the program starts carries the header "User-Agent:"
// followed directly by the setting 呈现伪造 while the setting UA is a number other than 0; with UA
// "0", empty or no number it carries no header. A window a page opens into a tab carries it on its
// first request too.
#include <QString>

namespace web {
class WebBrowser;
}

namespace forms {

// The header line of the override, or "" while it is off.
QString userAgentHeader();
// Navigates the browser to `address` under the override.
void navigate(web::WebBrowser& browser, const QString& address);
// A page's new window goes into `browser`: its first request (with the page's POST data, if any)
// carries the header while the override is on, and nothing is added while it is off.
void routeNewWindow(web::WebBrowser& browser);

}  // namespace forms
