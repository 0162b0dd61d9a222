#pragma once
// Web layer internals: the page and view classes behind WebBrowser, and the bridge through which
// listeners injected into every document reach the program. Only files of this folder include it.
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

#include <QHash>
#include <QList>
#include <QNetworkRequest>
#include <QPair>
#include <QPointer>
#include <QWebElement>
#include <QWebFrame>
#include <QWebPage>
#include <QWebPluginFactory>
#include <QWebView>
#include <optional>

namespace web {

class NetworkManager;

using HeaderList = QList<QPair<QByteArray, QByteArray>>;

// Two addresses name the same resource (fragment, trailing slash and encoding aside).
bool sameAddress(const QUrl& a, const QUrl& b);

// The canonical address of a frame's current document.
QUrl frameAddress(QWebFrame* frame);

// Runs a program handler; an error escaping it skips it and goes no further (never into the engine).
template <class F>
void callSafely(F&& call) {
    try {
        call();
    } catch (...) {
    }
}

// Builds element handles from the engine's elements.
class ElementAccess {
public:
    static Element make(const QWebElement& element, const Document& document);
    static QWebElement raw(const Element& element);
};

// Hands one event to every sink attached to its document; false when one of them cancelled it.
bool dispatchToSinks(const Document& document, const DocumentEvent& event);

// Puts the bridge object and the event listeners into the frame's current document (idempotent).
void ensureHooks(QWebFrame* frame);
// Evaluates a script expression in the frame and returns the element it yields (null when none).
QWebElement scriptElement(QWebFrame* frame, const QString& expression);
// A script string literal holding `text`.
QString scriptString(const QString& text);

// The object that injected listeners call, synchronously, with the event's element and fields.
class Bridge : public QObject {
    Q_OBJECT
public:
    static Bridge* instance();
    static QString name();
    QWebElement takeCaptured();

public slots:
    bool dispatch(const QString& type, const QWebElement& target, const QVariantMap& fields);
    void capture(const QWebElement& element);

private:
    QWebElement captured_;
};

class PluginFactory : public QWebPluginFactory {
    Q_OBJECT
public:
    explicit PluginFactory(QWidget* view, QObject* parent);
    QList<Plugin> plugins() const override;
    QObject* create(const QString& mimeType, const QUrl& url, const QStringList& argumentNames,
                    const QStringList& argumentValues) const override;

private:
    QPointer<QWidget> view_;
};

class BrowserPage : public QWebPage {
    Q_OBJECT
public:
    BrowserPage(WebBrowser* owner, QWidget* view);
    ~BrowserPage() override;

    WebBrowser* owner() const { return owner_; }
    void detachOwner() { owner_ = nullptr; }

    struct Navigation {
        QUrl url;
        HeaderList headers;
        QString headersText;
        QByteArray postData;
    };
    // Loads a navigation the program started (its headers go to the main-frame document request).
    void startNavigation(const Navigation& navigation, QWebFrame* frame);

    bool busy() const { return busy_; }
    bool hasDocument() const { return hasDocument_; }
    void setBusy(bool busy) { busy_ = busy; }
    bool silent = false;
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
    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;
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
        bool loading = false;
        QByteArray bytes;
        QUrl bytesUrl;
    };
    void hookFrame(QWebFrame* frame);
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void onFrameLoadStarted(QWebFrame* frame);
    void onFrameLoadFinished(QWebFrame* frame, bool ok);
    void onUrlChanged();
    void onUnsupportedContent(QNetworkReply* reply);
    void onWindowCloseRequested();
    void raiseCommandStates(bool always);

    WebBrowser* owner_;
    QHash<QWebFrame*, FrameState> frames_;
    std::optional<Navigation> pending_;
    HeaderList activeHeaders_;
    bool busy_ = false;
    bool hasDocument_ = false;
    bool loading_ = false;
    QUrl pendingErrorUrl_;
    QWebElement errorRoot_;
    QUrl errorUrl_;
    int lastBack_ = -1, lastForward_ = -1;
};

class BrowserView : public QWebView {
    Q_OBJECT
public:
    explicit BrowserView(QWidget* parent) : QWebView(parent) {}
    BrowserPage* browserPage() const { return static_cast<BrowserPage*>(page()); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The engine's own menu, shown through the popup menu service.
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace web
