#include "platform/web/webbrowser.h"

#include "platform/rt/error.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"
#include "platform/web/browserpage.h"
#include "platform/web/network.h"

#include <QFile>
#include <QFileInfo>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeDatabase>
#include <QNetworkReply>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCodec>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebHistory>
#include <QWebSettings>

#if __has_include("platform/sys/windows.h")
#include "platform/sys/windows.h"
#define ZV_HAS_WINDOW_TABLE 1
#endif

namespace web {

// ---------------------------------------------------------------------------------------------
// Engine switches, plug-in hook, addresses

namespace {

EngineSwitches g_switches;
PluginHook g_pluginHook;
QList<WebBrowser*> g_standalone;

void applySettings(QWebSettings* s) {
    s->setAttribute(QWebSettings::AutoLoadImages, !g_switches.picturesOff);
    s->setAttribute(QWebSettings::PluginsEnabled, !g_switches.pluginsOff);
}

void initGlobalSettings() {
    static bool done = false;
    if (done) return;
    done = true;
    QWebSettings* s = QWebSettings::globalSettings();
    // Local pages of the program carry no charset line and are GBK.
    s->setDefaultTextEncoding(QStringLiteral("GBK"));
    s->setAttribute(QWebSettings::JavascriptEnabled, true);
    s->setAttribute(QWebSettings::JavascriptCanOpenWindows, true);
    s->setAttribute(QWebSettings::JavascriptCanCloseWindows, true);
    s->setAttribute(QWebSettings::LocalContentCanAccessFileUrls, true);
    applySettings(s);
}

const QString kSaveAsTitle = QStringLiteral("另存为");

QString suggestedDownloadName(QNetworkReply* reply) {
    const QByteArray disposition = reply->rawHeader("Content-Disposition");
    QRegularExpression star(QStringLiteral("filename\\*\\s*=\\s*(?:UTF-8|utf-8)''([^;]+)"));
    auto m = star.match(QString::fromLatin1(disposition));
    if (m.hasMatch()) {
        const QString name = QUrl::fromPercentEncoding(m.captured(1).trimmed().toLatin1());
        if (!name.isEmpty()) return QFileInfo(name).fileName();
    }
    const int at = disposition.indexOf("filename=");
    if (at >= 0) {
        QByteArray raw = disposition.mid(at + 9);
        const int semi = raw.indexOf(';');
        if (semi >= 0) raw = raw.left(semi);
        raw = raw.trimmed();
        if (raw.startsWith('"') && raw.endsWith('"') && raw.size() >= 2) raw = raw.mid(1, raw.size() - 2);
        QTextCodec::ConverterState state;
        QString name = QTextCodec::codecForName("UTF-8")->toUnicode(raw.constData(), raw.size(), &state);
        if (state.invalidChars > 0) name = QTextCodec::codecForName("GBK")->toUnicode(raw);
        name = QFileInfo(name).fileName();
        if (!name.isEmpty()) return name;
    }
    const QString fromUrl = QFileInfo(reply->url().path()).fileName();
    return fromUrl.isEmpty() ? QStringLiteral("download") : fromUrl;
}

// Saves one download to a file: written whole to a temporary file that replaces the target only
// when everything arrived, so a broken download never leaves half a file.
class DownloadJob : public QObject {
public:
    DownloadJob(QNetworkReply* reply, const QString& path) : reply_(reply), file_(path) {
        if (!file_.open(QIODevice::WriteOnly)) {
            failed_ = true;
            reply_->abort();
        }
        connect(reply_, &QNetworkReply::readyRead, this, [this] { pump(); });
        connect(reply_, &QNetworkReply::finished, this, [this] { finish(); });
        pump();
        if (reply_->isFinished()) QTimer::singleShot(0, this, [this] { finish(); });
    }

private:
    void pump() {
        if (failed_ || !reply_) return;
        const QByteArray data = reply_->readAll();
        if (!data.isEmpty() && file_.write(data) != data.size()) {
            failed_ = true;
            reply_->abort();
        }
    }
    void finish() {
        if (done_) return;
        done_ = true;
        pump();
        bool ok = !failed_ && reply_ && reply_->error() == QNetworkReply::NoError;
        if (ok)
            ok = file_.commit();
        else
            file_.cancelWriting();
        if (!ok) {
            ui::services().msgBox(QStringLiteral("下载失败：") + QFileInfo(file_.fileName()).fileName(), ui::vbCritical,
                                  QString());
        }
        if (reply_) reply_->deleteLater();
        deleteLater();
    }

