#pragma once
// A pass-through reply under every page (web layer internal): it records sizes and document bytes and
// adds the page-script switch to responses from the network.
#include <QByteArray>
#include <QNetworkReply>
#include <QPointer>
#include <QUrl>
#include <functional>

class QWebFrame;

namespace web {

// Forwards an inner reply unchanged, except for the additions described at the top.
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
