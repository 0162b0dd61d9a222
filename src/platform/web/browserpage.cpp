#include "platform/web/browserpage.h"

#include "platform/rt/html.h"
#include "platform/ui/services.h"
#include "platform/web/address.h"
#include "platform/web/bridge.h"
#include "platform/web/callsafely.h"
#include "platform/web/downloadjob.h"
#include "platform/web/pluginfactory.h"
#include "platform/web/scriptless.h"
#include "platform/web/switches.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>
#include <QTextCodec>
#include <QTimer>
#include <QWebHistory>

#include <utility>

namespace web {

namespace {

// One event of the browser: its slot on the browser and its slot on the browser's array.
template <class Own, class Array>
struct Event {
    constexpr Event(Own BrowserEvents::*own, Array BrowserArrayEvents::*array) : own(own), array(array) {}
    Own BrowserEvents::*own;
    Array BrowserArrayEvents::*array;
};

constexpr Event kBeforeNavigate2{&BrowserEvents::onBeforeNavigate2, &BrowserArrayEvents::onBeforeNavigate2};
constexpr Event kCommandStateChange{&BrowserEvents::onCommandStateChange, &BrowserArrayEvents::onCommandStateChange};
constexpr Event kDocumentComplete{&BrowserEvents::onDocumentComplete, &BrowserArrayEvents::onDocumentComplete};
constexpr Event kDownloadComplete{&BrowserEvents::onDownloadComplete, &BrowserArrayEvents::onDownloadComplete};
constexpr Event kFileDownload{&BrowserEvents::onFileDownload, &BrowserArrayEvents::onFileDownload};
constexpr Event kNavigateComplete2{&BrowserEvents::onNavigateComplete2, &BrowserArrayEvents::onNavigateComplete2};
constexpr Event kNewWindow2{&BrowserEvents::onNewWindow2, &BrowserArrayEvents::onNewWindow2};
constexpr Event kStatusTextChange{&BrowserEvents::onStatusTextChange, &BrowserArrayEvents::onStatusTextChange};
constexpr Event kTitleChange{&BrowserEvents::onTitleChange, &BrowserArrayEvents::onTitleChange};
constexpr Event kWindowClosing{&BrowserEvents::onWindowClosing, &BrowserArrayEvents::onWindowClosing};

}  // namespace

BrowserPage::BrowserPage(WebBrowser* owner, BrowserEvents* events, const ArrayLink* array,
                         QNetworkAccessManager* network, QWidget* view)
    : QWebPage(view), owner_(owner), events_(events), array_(array) {
    // The arrival of a document reaches the page of its frame.
    static const bool arrivals = (setArrivalHandler([](QWebFrame* frame) {
                                      if (auto* page = qobject_cast<BrowserPage*>(frame ? frame->page() : nullptr))
                                          page->documentArrived(frame);
                                  }),
                                  true);
    Q_UNUSED(arrivals);
    setNetworkAccessManager(network);
    setPluginFactory(new PluginFactory(view, this));
    setForwardUnsupportedContent(true);
    hookFrame(mainFrame());
    connect(this, &QWebPage::frameCreated, this, [this](QWebFrame* frame) { hookFrame(frame); });
    connect(this, &QWebPage::loadStarted, this, &BrowserPage::onLoadStarted);
    connect(this, &QWebPage::loadFinished, this, &BrowserPage::onLoadFinished);
    connect(mainFrame(), &QWebFrame::urlChanged, this, &BrowserPage::onUrlChanged);
    connect(mainFrame(), &QWebFrame::titleChanged, this, [this](const QString& title) {
        raise(kTitleChange, title);
    });
    connect(this, &QWebPage::linkHovered, this, [this](const QString& link, const QString&, const QString&) {
        raise(kStatusTextChange, link);
    });
    connect(this, &QWebPage::statusBarMessage, this, [this](const QString& text) {
        raise(kStatusTextChange, text);
    });
    connect(this, &QWebPage::unsupportedContent, this, &BrowserPage::onUnsupportedContent);
    connect(this, &QWebPage::windowCloseRequested, this, &BrowserPage::onWindowCloseRequested);
}

BrowserPage::~BrowserPage() {
    // The engine's page and its frames go after this body, and a load still running ends then with
    // the page's own signals: neither may reach this half-destroyed object.
    owner_ = nullptr;
    events_ = nullptr;
    array_ = nullptr;
    QObject::disconnect(this, nullptr, this, nullptr);
    QList<QWebFrame*> todo{mainFrame()};
    while (!todo.isEmpty()) {
        QWebFrame* frame = todo.takeFirst();
        todo += frame->childFrames();
        QObject::disconnect(frame, nullptr, this, nullptr);
    }
}

void BrowserPage::hookFrame(QWebFrame* frame) {
    QPointer<QWebFrame> f = frame;
    // The listener goes into each window the engine makes for the frame, before the page's scripts;
    // a page without scripts gets its window made once it is laid out.
    connect(frame, &QWebFrame::javaScriptWindowObjectCleared, this, [f] {
        if (f) installListener(f);
    });
    connect(frame, &QWebFrame::initialLayoutCompleted, this, [f] {
        if (f) ensureWindow(f);
    });
    if (frame != mainFrame()) {
        connect(frame, &QWebFrame::loadStarted, this, [this, f] {
            if (f) onFrameLoadStarted(f);
        });
        connect(frame, &QWebFrame::loadFinished, this, [this, f](bool ok) {
            if (f) onFrameLoadFinished(f, ok);
        });
    }
    connect(frame, &QObject::destroyed, this, [this, frame] { frames_.remove(frame); });
}

void BrowserPage::setNewWindowHeaders(const HeaderList& headers, const QString& text) {
    if (headers.isEmpty()) {
        newWindow_.reset();
        return;
    }
    Navigation n;
    n.headers = headers;
    n.headersText = text;
    newWindow_ = n;
}

void BrowserPage::startNavigation(const Navigation& navigation, QWebFrame* frame) {
    busy_ = true;
    if (frame == mainFrame()) {
        pending_ = navigation;
        newWindow_.reset();
    }
    QNetworkRequest request(navigation.url);
    for (const auto& header : navigation.headers) request.setRawHeader(header.first, header.second);
    if (navigation.postData.isEmpty())
        frame->load(request);
    else
        frame->load(request, QNetworkAccessManager::PostOperation, navigation.postData);
    if (!loading_ && pending_) {
        // Nothing started (refused before the engine asked, or an address it ignores).
        pending_.reset();
    }
    if (!loading_) busy_ = false;
}

bool BrowserPage::acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) {
    // The opener's check before a new window: the window itself raises the event when it loads.
    if (!frame) return true;
    // The rewritten load of a data: document (below) was allowed as the navigation it stands for.
    bool scriptlessLoad = false;
    {
        FrameState& state = frames_[frame];
        if (state.redirectTarget.isValid() && sameAddress(state.redirectTarget, request.url())) {
            state.redirectTarget = QUrl();
            return true;
        }
        if (state.scriptlessAddress.isValid() && sameAddress(state.scriptlessAddress, request.url())) {
            state.scriptlessAddress = QUrl();
            scriptlessLoad = true;
        }
    }
    const bool top = frame == mainFrame();
    const bool ours = top && pending_ && sameAddress(pending_->url, request.url());
    // The first top-level navigation the engine starts on its own takes a new window's headers.
    std::optional<Navigation> newWindow;
    if (top && !ours) newWindow = std::exchange(newWindow_, std::nullopt);
    // A reload repeats the loaded page without asking again.
    const bool reload = type == NavigationTypeReload || type == NavigationTypeFormResubmitted;
    bool cancel = false;
    if (!reload && !scriptlessLoad && hasHandler(kBeforeNavigate2)) {
        const QString headers = ours ? pending_->headersText : newWindow ? newWindow->headersText : QString();
        const QByteArray post = ours ? pending_->postData : QByteArray();
        const QString target = top ? QString() : frame->frameName();
        QPointer<BrowserPage> self = this;
        QPointer<QWebFrame> alive = frame;
        ++callbackDepth;
        raise(kBeforeNavigate2, addressText(request.url()), 0, target, post, headers, cancel);
        if (!self) return false;
        --callbackDepth;
        if (!alive) return false;
    }
    // The handler may have run a modal loop in which navigations started and frames came and went:
    // what was read before it is read again.
    const bool stillOurs = ours && pending_ && sameAddress(pending_->url, request.url());
    if (cancel) {
        if (stillOurs) pending_.reset();
        if (!loading_) busy_ = false;
        return false;
    }
    if (!scriptlessLoad && loadWithoutScripts(frame, request.url())) {
        if (stillOurs) pending_.reset();
        return false;
    }
    frames_[frame].documentUrl = request.url();
    if (top) {
        activeHeaders_ = stillOurs ? pending_->headers : newWindow ? newWindow->headers : HeaderList();
        pending_.reset();
        busy_ = true;
        // A load starts before control returns to the event loop; a move within the page (an
        // anchor, a changed hash) starts none and leaves the browser idle.
        QTimer::singleShot(0, this, [this] {
            if (!loading_) busy_ = false;
        });
    }
    return true;
}

