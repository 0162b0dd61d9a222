#pragma once
// The tab menu's items that act on the page of the tab in the tab menu slot (BQYJ100(1)'s tag):
//
//   2 刷新    reloads the tab. Refused with FlashMsg for the popped-out slot (Command7's tag, compared
//             as text). While 连接提示 is 1 or no number, job 0 is started first (not restarted), so
//             the link hint bar comes back 3 s later. The reload itself does not depend on 连接提示.
//   4 短网址  sends the never-shown fetch browser of Form14 to the URL-shortening service with the
//             tab's address (shorturlfetch.h), hands job 4 the request, and starts job 4, which offers
//             the short link a second later in an input box titled "短网址"; OK copies the text as
//             edited, Cancel or an empty text copies nothing. A tab without a document sends nothing.
//   5 ie打开  opens the tab's address in another web browser; when none can be started, the
//             launcher's message says so.
#include "tabs/shorturlfetch.h"

class Form1;
class Form4;

class TabPageItems {
public:
    // Sets no handler: the tab menu's click handler calls these.
    TabPageItems(Form1& f, Form4& f4);

    void refresh();
    void shortUrl();
    void openElsewhere();

    // Where short-URL requests go (the program's service unless a test points it elsewhere).
    tabs::ShortUrlService shortUrlService = tabs::shortUrlService();

private:
    Form1& f;
    Form4& f4;
};
