#pragma once
// The browser control of the forms layer: a page view with the methods, properties and events the
// program drives. It loads in control arrays (constructed with its parent widget). Its events are the
// slots of BrowserEvents; in a WebBrowserArray each of them also reaches the array's slot with the
// item's index (webbrowserarray.h).
//
// Every event handler may run modal popups and may destroy browsers; the control never touches
// itself after a handler returned once it has been destroyed, and its page widget is always deleted
// later from the event loop, never inside one of its own signals.
#include "platform/ui/control.h"
#include "platform/web/address.h"
#include "platform/web/browserevents.h"
#include "platform/web/document.h"
#include "platform/web/localpicture.h"
#include "platform/web/pluginhook.h"
#include "platform/web/switches.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

class QWidget;

namespace web {

class BrowserPage;
class BrowserView;

// ExecWB command numbers.
enum ExecCommand : int {
    kExecSaveAs = 4,
    kExecCopy = 12,
    kExecPaste = 13,
    kExecRefresh = 22,
    kExecFind = 32,
};

class WebBrowser : public ui::Control, public BrowserEvents {
public:
    explicit WebBrowser(QWidget* parent);
    ~WebBrowser() override;

    // Starts loading and returns at once. `headers` holds "Name: value" lines (CR LF separated); a
    // User-Agent line applies to this navigation's main-frame request (and its redirects) only.
    void Navigate(const QString& url, int flags = 0, const QString& target = QString(),
                  const QByteArray& postData = QByteArray(), const QString& headers = QString());
    // The headers (lines as for Navigate) of the first main-frame request of a page's new window that
    // a handler of onNewWindow2 routed into this browser: the next top-level navigation the engine
    // starts here carries them, with its POST data and redirects, and uses them up. A navigation of
    // the program's own (Navigate) drops them; "" clears them.
    void setNewWindowHeaders(const QString& headers);
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
    // The user pressed a mouse button or a key on this browser's page within the last second: a
    // window the page asks for now counts as asked for by the user.
    bool userGesture() const;
    bool silent() const;
    void setSilent(bool silent);
    // A browser that runs no script of what it shows (off by default): pages from the network get the
    // page-script switch, local and data: documents are made scriptless, and an SVG picture is shown
    // as a picture. The program's own listeners go on working. Takes effect from the next load.
    bool runsNoScripts() const;
    void setRunsNoScripts(bool on);
    bool registerAsDropTarget() const;
    void setRegisterAsDropTarget(bool on);
    QString locationURL() const;
    QString locationName() const;

    // The widget that shows the page (the one the window-handle table knows).
    QWidget* pageWidget() const;

    // The events are the members of BrowserEvents (browserevents.h).

    // For the web layer.
    BrowserPage* page() const;
    static WebBrowser* fromPage(BrowserPage* page);

protected:
    void geometryChanged() override;

private:
    friend class WebBrowserArray;
    class Page;
    struct Private;
    // The control array the browser is an item of (set by the array).
    ArrayLink array_;
    std::unique_ptr<Private> d_;
};

// The browsers that the layer made for new windows that no handler routed (each in a window of its
// own, deleted when its window is closed or its page closes it).
QList<WebBrowser*> standaloneWindows();

}  // namespace web
