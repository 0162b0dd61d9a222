#pragma once
// The source window's handlers (Form11): load (icon, the minimise mark "0", nothing dropped opens),
// size (the browser fills the window, except at the resize that restores it from a minimise), the
// completed view (silent, the connection LIUYI, no body border), new windows refused, and the view's
// events: a click on a link toggles the hidden row text of the element list (the element whose id is
// the link's id followed by "X") and never navigates; a right click pops the source menu
// `Form14.yuanmayj` with the view file's size, never the engine's menu.
// The menu's own handler is SourceMenu's (sourcemenu.h).
#include "platform/web/document.h"

class Form11;
namespace web {
class WebBrowser;
}

class SourceWindow {
public:
    explicit SourceWindow(Form11& w);
    SourceWindow(const SourceWindow&) = delete;
    SourceWindow& operator=(const SourceWindow&) = delete;

    void Form_Load();
    void Form_Resize();
    void WebBrowser1_DocumentComplete(const QString& url);
    void WebBrowser1_NewWindow2(web::WebBrowser*& ppDisp, bool& Cancel);
    bool LIUYI_onclick(const web::DocumentEvent& event);
    bool LIUYI_oncontextmenu(const web::DocumentEvent& event);

private:
    Form11& w;
};
