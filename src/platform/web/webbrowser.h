#pragma once
// The browser control of the forms layer: a page view with the methods, properties and events the
// program drives. It loads in control arrays (constructed with its parent widget; its events are
// public std::function members that the array's setup hook wires per item).
//
// Every event handler may run modal popups and may destroy browsers; the control never touches
// itself after a handler returned once it has been destroyed, and its page widget is always deleted
// later from the event loop, never inside one of its own signals.
#include "platform/ui/control.h"
#include "platform/web/document.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;

namespace web {

class BrowserPage;
class BrowserView;

// Engine switches shared by every browser; the start-up sets them from the registry.
struct EngineSwitches {
    bool scriptsOff = false;   // scripts of pages from the network do not run (local pages' scripts and
                               // the program's own scripts still do)
    bool picturesOff = false;  // pictures are not loaded
    bool pluginsOff = false;   // plug-in objects are not started
};
void setEngineSwitches(const EngineSwitches& switches);
EngineSwitches engineSwitches();

// A data: address holding the local picture file at `path`, usable in any page (the engine refuses
// local file addresses inside http pages). "" when the file can not be read.
QString localPictureUrl(const QString& path);

// A hook that may put a widget of the program's in place of a plug-in object of a page (a Flash
// object, "application/x-shockwave-flash"). Called with the object's MIME type, its address, and its
// parameter names and values; returns the widget (parented to `parent`) or nullptr to leave the
// object to the engine. Set it before the browsers are made: a page reads the plug-in list once.
using PluginHook = std::function<QWidget*(const QString& mimeType, const QUrl& url, const QStringList& names,
                                          const QStringList& values, QWidget* parent)>;
void setPluginHook(PluginHook hook);

// Normalises typed text into an address the way Navigate reads it: a scheme-less host becomes
// http, an absolute local path (its backslashes read as folder separators, as the program writes
// paths) or "file:" a file address, "about:blank" the empty page.
QUrl addressFromText(const QString& text);
// The canonical text form of an address used by every event and property.
QString addressText(const QUrl& url);

// ExecWB command numbers.
enum ExecCommand : int {
    kExecSaveAs = 4,
    kExecCopy = 12,
    kExecPaste = 13,
    kExecRefresh = 22,
    kExecFind = 32,
};

// CommandStateChange command numbers.
enum CommandState : int {
    kCommandForward = 1,
    kCommandBack = 2,
};

class WebBrowser : public ui::Control {
public:
    explicit WebBrowser(QWidget* parent);
    ~WebBrowser() override;

    // Starts loading and returns at once. `headers` holds "Name: value" lines (CR LF separated); a
    // User-Agent line applies to this navigation's main-frame request (and its redirects) only.
    void Navigate(const QString& url, int flags = 0, const QString& target = QString(),
                  const QByteArray& postData = QByteArray(), const QString& headers = QString());
    void GoBack();
    void GoForward();
    void Refresh();
    void Stop();
    // Runs one of the commands of ExecCommand; other numbers raise 440.
    void ExecWB(int command, int option = 0);

    // The top document (a null handle before the first load finished committing).
    Document document() const;
    // True from the start of a load to the end of its top-level document.
    bool busy() const;
    bool silent() const;
    void setSilent(bool silent);
    bool registerAsDropTarget() const;
    void setRegisterAsDropTarget(bool on);
    QString locationURL() const;
    QString locationName() const;

    // The widget that shows the page (the one the window-handle table knows).
    QWidget* pageWidget() const;

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

    // For the web layer.
    BrowserPage* page() const;
    static WebBrowser* fromPage(BrowserPage* page);

protected:
    void geometryChanged() override;

private:
    friend class BrowserPage;
    struct Private;
    std::unique_ptr<Private> d_;
};

// The browsers that the layer made for new windows that no handler routed (each in a window of its
// own, deleted when its window is closed or its page closes it).
QList<WebBrowser*> standaloneWindows();

}  // namespace web
