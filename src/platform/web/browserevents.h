#pragma once
// The events of the browser control (WebBrowser derives from this; its page raises them).
#include <QByteArray>
#include <QString>

#include <functional>

namespace web {

class WebBrowser;

// CommandStateChange command numbers.
enum CommandState : int {
    kCommandForward = 1,
    kCommandBack = 2,
};

struct BrowserEvents {
    // Events, raised in the order of a load: onBeforeNavigate2 (top document, then each frame),
    // onNavigateComplete2, onTitleChange, onDocumentComplete per frame, onDownloadComplete, then
    // onDocumentComplete of the top document.
    std::function<void(const QString& url, int flags, const QString& target, const QByteArray& postData,
                       const QString& headers, bool& cancel)>
        onBeforeNavigate2;
    std::function<void(const QString& url)> onNavigateComplete2;
    std::function<void(const QString& text)> onTitleChange;
    std::function<void(const QString& url)> onDocumentComplete;
    std::function<void()> onDownloadComplete;
    std::function<void(const QString& text)> onStatusTextChange;
    std::function<void(int command, bool enabled)> onCommandStateChange;
    // A page asks for a new window. Set `cancel` to drop it, or `ppDisp` to the browser that is to
    // load it; leaving both gives a window of its own.
    std::function<void(WebBrowser*& ppDisp, bool& cancel)> onNewWindow2;
    // The page's script asked to close its window; `cancel` keeps it. A window of the layer's own
    // closes when not cancelled; a browser in a form stays where its form put it.
    std::function<void(bool isChildWindow, bool& cancel)> onWindowClosing;
    // A response that is no document: `activeDocument` is false; unless `cancel` is set the file is
    // saved through the Save As service.
    std::function<void(bool activeDocument, bool& cancel)> onFileDownload;
};

}  // namespace web
