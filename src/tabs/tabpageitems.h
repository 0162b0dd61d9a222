#pragma once
// The tab menu's items that act on the page of the tab in the tab menu slot (BQYJ100(1)'s tag):
//
//   2 刷新    reloads the tab. Refused with FlashMsg for the popped-out slot (Command7's tag, compared
//             as text). While 连接提示 is 1 or no number, the job HintRearm is started first (not
//             restarted), so
//             the link hint bar comes back 3 s later. The reload itself does not depend on 连接提示.
//   4 短网址  sends the never-shown fetch browser of Form14 to the URL-shortening service with the
//             tab's address (shorturlfetch.h), keeps the request, and starts the job ShortUrlAnswer
//             (registered here), which offers the short link a second later in an input box titled
//             "短网址"; OK copies the text as edited, Cancel or an empty text copies nothing. A tab
//             without a document sends nothing. The job answers the request kept last, once: only
//             when the fetch browser holds the reply to that very request (else "短网址服务还没有回
//             复，请稍后再试"), and with no request kept it shows nothing. It switches its own timer off.
//   5 ie打开  opens the tab's address in another web browser; when none can be started, the
//             launcher's message says so.
#include "tabs/shorturlfetch.h"

#include <QString>

class Form1;
class Form4;

class TabPageItems {
public:
    // Sets the body of the job ShortUrlAnswer; the tab menu's click handler calls the items.
    TabPageItems(Form1& f, Form4& f4);
    TabPageItems(const TabPageItems&) = delete;
    TabPageItems& operator=(const TabPageItems&) = delete;

    void refresh();
    void shortUrl();
    void openElsewhere();

    // A short-URL request that the job ShortUrlAnswer answers: the tab it was made for and that tab's
    // address at the time, the address the fetch browser was sent to, and the text short links begin
    // with.
    struct ShortUrlRequest {
        int slot = 0;
        QString address;
        QString requestUrl;
        QString prefix;
    };
    // Kept by the short-URL item right after it sent the fetch browser off, before it starts the job.
    // The job then offers the short address of this request's reply only.
    void setShortUrlRequest(const ShortUrlRequest& request);
    // The body of the job ShortUrlAnswer.
    void shortUrlAnswer();

    // Texts of the answer.
    static const QString kShortUrlTitle;    // "短网址"
    static const QString kShortUrlNoReply;  // the notice when the service has not answered

    // Where short-URL requests go (the program's service unless a test points it elsewhere).
    tabs::ShortUrlService shortUrlService = tabs::shortUrlService();

private:
    Form1& f;
    Form4& f4;
    bool haveShortUrlRequest_ = false;
    ShortUrlRequest shortUrlRequest_;
};