bool BrowserPage::loadWithoutScripts(QWebFrame* frame, const QUrl& url) {
    if (!runsNoScripts && !engineSwitches().scriptsOff) return false;
    QByteArray type;
    QByteArray bytes;
    if (!dataAddressContent(url, type, bytes) || !isScriptable(type)) return false;
    const RewrittenDocument d = scriptlessDocument(url, type, bytes);
    frames_[frame].scriptlessAddress = url;
    // Not inside the engine's own decision: the rewritten document is loaded once it has returned.
    QPointer<QWebFrame> f = frame;
    QTimer::singleShot(0, this, [f, d, url] {
        if (f) f->setContent(d.bytes, QString::fromLatin1(d.contentType), url);
    });
    return true;
}

bool BrowserPage::prepareRequest(QWebFrame* frame, QNetworkRequest& request) {
    auto it = frames_.find(frame);
    if (it == frames_.end() || !it->documentUrl.isValid() || !sameAddress(it->documentUrl, request.url()))
        return false;
    it->documentUrl = QUrl();
    if (frame == mainFrame()) {
        for (const auto& header : activeHeaders_) request.setRawHeader(header.first, header.second);
    }
    return true;
}

void BrowserPage::documentRedirected(QWebFrame* frame, const QUrl& target) {
    FrameState& state = frames_[frame];
    state.documentUrl = target;
    state.redirectTarget = target;
}

