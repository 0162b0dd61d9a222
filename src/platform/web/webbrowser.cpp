#include "platform/web/webbrowser.h"

#include "platform/rt/error.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"
#include "platform/web/bridge.h"
#include "platform/web/browserpage.h"
#include "platform/web/browserview.h"
#include "platform/web/downloadjob.h"
#include "platform/web/networkmanager.h"
#include "platform/web/switches.h"

#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QTextCodec>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebHistory>

#if __has_include("platform/sys/windows.h")
#include "platform/sys/windows.h"
#define ZV_HAS_WINDOW_TABLE 1
#endif

namespace web {

namespace {

QList<WebBrowser*> g_standalone;

}  // namespace

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

// "Name: value" lines as request headers. One header a line; values never carry a line break of
// their own.
HeaderList parseHeaders(const QString& headers) {
    HeaderList list;
    QString text = headers;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0) continue;
        const QByteArray name = line.left(colon).trimmed().toLatin1();
        if (name.isEmpty()) continue;
        QByteArray value = line.mid(colon + 1).trimmed().toUtf8();
        // An empty value still sends the header. The network layer puts an agent of its own in place
        // of an empty User-Agent, so that one goes as a single blank, which is no part of a value.
        if (value.isEmpty()) value = name.compare("User-Agent", Qt::CaseInsensitive) == 0 ? QByteArray(" ") : QByteArray("");
        list.append({name, value});
    }
    return list;
}

}  // namespace

// The page of a browser control: new windows and closing windows are the control's business.
class WebBrowser::Page : public BrowserPage {
public:
    using BrowserPage::BrowserPage;

protected:
    QWebPage* openWindow(WebBrowser* chosen) override {
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

    void closeWindow(WebBrowser* browser) override {
        if (browser->d_->standalone) {
            QTimer::singleShot(0, [browser] {
                if (g_standalone.removeOne(browser)) delete browser;
            });
        }
    }
};

QList<WebBrowser*> standaloneWindows() { return g_standalone; }

WebBrowser::WebBrowser(QWidget* parent) : ui::Control(makeHost(parent)), d_(new Private) {
    initEngineSettings();
    d_->host = widget();
    auto* layout = new QVBoxLayout(d_->host);
    layout->setContentsMargins(0, 0, 0, 0);
    d_->view = new BrowserView(d_->host);
    d_->page = new Page(this, this, &array_, NetworkManager::shared(), d_->view);
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
    nav.headers = parseHeaders(headers);
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
    {
        NetworkManager::StartAtOnce startAtOnce;
        d_->page->startNavigation(nav, frame);
    }
    // The request is on its way; no content of the page is decoded before the event loop turns.
    applyDefaultTextEncoding();
}

void WebBrowser::setNewWindowHeaders(const QString& headers) {
    d_->page->setNewWindowHeaders(parseHeaders(headers), headers);
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
        QString name = cleanFileName(QFileInfo(frame->url().path()).fileName());
        if (name.isEmpty()) name = cleanFileName(locationName());
        if (name.isEmpty()) name = QStringLiteral("page");
        if (!name.contains(QLatin1Char('.'))) name += QStringLiteral(".html");
        const QString path = askSavePath(name, QStringLiteral("保存失败，不能保存到程序自己的文件夹："));
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
            ui::refuse(QStringLiteral("保存失败：") + path);
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
        const QString text = ui::askInInputBox(QStringLiteral("查找内容"), QStringLiteral("查找"), QString());
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

bool WebBrowser::userGesture() const { return d_->page->userGesture(); }

bool WebBrowser::silent() const { return d_->page->silent; }

void WebBrowser::setSilent(bool silent) { d_->page->silent = silent; }

bool WebBrowser::runsNoScripts() const { return d_->page->runsNoScripts; }

void WebBrowser::setRunsNoScripts(bool on) { d_->page->runsNoScripts = on; }

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

}  // namespace web
