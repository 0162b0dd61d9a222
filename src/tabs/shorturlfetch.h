#pragma once
// The short-URL request of the tab menu goes to a URL-shortening web service through the never-shown
// fetch browser Form14.WebBrowser1; the delayed job ShortUrlAnswer (tabpageitems.h) reads its reply a
// second later.
//
// The request address: "http://", the service host, "/short_url/shorten.xml", "?source=" followed by
// the application key, and "&url_long=" followed by the tab's address percent-encoded (so that "&",
// "#" and "?" in it stay part of it). The service's short links begin with the short-link prefix.
// Both values are set here, in one place; the tests point them at a loopback stub.
#include <QString>

class Form14;

namespace tabs {

// Where the short-URL requests go: the service host (with a port, when it needs one) and the text
// its short links begin with.
struct ShortUrlService {
    QString host;
    QString linkPrefix;
};

// The service the program uses.
ShortUrlService shortUrlService();

inline constexpr const char* kShortUrlPath = "/short_url/shorten.xml";
inline constexpr const char* kShortUrlSource = "6204817735";

// The request address for the tab address `address`.
QString shortUrlRequest(const ShortUrlService& service, const QString& address);

}  // namespace tabs

// The handlers of Form14 for its fetch browser: Silent at the window's load and again after every
// document, so the engine shows no box of its own for it.
class ShortUrlFetch {
public:
    // Sets Form14's load handler and its browser's document-complete handler.
    explicit ShortUrlFetch(Form14& w);

    void Form_Load();
    void WebBrowser1_DocumentComplete();

private:
    Form14& w;
};