void BrowserPage::documentRead(QWebFrame* frame, const QUrl& url, const QByteArray& bytes) {
    FrameState& state = frames_[frame];
    state.bytes = bytes;
    state.bytesUrl = url;
    if (frame == mainFrame()) activeHeaders_.clear();
}

QByteArray BrowserPage::documentBytes(QWebFrame* frame) const {
    const auto it = frames_.constFind(frame);
    if (it == frames_.constEnd() || isErrorDocument(frame)) return QByteArray();
    if (!sameAddress(it->bytesUrl, frameAddress(frame))) return QByteArray();
    return it->bytes;
}

bool BrowserPage::isErrorDocument(QWebFrame* frame) const {
    return frame == mainFrame() && !errorRoot_.isNull() && frame->documentElement() == errorRoot_;
}

QString BrowserPage::errorUrl(QWebFrame* frame) const {
    return isErrorDocument(frame) ? addressText(errorUrl_) : QString();
}

bool BrowserPage::supportsExtension(Extension extension) const { return extension == ErrorPageExtension; }

QString productToken() { return QStringLiteral("Zelvaro/" ZV_VERSION); }

QString asciiUserAgent(const QString& engineAgent) {
    QString agent = engineAgent;
    // The engine writes "… (KHTML, like Gecko) <application>/<version> Version/10.0 Safari/…".
    const QString engineName = QStringLiteral("(KHTML, like Gecko) ");
    const int named = agent.indexOf(engineName);
    const int from = named < 0 ? -1 : named + engineName.size();
    const int to = from < 0 ? -1 : agent.indexOf(QStringLiteral(" Version/"), from);
    if (to >= 0) {
        agent.replace(from, to - from, productToken());
    } else {
        QString name = QCoreApplication::applicationName();
        if (!QCoreApplication::applicationVersion().isEmpty()) name += QLatin1Char('/') + QCoreApplication::applicationVersion();
        if (!name.isEmpty() && agent.contains(name)) agent.replace(name, productToken());
    }
    QString ascii;
    ascii.reserve(agent.size());
    for (const QChar c : agent)
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) ascii += c;
    return ascii.simplified();
}

