#pragma once
// The default-browser check and the association. One second after start (the delayed job
// DefaultBrowserCheck, registered here; it switches its own timer off after the check) the check
// looks whether the desktop opens http links with this program; when it does not, a banner with a yes
// and a no picture goes across the top of the home page. The answers arrive through the home page's
// click handler `M_Dom_onclick`, which also hides the address box, resets the frame-blocking counter,
// makes the clicked link open in a new window, and closes the about overlay from its close caption.
#include <QString>

class Form1;

namespace web {
struct DocumentEvent;
class Document;
}  // namespace web

class DefaultBrowser {
public:
    // Sets the click handler of the home page's connection `M_Dom` and the body of the job
    // DefaultBrowserCheck.
    explicit DefaultBrowser(Form1& f);
    DefaultBrowser(const DefaultBrowser&) = delete;
    DefaultBrowser& operator=(const DefaultBrowser&) = delete;

    // The check that the job DefaultBrowserCheck runs: the banner goes into the home slot's page unless
    // this program is the default browser.
    void check();
    // The body of the job: the check, then its timer off.
    void defaultBrowserCheck();

    // Whether the registry names this program as the handler of http links (a value that cannot be
    // read counts as no).
    static bool isDefaultBrowser();

    // Makes this program the handler of http and https links: the six association values, each
    // written on its own.
    static void associate();

    // The click in the home page. Always lets the click's own action go on.
    bool M_Dom_onclick(const web::DocumentEvent& event);

private:
    static void removeBanner(const web::Document& doc);
    Form1& f_;
};
