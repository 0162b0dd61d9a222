#include "platform/web/localpicture.h"

#include <QByteArray>
#include <QFile>
#include <QMimeDatabase>

namespace web {

QString localPictureUrl(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    const QByteArray data = file.readAll();
    QString mime = QMimeDatabase().mimeTypeForFileNameAndData(path, data).name();
    if (!mime.startsWith(QLatin1String("image/"))) mime = QStringLiteral("application/octet-stream");
    return QStringLiteral("data:") + mime + QStringLiteral(";base64,") + QString::fromLatin1(data.toBase64());
}

}  // namespace web