    QPointer<QNetworkReply> reply_;
    QSaveFile file_;
    bool failed_ = false;
    bool done_ = false;
};

}  // namespace

void setEngineSwitches(const EngineSwitches& switches) {
    g_switches = switches;
    initGlobalSettings();
    applySettings(QWebSettings::globalSettings());
}

EngineSwitches engineSwitches() { return g_switches; }

void setPluginHook(PluginHook hook) { g_pluginHook = std::move(hook); }

QString localPictureUrl(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    const QByteArray data = file.readAll();
    QString mime = QMimeDatabase().mimeTypeForFileNameAndData(path, data).name();
    if (!mime.startsWith(QLatin1String("image/"))) mime = QStringLiteral("application/octet-stream");
    return QStringLiteral("data:") + mime + QStringLiteral(";base64,") + QString::fromLatin1(data.toBase64());
}

QUrl addressFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return QUrl();
    if (t.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0) return QUrl(QStringLiteral("about:blank"));
    // Local paths: the program writes its folder followed by a tail with backslashes
    // ("…\\导航.html"); as everywhere in the file layer, a backslash separates folders.
    if (t.startsWith(QLatin1Char('/'))) return QUrl::fromLocalFile(QString(t).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (t.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QString path = QString(t).replace(QLatin1Char('\\'), QLatin1Char('/'));
        QUrl url(path, QUrl::TolerantMode);
        if (url.isLocalFile()) return url;
        return QUrl::fromLocalFile(path.mid(5));
    }
    static const QRegularExpression hostPort(QStringLiteral("^[A-Za-z0-9.-]+:\\d+(?:[/?#]|$)"));
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (hostPort.match(t).hasMatch() || !scheme.match(t).hasMatch())
        return QUrl(QStringLiteral("http://") + t, QUrl::TolerantMode);
    return QUrl(t, QUrl::TolerantMode);
}

QString addressText(const QUrl& url) {
    if (url.isEmpty()) return QString();
    return url.toString();
}

bool sameAddress(const QUrl& a, const QUrl& b) {
    const auto form = [](const QUrl& u) {
        return u.adjusted(QUrl::RemoveFragment | QUrl::NormalizePathSegments | QUrl::StripTrailingSlash)
            .toString(QUrl::FullyEncoded);
    };
    return form(a) == form(b);
}

QList<WebBrowser*> standaloneWindows() { return g_standalone; }

// ---------------------------------------------------------------------------------------------
// Plug-in stand-ins

PluginFactory::PluginFactory(QWidget* view, QObject* parent) : QWebPluginFactory(parent), view_(view) {}

QList<QWebPluginFactory::Plugin> PluginFactory::plugins() const {
    QList<Plugin> list;
    if (!g_pluginHook) return list;
    Plugin plugin;
    plugin.name = QStringLiteral("Zelvaro stand-in");
    MimeType flash;
    flash.name = QStringLiteral("application/x-shockwave-flash");
    flash.fileExtensions << QStringLiteral("swf");
    plugin.mimeTypes << flash;
    list << plugin;
    return list;
}

QObject* PluginFactory::create(const QString& mimeType, const QUrl& url, const QStringList& argumentNames,
                               const QStringList& argumentValues) const {
    if (!g_pluginHook) return nullptr;
    QObject* widget = nullptr;
    PluginHook hook = g_pluginHook;
    callSafely([&] { widget = hook(mimeType, url, argumentNames, argumentValues, view_); });
    return widget;
}

// ---------------------------------------------------------------------------------------------
// WebBrowser

struct WebBrowser::Private {
    QWidget* host = nullptr;
    BrowserView* view = nullptr;
    BrowserPage* page = nullptr;
    bool dropTarget = true;
    bool standalone = false;
};

namespace {

QWidget* makeHost(QWidget* parent) {
    auto* host = new QWidget(parent);
    host->setAttribute(Qt::WA_DeleteOnClose, false);
    return host;
}

// Deletes a standalone browser when the person closes its window.
class StandaloneCloser : public QObject {
public:
    explicit StandaloneCloser(WebBrowser* browser) : QObject(browser->widget()), browser_(browser) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close && !scheduled_) {
            scheduled_ = true;
            WebBrowser* b = browser_;
            QTimer::singleShot(0, [b] {
                if (g_standalone.removeOne(b)) delete b;
            });
        }
        return false;
    }

private:
    WebBrowser* browser_;
    bool scheduled_ = false;
};

}  // namespace

