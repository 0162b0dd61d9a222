#pragma once
// The network layer under every page (web layer internal): an access manager that marks
// each frame's document request (so that a navigation's own headers and User-Agent reach that request
// and its redirect hops only), and a pass-through reply that records sizes and document bytes and adds
// the page-script switch to responses from the network.
#include <QByteArray>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QString>
#include <functional>

class QWebFrame;

namespace web {

class BrowserPage;

// Sizes in bytes of the responses read so far, by address text (shared by every page, as the engine's
// memory cache is). -1 when not known.
qint64 recordedSize(const QString& address);

// One access manager for every page, so that cookies and the cache are shared and a download goes
// on after the browser that started it is gone.
class NetworkManager : public QNetworkAccessManager {
    Q_OBJECT
public:
    static NetworkManager* shared();

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& request, QIODevice* outgoing) override;

private:
    using QNetworkAccessManager::QNetworkAccessManager;
};

// Forwards an inner reply unchanged, except for the additions described above.
class PassReply : public QNetworkReply {
    Q_OBJECT
public:
    // `documentFrame` is set for a frame's document request; `addScriptsOff` adds the page-script
    // switch to an http reply (local files keep their scripts).
    PassReply(QNetworkReply* inner, QWebFrame* documentFrame, bool addScriptsOff, QObject* parent);
    ~PassReply() override;

    void abort() override;
    void close() override;
    qint64 bytesAvailable() const override;
    bool isSequential() const override { return true; }
    void setReadBufferSize(qint64 size) override;
    void ignoreSslErrors() override;

    // Called when a frame's document response ends with a redirect: the hop's target.
    std::function<void(QWebFrame*, const QUrl&)> onDocumentRedirect;
    // Called when a frame's document response has been read whole.
    std::function<void(QWebFrame*, const QUrl&, const QByteArray&)> onDocumentBytes;

protected:
    qint64 readData(char* data, qint64 maxSize) override;

private:
    void copyMetaData();
    void onInnerFinished();
    void deliverIfDone();

    QNetworkReply* inner_;
    QPointer<QWebFrame> documentFrame_;
    bool addScriptsOff_;
    bool metaCopied_ = false;
    QByteArray captured_; // a document's bytes, for Save As and its size
    qint64 counted_ = 0;
    bool delivered_ = false;
};

}  // namespace web
