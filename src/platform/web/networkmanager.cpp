#include "platform/web/networkmanager.h"

#include "platform/web/browserpage.h"
#include "platform/web/passreply.h"
#include "platform/web/switches.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWebFrame>

namespace web {

NetworkManager* NetworkManager::shared() {
    // Lives as long as the process: tearing it down while the application object goes away races with
    // the network's own threads, and there is nothing to save in it.
    static NetworkManager* manager = new NetworkManager(nullptr);
    return manager;
}

QNetworkReply* NetworkManager::createRequest(Operation op, const QNetworkRequest& original, QIODevice* outgoing) {
    QNetworkRequest request(original);
    QWebFrame* frame = qobject_cast<QWebFrame*>(request.originatingObject());
    QPointer<BrowserPage> page = frame ? qobject_cast<BrowserPage*>(frame->page()) : nullptr;
    const bool document = page && page->prepareRequest(frame, request);
    QNetworkReply* inner = QNetworkAccessManager::createRequest(op, request, outgoing);
    const QString scheme = request.url().scheme();
    if (startAtOnce_ && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))) toStart_ << inner;
    // A synchronous request must come back finished; it is passed on as it is.
    if (request.attribute(QNetworkRequest::SynchronousRequestAttribute).toBool()) return inner;
    const PageScripts scripts = page && page->runsNoScripts ? PageScripts::None
                                : engineSwitches().scriptsOff    ? PageScripts::NetworkOff
                                                                 : PageScripts::Run;
    auto* reply = new PassReply(inner, document ? frame : nullptr, scripts, this);
    if (document) {
        reply->onDocumentRedirect = [page](QWebFrame* f, const QUrl& target) {
            if (page) page->documentRedirected(f, target);
        };
        reply->onDocumentBytes = [page](QWebFrame* f, const QUrl& url, const QByteArray& bytes) {
            if (page) page->documentRead(f, url, bytes);
        };
    }
    return reply;
}

NetworkManager::StartAtOnce::StartAtOnce() : outer_(!shared()->startAtOnce_) { shared()->startAtOnce_ = true; }

NetworkManager::StartAtOnce::~StartAtOnce() {
    if (!outer_) return;
    NetworkManager* manager = shared();
    manager->startAtOnce_ = false;
    // A web reply queues its own start to itself when it is made; only the calls queued by now run
    // (what they queue in turn waits for the loop), so no data reaches the engine from here.
    const QVector<QPointer<QNetworkReply>> replies = std::move(manager->toStart_);
    manager->toStart_.clear();
    for (const QPointer<QNetworkReply>& reply : replies) {
        if (reply) QCoreApplication::sendPostedEvents(reply, QEvent::MetaCall);
    }
}

}  // namespace web