WebBrowser::WebBrowser(QWidget* parent) : ui::Control(makeHost(parent)), d_(new Private) {
    initGlobalSettings();
    d_->host = widget();
    auto* layout = new QVBoxLayout(d_->host);
    layout->setContentsMargins(0, 0, 0, 0);
    d_->view = new BrowserView(d_->host);
    d_->page = new BrowserPage(this, d_->view);
    d_->view->setPage(d_->page);
    layout->addWidget(d_->view);
    d_->host->setFocusProxy(d_->view);
#ifdef ZV_HAS_WINDOW_TABLE
    sys::registerWindow(d_->view, QString::fromLatin1(sys::kPageWindowClass));
#endif
}

WebBrowser::~WebBrowser() {
    g_standalone.removeOne(this);
    // The page may be inside one of its own callbacks: it only loses its owner now, so that no event
    // reaches this object any more. The widgets go later, with the control's widget.
    d_->page->detachOwner();
    QPointer<BrowserPage> page = d_->page;
    QTimer::singleShot(0, page, [page] {
        if (page) page->triggerAction(QWebPage::Stop);
    });
}

BrowserPage* WebBrowser::page() const { return d_->page; }

WebBrowser* WebBrowser::fromPage(BrowserPage* page) { return page ? page->owner() : nullptr; }

QWidget* WebBrowser::pageWidget() const { return d_->view; }

void WebBrowser::geometryChanged() {}

void WebBrowser::Navigate(const QString& url, int flags, const QString& target, const QByteArray& postData,
                          const QString& headers) {
    Q_UNUSED(flags);
    const QUrl address = addressFromText(url);
    if (address.isEmpty() || !address.isValid()) return;
    BrowserPage::Navigation nav;
    nav.url = address;
    nav.postData = postData;
    nav.headersText = headers;
    // One header a line; values never carry a line break of their own.
    const QStringList lines = headers.split(QRegularExpression(QStringLiteral("[\\r\\n]+")), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0) continue;
        const QByteArray name = line.left(colon).trimmed().toLatin1();
        if (name.isEmpty()) continue;
        QByteArray value = line.mid(colon + 1).trimmed().toUtf8();
        // An empty value still sends the header. The network layer puts an agent of its own in place
        // of an empty User-Agent, so that one goes as a single blank, which is no part of a value.
        if (value.isEmpty()) value = name.compare("User-Agent", Qt::CaseInsensitive) == 0 ? QByteArray(" ") : QByteArray("");
        nav.headers.append({name, value});
    }
    QWebFrame* frame = d_->page->mainFrame();
    if (!target.isEmpty()) {
        QList<QWebFrame*> todo = frame->childFrames();
        while (!todo.isEmpty()) {
            QWebFrame* f = todo.takeFirst();
            if (f->frameName() == target) {
                frame = f;
                break;
            }
            todo += f->childFrames();
        }
    }
    d_->page->setBusy(true);
    if (d_->page->callbackDepth > 0) {
        // Started from inside one of the engine's own decisions: loaded once that has returned.
        QPointer<BrowserPage> page = d_->page;
        QPointer<QWebFrame> f = frame;
        QTimer::singleShot(0, page, [page, f, nav] {
            if (page && f) page->startNavigation(nav, f);
        });
        return;
    }
    d_->page->startNavigation(nav, frame);
}

