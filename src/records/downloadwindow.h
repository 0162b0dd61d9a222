#pragma once
// The download window's handlers (Form6): load (icon, list mode, the list file shown and mirrored,
// or an empty page), size, the completed page in list mode (the connection XRA, no body border, the
// link style, the links numbered), a click on a record (its file downloaded again by the window's
// own browser, list mode off), the guard that then lets only the clicked record's address load
// ("下载失败，连接错误 或 连接不允许站外下载" otherwise; the list file itself always loads and turns
// list mode on again), and the page's events: the menu `Form14.xiazai` on a right click (its items
// enabled over a record), drags refused, a press beside the records moves the window, the hover
// colours.
#include "platform/web/document.h"

class Form6;
namespace web {
class WebBrowser;
}

class DownloadWindow {
public:
    explicit DownloadWindow(Form6& w);
    DownloadWindow(const DownloadWindow&) = delete;
    DownloadWindow& operator=(const DownloadWindow&) = delete;

    void Form_Load();
    void Form_Resize();
    void WebBrowser1_DocumentComplete(const QString& url);
    void WebBrowser1_NewWindow2(web::WebBrowser*& ppDisp, bool& Cancel);
    void WebBrowser1_BeforeNavigate2(const QString& url, bool& Cancel);
    bool XRA_oncontextmenu(const web::DocumentEvent& event);
    bool XRA_ondragstart(const web::DocumentEvent& event);
    bool XRA_onmousedown(const web::DocumentEvent& event);
    bool XRA_onmouseover(const web::DocumentEvent& event);
    bool XRA_onclick(const web::DocumentEvent& event);

    // The record link an event was raised in (the element itself when it lies in none).
    static web::Element recordElement(const web::DocumentEvent& event);

private:
    Form6& w;
    web::Element clicked_;  // the record link of the last click (the engine does not focus links)
};
