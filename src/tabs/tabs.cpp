#include "tabs/tabs.h"

#include "forms/form1.h"
#include "platform/web/webbrowser.h"

Tabs::Tabs(Form1& form, Form4& f4)
    : closing(form, f4), opening(form, closing), strip(form), switching(form), f(form) {
    f.WebBrowser1.addItemSetup([this](int Index, web::WebBrowser& browser) { wireBrowser(Index, browser); });
}

void Tabs::wireBrowser(int Index, web::WebBrowser& browser) {
    browser.onTitleChange = [this, Index](const QString&) { switching.WebBrowser1_TitleChange(Index); };
    browser.onCommandStateChange = [this, Index](int command, bool enabled) {
        switching.WebBrowser1_CommandStateChange(Index, command, enabled);
    };
    browser.onWindowClosing = [this, Index](bool isChild, bool& cancel) {
        closing.WebBrowser1_WindowClosing(Index, isChild, cancel);
    };
}
