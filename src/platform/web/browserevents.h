#pragma once
// The events of the browser control (WebBrowser derives from this; its page raises them).
#include "platform/ui/handler.h"

#include <QByteArray>
#include <QString>

namespace web {

class WebBrowser;

// CommandStateChange command numbers.
enum CommandState : int {
    kCommandForward = 1,
    kCommandBack = 2,
};

// One handler each (ui::Handler: one owner per slot).
struct BrowserEvents {
    // Events, raised in the order of a load: onBeforeNavigate2 (top document, then each frame),
    // onNavigateComplete2, onTitleChange, onDownloadComplete once the top document has arrived
    // (parsed, its window made; pictures and frames may still be loading, and a page whose picture
    // never comes gets it all the same), onDocumentComplete per frame, onDownloadComplete again at the
    // end of the load, then onDocumentComplete of the top document. A load that ends before its
    // document's arrival was reported raises onDownloadComplete at the end only.
    ui::Handler<void(const QString& url, int flags, const QString& target, const QByteArray& postData,
                     const QString& headers, bool& cancel)>
        onBeforeNavigate2{"WebBrowser.onBeforeNavigate2"};
    ui::Handler<void(const QString& url)> onNavigateComplete2{"WebBrowser.onNavigateComplete2"};
    ui::Handler<void(const QString& text)> onTitleChange{"WebBrowser.onTitleChange"};
    ui::Handler<void(const QString& url)> onDocumentComplete{"WebBrowser.onDocumentComplete"};
    ui::Handler<void()> onDownloadComplete{"WebBrowser.onDownloadComplete"};
    ui::Handler<void(const QString& text)> onStatusTextChange{"WebBrowser.onStatusTextChange"};
    ui::Handler<void(int command, bool enabled)> onCommandStateChange{"WebBrowser.onCommandStateChange"};
    // A page asks for a new window. Set `cancel` to drop it, or `ppDisp` to the browser that is to
    // load it; leaving both gives a window of its own.
    ui::Handler<void(WebBrowser*& ppDisp, bool& cancel)> onNewWindow2{"WebBrowser.onNewWindow2"};
    // The page's script asked to close its window; `cancel` keeps it. A window of the layer's own
    // closes when not cancelled; a browser in a form stays where its form put it.
    ui::Handler<void(bool isChildWindow, bool& cancel)> onWindowClosing{"WebBrowser.onWindowClosing"};
    // A response that is no document: `activeDocument` is false; unless `cancel` is set the file is
    // saved through the Save As service.
    ui::Handler<void(const QString& url, bool activeDocument, bool& cancel)> onFileDownload{"WebBrowser.onFileDownload"};
};

// The same events at the level of a control array of browsers (WebBrowserArray), each with the
// item's index first.
struct BrowserArrayEvents {
    ui::Handler<void(int Index, const QString& url, int flags, const QString& target, const QByteArray& postData,
                     const QString& headers, bool& cancel)>
        onBeforeNavigate2{"WebBrowserArray.onBeforeNavigate2"};
    ui::Handler<void(int Index, const QString& url)> onNavigateComplete2{"WebBrowserArray.onNavigateComplete2"};
    ui::Handler<void(int Index, const QString& text)> onTitleChange{"WebBrowserArray.onTitleChange"};
    ui::Handler<void(int Index, const QString& url)> onDocumentComplete{"WebBrowserArray.onDocumentComplete"};
    ui::Handler<void(int Index)> onDownloadComplete{"WebBrowserArray.onDownloadComplete"};
    ui::Handler<void(int Index, const QString& text)> onStatusTextChange{"WebBrowserArray.onStatusTextChange"};
    ui::Handler<void(int Index, int command, bool enabled)> onCommandStateChange{"WebBrowserArray.onCommandStateChange"};
    ui::Handler<void(int Index, WebBrowser*& ppDisp, bool& cancel)> onNewWindow2{"WebBrowserArray.onNewWindow2"};
    ui::Handler<void(int Index, bool isChildWindow, bool& cancel)> onWindowClosing{"WebBrowserArray.onWindowClosing"};
    ui::Handler<void(int Index, const QString& url, bool activeDocument, bool& cancel)> onFileDownload{
        "WebBrowserArray.onFileDownload"};
};

// Where a browser's events go besides its own handlers: the array it is an item of, and its index
// there (none for a browser outside an array).
struct ArrayLink {
    BrowserArrayEvents* events = nullptr;
    int index = -1;
};

}  // namespace web