QString BrowserPage::userAgentForUrl(const QUrl& url) const { return asciiUserAgent(QWebPage::userAgentForUrl(url)); }

bool BrowserPage::extension(Extension extension, const ExtensionOption* option, ExtensionReturn* output) {
    if (extension != ErrorPageExtension || !option || !output) return false;
    const auto* info = static_cast<const ErrorPageExtensionOption*>(option);
    auto* page = static_cast<ErrorPageExtensionReturn*>(output);
    if (info->frame != mainFrame()) return false;
    // 102 ends every navigation that became a download; cancellations are no failures.
    if (info->domain == WebKit && (info->error == 102 || info->error == 101)) return false;
    if (info->domain == QtNetwork && info->error == QNetworkReply::OperationCanceledError) return false;
    const QString address = rt::htmlEscape(addressText(info->url));
    const QString reason = rt::htmlEscape(info->errorString);
    const QString html = QStringLiteral(
                             "<html><head><meta charset=\"utf-8\"><title>无法打开网页</title></head>"
                             "<body><h3>无法打开网页</h3><p>%1</p><p>%2</p></body></html>")
                             .arg(address, reason);
    page->content = html.toUtf8();
    page->contentType = QStringLiteral("text/html");
    page->encoding = QStringLiteral("utf-8");
    page->baseUrl = info->url;
    pendingErrorUrl_ = info->url;
    return true;
}

QWebPage* BrowserPage::createWindow(WebWindowType type) {
    Q_UNUSED(type);
    WebBrowser* chosen = nullptr;
    bool cancel = false;
    if (hasHandler(kNewWindow2)) {
        QPointer<BrowserPage> self = this;
        ++callbackDepth;
        raise(kNewWindow2, chosen, cancel);
        if (self) --callbackDepth;
    }
    if (cancel) return nullptr;
    return openWindow(chosen);
}

void BrowserPage::javaScriptAlert(QWebFrame*, const QString& msg) {
    if (silent) return;
    ++callbackDepth;
    QPointer<BrowserPage> self = this;
    ui::services().msgBox(msg, ui::vbOKOnly | ui::vbExclamation, QString());
    if (self) --callbackDepth;
}

bool BrowserPage::javaScriptConfirm(QWebFrame*, const QString& msg) {
    if (silent) return false;
    ++callbackDepth;
    QPointer<BrowserPage> self = this;
    const int answer = ui::services().msgBox(msg, ui::vbOKCancel | ui::vbQuestion, QString());
    if (self) --callbackDepth;
    return answer == ui::vbOK;
}

bool BrowserPage::javaScriptPrompt(QWebFrame*, const QString& msg, const QString& defaultValue, QString* result) {
    if (silent) return false;
    ++callbackDepth;
    QPointer<BrowserPage> self = this;
    const QString text = ui::askInInputBox(msg, QString(), defaultValue);
    if (self) --callbackDepth;
    if (result) *result = text;
    return !text.isEmpty();
}

QString BrowserPage::chooseFile(QWebFrame*, const QString& oldFile) {
    return ui::services().openFileName(QString(), QString(), QFileInfo(oldFile).path());
}

void BrowserPage::onLoadStarted() {
    // The page the load leaves; a frame's load within a load running does not move it.
    if (!loading_) startRoot_ = mainFrame()->documentElement();
    loading_ = true;
    busy_ = true;
}

