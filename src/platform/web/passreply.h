#pragma once
// A pass-through reply under every page (web layer internal): it records sizes and document bytes and
// adds the page-script switch to responses from the network; in a browser that runs no scripts at all
// it also makes local documents and SVG pictures scriptless (scriptless.h).
#include <QByteArray>
#include <QNetworkReply>
#include <QPointer>
#include <QUrl>
#include <functional>

class QWebFrame;

namespace web {

// Which page scripts a reply lets run.
enum class PageScripts {
    Run,         // all of them
    NetworkOff,  // none of documents from the network (the page-script switch)
    None,        // none at all (a browser that shows pictures only)
};

// Forwards an inner reply unchanged, except for the additions described at the top.
class PassReply : public QNetworkReply {
    Q_OBJECT
public:
    // `documentFrame` is set for a frame's document request. Unless `scripts` is Run, an http reply
    // gets the page-script switch (local files keep their scripts). With None, a local document of a
    // kind that runs scripts, and an SVG picture from anywhere, are rewritten (scriptlessDocument) and
    // held back until they are whole.
    PassReply(QNetworkReply* inner, QWebFrame* documentFrame, PageScripts scripts, QObject* parent);
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
    bool mustRewrite() const;
    QByteArray contentType() const;
    void finishRewritten();
    void emitError(QNetworkReply::NetworkError code);
    void onInnerFinished();
    void deliverIfDone();

    QNetworkReply* inner_;
    QPointer<QWebFrame> documentFrame_;
    PageScripts scripts_;
    bool rewrite_ = false;  // the document is served from `rewritten_` once whole
    QByteArray rewritten_;
    qint64 rewrittenRead_ = 0;
    bool metaCopied_ = false;
    QByteArray captured_; // a document's bytes, for Save As and its size
    qint64 counted_ = 0;
    bool delivered_ = false;
};

}  // namespace web
