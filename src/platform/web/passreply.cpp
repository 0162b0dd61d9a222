#include "platform/web/passreply.h"

#include "platform/web/responsesizes.h"

#include <QFileInfo>
#include <QWebFrame>

namespace web {

namespace {

const QByteArray kScriptsOffPolicy = "script-src 'none'";
const qint64 kMaxCapturedBytes = 32 * 1024 * 1024;

}  // namespace

PassReply::PassReply(QNetworkReply* inner, QWebFrame* documentFrame, bool addScriptsOff, QObject* parent)
    : QNetworkReply(parent), inner_(inner), documentFrame_(documentFrame), addScriptsOff_(addScriptsOff) {
    inner_->setParent(this);
    setRequest(inner_->request());
    setOperation(inner_->operation());
    setUrl(inner_->url());
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    connect(inner_, &QNetworkReply::metaDataChanged, this, [this] {
        copyMetaData();
        emit metaDataChanged();
    });
    connect(inner_, &QNetworkReply::readyRead, this, [this] {
        copyMetaData();
        emit readyRead();
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
    if (addScriptsOff_ && url().scheme().startsWith(QLatin1String("http"), Qt::CaseInsensitive)) {
        // A policy of our own beside any the server sent: both apply.
        const QByteArray existing = inner_->rawHeader("Content-Security-Policy");
        setRawHeader("Content-Security-Policy", existing.isEmpty() ? kScriptsOffPolicy : existing + ", " + kScriptsOffPolicy);
    }
}

qint64 PassReply::bytesAvailable() const {
    return QNetworkReply::bytesAvailable() + inner_->bytesAvailable();
}

qint64 PassReply::readData(char* data, qint64 maxSize) {
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

void PassReply::onInnerFinished() {
    copyMetaData();
    if (inner_->error() != QNetworkReply::NoError) setError(inner_->error(), inner_->errorString());
    const QVariant redirect = inner_->attribute(QNetworkRequest::RedirectionTargetAttribute);
    if (documentFrame_ && redirect.isValid() && onDocumentRedirect)
        onDocumentRedirect(documentFrame_, url().resolved(redirect.toUrl()));
    setFinished(true);
    // The size and the bytes are noted before the engine hears of the end: it may finish the page
    // (and the program read the size) inside its finished handler.
    deliverIfDone();
    if (inner_->error() != QNetworkReply::NoError) {
        emit errorOccurred(inner_->error());
#if QT_DEPRECATED_SINCE(5, 15)
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
        emit error(inner_->error());
QT_WARNING_POP
#endif
    }
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
