#pragma once
// The engine page behind each WebBrowser (web layer internal): it decides on navigations, carries a
// navigation's own headers to its document request, keeps what the program reads of each frame, and
// raises the browser's events. The browser control makes the page (a subclass of it that knows the
// control); this class sees the control's events only.
#include "platform/web/browserevents.h"
#include "platform/web/callsafely.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QNetworkRequest>
#include <QPair>
#include <QPointer>
#include <QUrl>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace web {

using HeaderList = QList<QPair<QByteArray, QByteArray>>;

// The program's product token in the User-Agent the engine sends when no navigation sets one
// ("Zelvaro/" and the version): ASCII, as every header value must be.
QString productToken();
// The engine's User-Agent `engineAgent` with the application part (the application's name and version,
// which the engine takes from the application object) replaced by `productToken()`, and any character
// outside printable ASCII left out: a header value is never sent with characters it can not carry.
QString asciiUserAgent(const QString& engineAgent);

class BrowserPage : public QWebPage {
    Q_OBJECT
public:
    // `owner` is the browser control (the layer only hands it on), `events` its events and `array`
    // its place in a control array (each event runs the browser's own handler, then the array's);
    // the page's requests go through `network`.
    BrowserPage(WebBrowser* owner, BrowserEvents* events, const ArrayLink* array, QNetworkAccessManager* network,
                QWidget* view);
    ~BrowserPage() override;

    WebBrowser* owner() const { return owner_; }
    // The owner is gone: no event reaches it any more.
    void detachOwner() {
        owner_ = nullptr;
        events_ = nullptr;
        array_ = nullptr;
    }

    struct Navigation {
        QUrl url;
        HeaderList headers;
        QString headersText;
        QByteArray postData;
    };
    // Loads a navigation the program started (its headers go to the main-frame document request).
    void startNavigation(const Navigation& navigation, QWebFrame* frame);

    // The headers of the next top-level navigation the engine starts on its own (a new window's first
    // request); used up by that navigation, dropped by one of the program's.
    void setNewWindowHeaders(const HeaderList& headers, const QString& text);

    // The user's own input on the page (a mouse button, a key), noted by the view as it arrives.
    void noteUserInput() { userInput_.start(); }
    // The user gave the page input within the last kUserGestureMs: what the page does now (open a
    // window, change the selection) counts as asked for by the user.
    bool userGesture() const { return userInput_.isValid() && userInput_.elapsed() < kUserGestureMs; }
    static constexpr qint64 kUserGestureMs = 1000;

    // The listener of `frame` saw its document arrive (parsed; pictures and frames may still be
    // loading). For the main frame's new document of a load still running, DownloadComplete is
    // raised then (from the event loop, never inside the page's script), and again at the end.
    void documentArrived(QWebFrame* frame);

    bool busy() const { return busy_; }
    bool hasDocument() const { return hasDocument_; }
    void setBusy(bool busy) { busy_ = busy; }
    bool silent = false;
    bool runsNoScripts = false;  // see WebBrowser::setRunsNoScripts
    bool f5Cancelled = false;
    int callbackDepth = 0;

    // Called by the network layer for every request a frame makes; returns true for the frame's
    // document request (after adding the navigation's headers to it).
    bool prepareRequest(QWebFrame* frame, QNetworkRequest& request);
    void documentRedirected(QWebFrame* frame, const QUrl& target);
    void documentRead(QWebFrame* frame, const QUrl& url, const QByteArray& bytes);

    // The error page mark of the main frame's current document.
    bool isErrorDocument(QWebFrame* frame) const;
    QString errorUrl(QWebFrame* frame) const;
    // The bytes of a frame's document as received (empty when not known).
    QByteArray documentBytes(QWebFrame* frame) const;

    bool extension(Extension extension, const ExtensionOption* option, ExtensionReturn* output) override;
    bool supportsExtension(Extension extension) const override;

protected:
    // A page asked for a new window and no handler cancelled it: the page of `chosen` (the browser the
    // handler named), or of a browser in a window of its own when none was named.
    virtual QWebPage* openWindow(WebBrowser* chosen) = 0;
    // The page's script closes its window and no handler kept it.
    virtual void closeWindow(WebBrowser* browser) = 0;

    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;
    // The engine's agent with the program's ASCII product token (asciiUserAgent).
    QString userAgentForUrl(const QUrl& url) const override;
    QWebPage* createWindow(WebWindowType type) override;
    void javaScriptAlert(QWebFrame* frame, const QString& msg) override;
    bool javaScriptConfirm(QWebFrame* frame, const QString& msg) override;
    bool javaScriptPrompt(QWebFrame* frame, const QString& msg, const QString& defaultValue, QString* result) override;
    void javaScriptConsoleMessage(const QString&, int, const QString&) override {}
    QString chooseFile(QWebFrame* frame, const QString& oldFile) override;

private:
    struct FrameState {
        QUrl documentUrl;     // the document request the frame is waiting for
        QUrl redirectTarget;  // the hop the engine will re-check
        QUrl scriptlessAddress;  // the data: document being loaded rewritten, without its scripts
        bool loading = false;
        QByteArray bytes;
        QUrl bytesUrl;
    };
    void hookFrame(QWebFrame* frame);
    // While page scripts are off (the switch, or runsNoScripts), a document made from a data: address
    // runs none either. The engine makes such documents without the network layer, so the navigation
    // is refused and the document loaded in its place rewritten (scriptless.h), under the same address;
    // that load goes on as the navigation the handler allowed. Returns whether it did so.
    bool loadWithoutScripts(QWebFrame* frame, const QUrl& url);
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void onFrameLoadStarted(QWebFrame* frame);
    void onFrameLoadFinished(QWebFrame* frame, bool ok);
    void onUrlChanged();
    void onUnsupportedContent(QNetworkReply* reply);
    void onWindowCloseRequested();
    void raiseCommandStates(bool always);

    // Whether the owner is there and one of its handlers of the event is set (its own or its array's).
    template <class Event>
    bool hasHandler(const Event& event) const {
        return owner_ && ((events_ && events_->*event.own) || (array_ && array_->events && array_->events->*event.array));
    }
    // Runs the owner's handlers of one event: its own, then its array's with its index first. Each
    // runs as an event of its own; none runs once the owner or the page is gone, also when the first
    // handler made it go.
    template <class Event, class... Args>
    void raise(const Event& event, Args&&... args) {
        QPointer<BrowserPage> self = this;
        if (owner_ && events_ && events_->*event.own) {
            auto handler = events_->*event.own;
            callSafely([&] { handler(args...); });
        }
        if (!self || !owner_ || !array_ || !array_->events || !(array_->events->*event.array)) return;
        auto handler = array_->events->*event.array;
        const int index = array_->index;
        callSafely([&] { handler(index, args...); });
    }

    WebBrowser* owner_;
    BrowserEvents* events_;
    const ArrayLink* array_;
    QHash<QWebFrame*, FrameState> frames_;
    std::optional<Navigation> pending_;
    std::optional<Navigation> newWindow_;  // headers only: the one-shot headers of a new window
    HeaderList activeHeaders_;
    bool busy_ = false;
    bool hasDocument_ = false;
    bool loading_ = false;
    QWebElement startRoot_;    // the main frame's document when the load started
    QWebElement arrivedRoot_;  // the last document whose arrival raised DownloadComplete
    QElapsedTimer userInput_;
    QUrl pendingErrorUrl_;
    QWebElement errorRoot_;
    QUrl errorUrl_;
    int lastBack_ = -1, lastForward_ = -1;
};

}  // namespace web
