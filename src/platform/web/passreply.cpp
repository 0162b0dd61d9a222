#include "platform/web/passreply.h"

#include "platform/web/responsesizes.h"
#include "platform/web/scriptless.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebFrame>

#include <cstring>

namespace web {

namespace {

const qint64 kMaxCapturedBytes = 32 * 1024 * 1024;

bool isHttp(const QUrl& url) { return url.scheme().startsWith(QLatin1String("http"), Qt::CaseInsensitive); }

bool isSvg(const QByteArray& contentType) {
    return contentType.split(';').first().trimmed().toLower() == "image/svg+xml";
}

}  // namespace

PassReply::PassReply(QNetworkReply* inner, QWebFrame* documentFrame, PageScripts scripts, QObject* parent)
    : QNetworkReply(parent), inner_(inner), documentFrame_(documentFrame), scripts_(scripts) {
    inner_->setParent(this);
    setRequest(inner_->request());
    setOperation(inner_->operation());
    setUrl(inner_->url());
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    // A rewritten document reaches the engine only when it is whole.
    connect(inner_, &QNetworkReply::metaDataChanged, this, [this] {
        copyMetaData();
        if (!rewrite_) emit metaDataChanged();
    });
    connect(inner_, &QNetworkReply::readyRead, this, [this] {
        copyMetaData();
        if (!rewrite_) emit readyRead();
    });
    connect(inner_, &QNetworkReply::downloadProgress, this, &QNetworkReply::downloadProgress);
    connect(inner_, &QNetworkReply::uploadProgress, this, &QNetworkReply::uploadProgress);
#ifndef QT_NO_SSL
    connect(inner_, &QNetworkReply::sslErrors, this, &QNetworkReply::sslErrors);
#endif
    connect(inner_, &QNetworkReply::finished, this, &PassReply::onInnerFinished);
}

PassReply::~PassReply() = default;

void PassReply::copyMetaData() {
    if (metaCopied_) return;
    metaCopied_ = true;
    for (const auto& pair : inner_->rawHeaderPairs()) setRawHeader(pair.first, pair.second);
    static const QNetworkRequest::Attribute attributes[] = {
        QNetworkRequest::HttpStatusCodeAttribute,    QNetworkRequest::HttpReasonPhraseAttribute,
        QNetworkRequest::RedirectionTargetAttribute, QNetworkRequest::ConnectionEncryptedAttribute,
        QNetworkRequest::SourceIsFromCacheAttribute, QNetworkRequest::HttpPipeliningWasUsedAttribute,
        QNetworkRequest::Http2WasUsedAttribute,
    };
    for (auto attribute : attributes) {
        const QVariant value = inner_->attribute(attribute);
        if (value.isValid()) setAttribute(attribute, value);
    }
    // The page-script switch is the Internet zone's: it reaches documents from the network only, and
    // the program's own local pages keep their scripts.
    if (scripts_ != PageScripts::Run && isHttp(url())) {
        // A policy of our own beside any the server sent: both apply.
        const QByteArray existing = inner_->rawHeader("Content-Security-Policy");
        setRawHeader("Content-Security-Policy", existing.isEmpty() ? kScriptsOffPolicy : existing + ", " + kScriptsOffPolicy);
    }
    rewrite_ = mustRewrite();
}

// The document's content type: the reply's, or for a local file the one its name tells.
QByteArray PassReply::contentType() const {
    const QByteArray type = inner_->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    if (!type.isEmpty() || isHttp(url())) return type;
    return QMimeDatabase().mimeTypeForFile(url().path(), QMimeDatabase::MatchExtension).name().toLatin1();
}

// In a browser that runs no scripts: the engine takes the policy from http replies only, so a local
// document that could run scripts is rewritten; an SVG picture is, from anywhere, so that it is shown
// as a picture.
bool PassReply::mustRewrite() const {
    if (!documentFrame_ || scripts_ != PageScripts::None) return false;
    const QByteArray type = contentType();
    if (isHttp(url())) return inner_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200 && isSvg(type);
    return isScriptable(type);
}

qint64 PassReply::bytesAvailable() const {
    if (rewrite_) return QNetworkReply::bytesAvailable() + (rewritten_.size() - rewrittenRead_);
    return QNetworkReply::bytesAvailable() + inner_->bytesAvailable();
}

qint64 PassReply::readData(char* data, qint64 maxSize) {
    if (rewrite_) {
        const qint64 n = qMin(maxSize, rewritten_.size() - rewrittenRead_);
        if (n <= 0) return isFinished() ? -1 : 0;
        std::memcpy(data, rewritten_.constData() + rewrittenRead_, size_t(n));
        rewrittenRead_ += n;
        return n;
    }
    const qint64 n = inner_->read(data, maxSize);
    if (n > 0) {
        counted_ += n;
        if (documentFrame_ && captured_.size() + n <= kMaxCapturedBytes) captured_.append(data, static_cast<int>(n));
    }
    deliverIfDone();
    if (n <= 0) return inner_->isFinished() ? -1 : 0;
    return n;
}

void PassReply::deliverIfDone() {
    if (delivered_ || !inner_->isFinished() || inner_->bytesAvailable() > 0) return;
    delivered_ = true;
    if (inner_->error() != QNetworkReply::NoError) return;
    if (inner_->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid()) return;
    // A revalidation answered "not modified" carries no body: the engine shows its cached copy, whose
    // size and bytes were noted when it arrived.
    if (inner_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 304) return;
    qint64 size = counted_;
    if (url().isLocalFile()) size = QFileInfo(url().toLocalFile()).size();
    recordSize(url(), size);
    if (documentFrame_ && onDocumentBytes) onDocumentBytes(documentFrame_, url(), captured_);
}

void PassReply::emitError(QNetworkReply::NetworkError code) {
    emit errorOccurred(code);
#if QT_DEPRECATED_SINCE(5, 15)
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    emit error(code);
QT_WARNING_POP
#endif
}

// A rewritten document, whole: its type and length set, its size and bytes noted, then the engine told.
void PassReply::finishRewritten() {
    const QNetworkReply::NetworkError failure = inner_->error();
    if (failure == QNetworkReply::NoError) {
        const RewrittenDocument d = scriptlessDocument(url(), contentType(), inner_->readAll());
        rewritten_ = d.bytes;
        setHeader(QNetworkRequest::ContentTypeHeader, d.contentType);
        setHeader(QNetworkRequest::ContentLengthHeader, rewritten_.size());
    } else {
        setError(failure, inner_->errorString());
    }
    setFinished(true);
    delivered_ = true;
    if (failure == QNetworkReply::NoError) {
        recordSize(url(), rewritten_.size());
        if (documentFrame_ && onDocumentBytes) onDocumentBytes(documentFrame_, url(), rewritten_);
    }
    emit metaDataChanged();
    if (!rewritten_.isEmpty()) emit readyRead();
    if (failure != QNetworkReply::NoError) emitError(failure);
    emit finished();
}

void PassReply::onInnerFinished() {
    copyMetaData();
    if (rewrite_) {
        finishRewritten();
        return;
    }
    if (inner_->error() != QNetworkReply::NoError) setError(inner_->error(), inner_->errorString());
    const QVariant redirect = inner_->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (documentFrame_ && redirect.isValid() && onDocumentRedirect)
        onDocumentRedirect(documentFrame_, url().resolved(redirect.toUrl()));
    setFinished(true);
    // The size and the bytes are noted before the engine hears of the end: it may finish the page
    // (and the program read the size) inside its finished handler.
    deliverIfDone();
    if (inner_->error() != QNetworkReply::NoError) emitError(inner_->error());
    emit finished();
    deliverIfDone();
}

void PassReply::abort() {
    inner_->abort();
}

void PassReply::close() {
    inner_->close();
    QNetworkReply::close();
}

void PassReply::setReadBufferSize(qint64 size) {
    QNetworkReply::setReadBufferSize(size);
    inner_->setReadBufferSize(size);
}

void PassReply::ignoreSslErrors() { inner_->ignoreSslErrors(); }

}  // namespace web
