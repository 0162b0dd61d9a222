#include "platform/web/downloadjob.h"

#include "platform/ui/services.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTimer>

#include <algorithm>

namespace web {

namespace {

// The last part of a name a server sent, taken after its last "/" or "\\" (a name is never a path),
// empty for "." and "..".
QString bareName(const QString& name) {
    const int cut = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    const QString bare = name.mid(cut + 1);
    return bare == QLatin1String(".") || bare == QLatin1String("..") ? QString() : bare;
}

}  // namespace

QString suggestedDownloadName(QNetworkReply* reply) {
    const QByteArray disposition = reply->rawHeader("Content-Disposition");
    QRegularExpression star(QStringLiteral("filename\\*\\s*=\\s*(?:UTF-8|utf-8)''([^;]+)"));
    auto m = star.match(QString::fromLatin1(disposition));
    if (m.hasMatch()) {
        const QString name = bareName(QUrl::fromPercentEncoding(m.captured(1).trimmed().toLatin1()));
        if (!name.isEmpty()) return name;
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
        name = bareName(name);
        if (!name.isEmpty()) return name;
    }
    const QString fromUrl = bareName(reply->url().path());
    return fromUrl.isEmpty() ? QStringLiteral("download") : fromUrl;
}

DownloadJob::DownloadJob(QNetworkReply* reply, const QString& path) : reply_(reply), file_(path) {
    if (!file_.open(QIODevice::WriteOnly)) {
        failed_ = true;
        reply_->abort();
    }
    connect(reply_, &QNetworkReply::readyRead, this, [this] { pump(); });
    connect(reply_, &QNetworkReply::finished, this, [this] { finish(); });
    pump();
    if (reply_->isFinished()) QTimer::singleShot(0, this, [this] { finish(); });
}

void DownloadJob::pump() {
    if (failed_ || !reply_) return;
    const QByteArray data = reply_->readAll();
    if (!data.isEmpty() && file_.write(data) != data.size()) {
        failed_ = true;
        reply_->abort();
    }
}

void DownloadJob::finish() {
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

}  // namespace web