void WebBrowser::GoBack() {
    if (d_->page->history()->canGoBack()) d_->page->history()->back();
}

void WebBrowser::GoForward() {
    if (d_->page->history()->canGoForward()) d_->page->history()->forward();
}

void WebBrowser::Refresh() { d_->page->triggerAction(QWebPage::Reload); }

void WebBrowser::Stop() { d_->page->triggerAction(QWebPage::Stop); }

void WebBrowser::ExecWB(int command, int option) {
    Q_UNUSED(option);
    switch (command) {
    case kExecSaveAs: {
        QWebFrame* frame = d_->page->mainFrame();
        QString name = QFileInfo(frame->url().path()).fileName();
        if (name.isEmpty()) name = locationName().isEmpty() ? QStringLiteral("page") : locationName();
        name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
        if (!name.contains(QLatin1Char('.'))) name += QStringLiteral(".html");
        const QString path = ui::services().saveFileName(kSaveAsTitle, name);
        if (path.isEmpty()) return;
        // The document as it arrived; a page made here (error page, empty page) as its markup.
        QByteArray bytes = d_->page->documentBytes(frame);
        if (bytes.isEmpty()) {
            QTextCodec* codec = QTextCodec::codecForName(document().isNull() ? QByteArray("UTF-8")
                                                                             : document().characterSet().toLatin1());
            if (!codec) codec = QTextCodec::codecForName("UTF-8");
            bytes = codec->fromUnicode(frame->toHtml());
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            ui::services().msgBox(QStringLiteral("保存失败：") + path, ui::vbCritical, QString());
        }
        return;
    }
    case kExecCopy: {
        const QString text = d_->page->selectedText();
        if (!text.isEmpty()) ui::services().setClipboardText(text);
        return;
    }
    case kExecPaste: {
        const QString text = ui::services().clipboardText();
        if (text.isEmpty()) return;
        QWebFrame* frame = d_->page->currentFrame() ? d_->page->currentFrame() : d_->page->mainFrame();
        // Into the focused text field at its selection, else into editable content.
        frame->evaluateJavaScript(
            QStringLiteral("(function(t){var e=document.activeElement;"
                           "if(e&&(e.tagName=='TEXTAREA'||(e.tagName=='INPUT'&&"
                           "/^(text|search|url|tel|email|password|number)?$/i.test(e.getAttribute('type')||'')))){"
                           "if(e.readOnly||e.disabled)return;"
                           "e.setRangeText(t,e.selectionStart,e.selectionEnd,'end');"
                           "e.dispatchEvent(new Event('input',{bubbles:true}));return;}"
                           "document.execCommand('insertText',false,t);})(%1)")
                .arg(scriptString(text)));
        return;
    }
    case kExecRefresh:
        Refresh();
        return;
    case kExecFind: {
        const QRect screen = ui::services().screenTwips();
        const QString text = ui::services().inputBox(QStringLiteral("查找内容"), QStringLiteral("查找"), QString(),
                                                     screen.width() / 2.6, screen.height() / 2.0);
        if (text.isEmpty()) return;
        if (!d_->page->findText(text, QWebPage::FindWrapsAroundDocument)) {
            ui::services().msgBox(QStringLiteral("找不到“") + text + QStringLiteral("”"), ui::vbInformation,
                                  QStringLiteral("查找"));
        }
        return;
    }
    default:
        rt::raise(rt::AutomationError, QStringLiteral("ExecWB %1").arg(command));
    }
}

