#include "tabs/tabs.h"

#include "forms/form1.h"
#include "platform/web/webbrowser.h"

Tabs::Tabs(Form1& form, Form4& f4)
    : pageItems(form, f4),
      closing(form, f4, pageItems),
      opening(form, closing),
      strip(form),
      switching(form),
      routing(form, opening),
      linkModes(form, f4, opening),
      f(form) {
    f.WebBrowser1.onTitleChange = [this](int Index, const QString&) { switching.WebBrowser1_TitleChange(Index); };
    f.WebBrowser1.onCommandStateChange = [this](int Index, int command, bool enabled) {
        switching.WebBrowser1_CommandStateChange(Index, command, enabled);
    };
    f.WebBrowser1.onWindowClosing = [this](int Index, bool isChild, bool& cancel) {
        closing.WebBrowser1_WindowClosing(Index, isChild, cancel);
    };
    f.WebBrowser1.onNewWindow2 = [this](int Index, web::WebBrowser*& ppDisp, bool& cancel) {
        routing.WebBrowser1_NewWindow2(Index, ppDisp, cancel);
    };
}