void BrowserPage::documentArrived(QWebFrame* frame) {
    // Only a document that this load brought (not the page it is leaving), once each.
    if (frame != mainFrame() || !loading_) return;
    const QWebElement root = frame->documentElement();
    if (root.isNull() || root == startRoot_ || root == arrivedRoot_) return;
    arrivedRoot_ = root;
    QTimer::singleShot(0, this, [this, root] {
        // The load ended meanwhile (its end raises the event) or the document was replaced.
        if (!loading_ || !owner_ || mainFrame()->documentElement() != root) return;
        hasDocument_ = true;
        raise(kDownloadComplete);
    });
}

void BrowserPage::onUrlChanged() {
    hasDocument_ = true;
    if (!owner_) return;
    raiseCommandStates(true);
    if (!hasHandler(kNavigateComplete2)) return;
    raise(kNavigateComplete2, addressText(frameAddress(mainFrame())));
}

void BrowserPage::onFrameLoadStarted(QWebFrame* frame) { frames_[frame].loading = true; }

void BrowserPage::onFrameLoadFinished(QWebFrame* frame, bool ok) {
    FrameState& state = frames_[frame];
    const bool wasLoading = state.loading;
    state.loading = false;
    state.documentUrl = QUrl();
    ensureWindow(frame);
    if (!wasLoading || !ok || !hasHandler(kDocumentComplete)) return;
    raise(kDocumentComplete, addressText(frameAddress(frame)));
}

void BrowserPage::onLoadFinished(bool ok) {
    if (ok) hasDocument_ = true;
    loading_ = false;
    busy_ = false;
    // Handles would keep those documents alive.
    startRoot_ = QWebElement();
    arrivedRoot_ = QWebElement();
    frames_[mainFrame()].documentUrl = QUrl();
    bool errorPage = false;
    if (pendingErrorUrl_.isValid()) {
        errorRoot_ = mainFrame()->documentElement();
        errorUrl_ = pendingErrorUrl_;
        pendingErrorUrl_ = QUrl();
        errorPage = true;
    }
    ensureWindow(mainFrame());
    raiseCommandStates(false);
    if (!owner_) return;
    raise(kDownloadComplete);
    if (!(ok || errorPage) || !hasHandler(kDocumentComplete)) return;
    raise(kDocumentComplete, addressText(frameAddress(mainFrame())));
}

void BrowserPage::raiseCommandStates(bool always) {
    const int back = history()->canGoBack() ? 1 : 0;
    const int forward = history()->canGoForward() ? 1 : 0;
    const bool forwardChanged = always || forward != lastForward_;
    const bool backChanged = always || back != lastBack_;
    lastBack_ = back;
    lastForward_ = forward;
    if (forwardChanged) raise(kCommandStateChange, int(kCommandForward), forward == 1);
    if (backChanged) raise(kCommandStateChange, int(kCommandBack), back == 1);
}

void BrowserPage::onUnsupportedContent(QNetworkReply* reply) {
    if (!reply) return;
    bool cancel = false;
    QPointer<BrowserPage> self = this;
    if (hasHandler(kFileDownload)) {
        ++callbackDepth;
        raise(kFileDownload, addressText(reply->request().url()), false, cancel);
        if (self) --callbackDepth;
    }
    if (!self) return;
    // A browser whose first navigation turned into a download keeps the engine's empty start document
    // as its page: a blank page that the document connections can attach to and that the user's moves
    // reach, as a window opened for a download shows one.
    if (!hasDocument_ && reply->request().originatingObject() == mainFrame()) {
        hasDocument_ = true;
        ensureWindow(mainFrame());
    }
    if (cancel) {
        reply->abort();
        reply->deleteLater();
        return;
    }
    const QString path = askDownloadPath(reply);
    if (path.isEmpty()) {
        reply->abort();
        reply->deleteLater();
        return;
    }
    new DownloadJob(reply, path);
}

void BrowserPage::onWindowCloseRequested() {
    bool cancel = false;
    WebBrowser* browser = owner_;
    if (!browser) return;
    if (hasHandler(kWindowClosing)) {
        QPointer<BrowserPage> self = this;
        raise(kWindowClosing, false, cancel);
        if (!self || !owner_) return;
    }
    if (cancel) return;
    // A window of its own closes; a browser inside a form is left to its form.
    closeWindow(browser);
}

}  // namespace web