Document WebBrowser::document() const {
    // No document before the first one arrived (the engine's own empty start document is none).
    if (!d_->page->hasDocument()) return Document();
    return Document::fromFrame(d_->page->mainFrame());
}

bool WebBrowser::busy() const { return d_->page->busy(); }

bool WebBrowser::silent() const { return d_->page->silent; }

void WebBrowser::setSilent(bool silent) { d_->page->silent = silent; }

bool WebBrowser::registerAsDropTarget() const { return d_->dropTarget; }

void WebBrowser::setRegisterAsDropTarget(bool on) {
    d_->dropTarget = on;
    d_->view->setAcceptDrops(on);
}

QString WebBrowser::locationURL() const { return addressText(frameAddress(d_->page->mainFrame())); }

QString WebBrowser::locationName() const {
    const QString title = d_->page->mainFrame()->title();
    return title.isEmpty() ? locationURL() : title;
}

// ---------------------------------------------------------------------------------------------
// BrowserPage

BrowserPage::BrowserPage(WebBrowser* owner, QWidget* view) : QWebPage(view), owner_(owner) {
    setNetworkAccessManager(NetworkManager::shared());
    setPluginFactory(new PluginFactory(view, this));
    setForwardUnsupportedContent(true);
    hookFrame(mainFrame());
    connect(this, &QWebPage::frameCreated, this, [this](QWebFrame* frame) { hookFrame(frame); });
    connect(this, &QWebPage::loadStarted, this, &BrowserPage::onLoadStarted);
    connect(this, &QWebPage::loadFinished, this, &BrowserPage::onLoadFinished);
    connect(mainFrame(), &QWebFrame::urlChanged, this, &BrowserPage::onUrlChanged);
    connect(mainFrame(), &QWebFrame::titleChanged, this, [this](const QString& title) {
        if (!owner_ || !owner_->onTitleChange) return;
        auto handler = owner_->onTitleChange;
        callSafely([&] { handler(title); });
    });
    connect(this, &QWebPage::linkHovered, this, [this](const QString& link, const QString&, const QString&) {
        if (!owner_ || !owner_->onStatusTextChange) return;
        auto handler = owner_->onStatusTextChange;
        callSafely([&] { handler(link); });
    });
    connect(this, &QWebPage::statusBarMessage, this, [this](const QString& text) {
        if (!owner_ || !owner_->onStatusTextChange) return;
        auto handler = owner_->onStatusTextChange;
        callSafely([&] { handler(text); });
    });
    connect(this, &QWebPage::unsupportedContent, this, &BrowserPage::onUnsupportedContent);
    connect(this, &QWebPage::windowCloseRequested, this, &BrowserPage::onWindowCloseRequested);
}

BrowserPage::~BrowserPage() {
    // The engine's page and its frames go after this body, and a load still running ends then with
    // the page's own signals: neither may reach this half-destroyed object.
    owner_ = nullptr;
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
    connect(frame, &QWebFrame::javaScriptWindowObjectCleared, this, [f] {
        if (f) ensureHooks(f);
    });
    connect(frame, &QWebFrame::initialLayoutCompleted, this, [f] {
        if (f) ensureHooks(f);
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

void BrowserPage::startNavigation(const Navigation& navigation, QWebFrame* frame) {
    busy_ = true;
    if (frame == mainFrame()) pending_ = navigation;
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
    {
        FrameState& state = frames_[frame];
        if (state.redirectTarget.isValid() && sameAddress(state.redirectTarget, request.url())) {
            state.redirectTarget = QUrl();
            return true;
        }
    }
    const bool top = frame == mainFrame();
    const bool ours = top && pending_ && sameAddress(pending_->url, request.url());
    // A reload repeats the loaded page without asking again.
    const bool reload = type == NavigationTypeReload || type == NavigationTypeFormResubmitted;
    bool cancel = false;
    if (!reload && owner_ && owner_->onBeforeNavigate2) {
        const QString headers = ours ? pending_->headersText : QString();
        const QByteArray post = ours ? pending_->postData : QByteArray();
        const QString target = top ? QString() : frame->frameName();
        auto handler = owner_->onBeforeNavigate2;
        QPointer<BrowserPage> self = this;
        QPointer<QWebFrame> alive = frame;
        ++callbackDepth;
        callSafely([&] { handler(addressText(request.url()), 0, target, post, headers, cancel); });
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
    frames_[frame].documentUrl = request.url();
    if (top) {
        activeHeaders_ = stillOurs ? pending_->headers : HeaderList();
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

bool BrowserPage::extension(Extension extension, const ExtensionOption* option, ExtensionReturn* output) {
    if (extension != ErrorPageExtension || !option || !output) return false;
    const auto* info = static_cast<const ErrorPageExtensionOption*>(option);
    auto* page = static_cast<ErrorPageExtensionReturn*>(output);
    if (info->frame != mainFrame()) return false;
    // 102 ends every navigation that became a download; cancellations are no failures.
    if (info->domain == WebKit && (info->error == 102 || info->error == 101)) return false;
    if (info->domain == QtNetwork && info->error == QNetworkReply::OperationCanceledError) return false;
    const QString address = addressText(info->url).toHtmlEscaped();
    const QString reason = info->errorString.toHtmlEscaped();
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
    if (owner_ && owner_->onNewWindow2) {
        auto handler = owner_->onNewWindow2;
        QPointer<BrowserPage> self = this;
        ++callbackDepth;
        callSafely([&] { handler(chosen, cancel); });
        if (self) --callbackDepth;
    }
    if (cancel) return nullptr;
    if (chosen) return chosen->page();
    // A window of its own, made and owned here.
    auto* browser = new WebBrowser(nullptr);
    browser->d_->standalone = true;
    g_standalone.append(browser);
    browser->widget()->installEventFilter(new StandaloneCloser(browser));
    browser->move(0, 0, ui::toTwips(800), ui::toTwips(600));
    QWidget* window = browser->widget();
    connect(browser->page()->mainFrame(), &QWebFrame::titleChanged, window,
            [window](const QString& title) { window->setWindowTitle(title); });
    browser->setVisible(true);
    return browser->page();
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
    const QRect screen = ui::services().screenTwips();
    ++callbackDepth;
    QPointer<BrowserPage> self = this;
    const QString text =
        ui::services().inputBox(msg, QString(), defaultValue, screen.width() / 2.6, screen.height() / 2.0);
    if (self) --callbackDepth;
    if (result) *result = text;
    return !text.isEmpty();
}

QString BrowserPage::chooseFile(QWebFrame*, const QString& oldFile) {
    return ui::services().openFileName(QString(), QString(), QFileInfo(oldFile).path());
}

void BrowserPage::onLoadStarted() {
    loading_ = true;
    busy_ = true;
}

void BrowserPage::onUrlChanged() {
    hasDocument_ = true;
    if (!owner_) return;
    raiseCommandStates(true);
    if (!owner_ || !owner_->onNavigateComplete2) return;
    auto handler = owner_->onNavigateComplete2;
    callSafely([&] { handler(addressText(frameAddress(mainFrame()))); });
}

void BrowserPage::onFrameLoadStarted(QWebFrame* frame) { frames_[frame].loading = true; }

void BrowserPage::onFrameLoadFinished(QWebFrame* frame, bool ok) {
    FrameState& state = frames_[frame];
    const bool wasLoading = state.loading;
    state.loading = false;
    state.documentUrl = QUrl();
    ensureHooks(frame);
    if (!wasLoading || !ok || !owner_ || !owner_->onDocumentComplete) return;
    auto handler = owner_->onDocumentComplete;
    callSafely([&] { handler(addressText(frameAddress(frame))); });
}

void BrowserPage::onLoadFinished(bool ok) {
    if (ok) hasDocument_ = true;
    loading_ = false;
    busy_ = false;
    frames_[mainFrame()].documentUrl = QUrl();
    bool errorPage = false;
    if (pendingErrorUrl_.isValid()) {
        errorRoot_ = mainFrame()->documentElement();
        errorUrl_ = pendingErrorUrl_;
        pendingErrorUrl_ = QUrl();
        errorPage = true;
    }
    ensureHooks(mainFrame());
    raiseCommandStates(false);
    if (!owner_) return;
    if (owner_->onDownloadComplete) {
        auto handler = owner_->onDownloadComplete;
        callSafely([&] { handler(); });
    }
    if (!(ok || errorPage) || !owner_ || !owner_->onDocumentComplete) return;
    auto handler = owner_->onDocumentComplete;
    callSafely([&] { handler(addressText(frameAddress(mainFrame()))); });
}

void BrowserPage::raiseCommandStates(bool always) {
    const int back = history()->canGoBack() ? 1 : 0;
    const int forward = history()->canGoForward() ? 1 : 0;
    const bool forwardChanged = always || forward != lastForward_;
    const bool backChanged = always || back != lastBack_;
    lastBack_ = back;
    lastForward_ = forward;
    if (forwardChanged && owner_ && owner_->onCommandStateChange) {
        auto handler = owner_->onCommandStateChange;
        callSafely([&] { handler(kCommandForward, forward == 1); });
    }
    if (backChanged && owner_ && owner_->onCommandStateChange) {
        auto handler = owner_->onCommandStateChange;
        callSafely([&] { handler(kCommandBack, back == 1); });
    }
}

void BrowserPage::onUnsupportedContent(QNetworkReply* reply) {
    if (!reply) return;
    bool cancel = false;
    if (owner_ && owner_->onFileDownload) {
        auto handler = owner_->onFileDownload;
        QPointer<BrowserPage> self = this;
        ++callbackDepth;
        callSafely([&] { handler(false, cancel); });
        if (self) --callbackDepth;
    }
    if (cancel) {
        reply->abort();
        reply->deleteLater();
        return;
    }
    const QString path = ui::services().saveFileName(kSaveAsTitle, suggestedDownloadName(reply));
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
    if (browser->onWindowClosing) {
        auto handler = browser->onWindowClosing;
        QPointer<BrowserPage> self = this;
        callSafely([&] { handler(false, cancel); });
        if (!self || !owner_) return;
    }
    if (cancel) return;
    // A window of its own closes; a browser inside a form is left to its form.
    if (browser->d_->standalone) {
        QTimer::singleShot(0, [browser] {
            if (g_standalone.removeOne(browser)) delete browser;
        });
    }
}

// ---------------------------------------------------------------------------------------------
// BrowserView

void BrowserView::contextMenuEvent(QContextMenuEvent* event) {
    Q_UNUSED(event);
    // The view has already given the page's handlers (the document sinks among them) their say and
    // arrived here only when none of them cancelled the menu.
    QPointer<BrowserPage> page = browserPage();
    QScopedPointer<QMenu> menu(page->createStandardContextMenu());
    if (!menu) return;
    ui::PopupRequest request;
    request.name = QStringLiteral("engine");
    QList<QAction*> actions;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible()) continue;
        ui::PopupItem item;
        item.id = actions.size();
        item.caption = action->isSeparator() ? QStringLiteral("-") : action->text();
        item.enabled = action->isEnabled();
        item.checked = action->isChecked();
        request.items.push_back(item);
        actions.append(action);
    }
    const int chosen = ui::services().popupMenu(request);
    if (page && chosen >= 0 && chosen < actions.size() && !actions[chosen]->isSeparator()) actions[chosen]->trigger();
}

void BrowserView::keyPressEvent(QKeyEvent* event) {
    const bool f5 = event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier;
    QPointer<BrowserPage> page = browserPage();
    if (f5) page->f5Cancelled = false;
    QWebView::keyPressEvent(event);
    if (f5 && page && !page->f5Cancelled) {
        page->triggerAction(QWebPage::Reload);
        event->accept();
    }
}

}  // namespace web
