#include "forms/skinpicture.h"

#include "platform/sys/picturesize.h"
#include "platform/sys/programfolder.h"

#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

namespace forms {

bool isSkinPictureFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") || suffix == QLatin1String("gif") ||
           suffix == QLatin1String("bmp");
}

QString skinPictureFilter() { return QStringLiteral("*.gif *.bmp *.jpg *.jpeg"); }

QString skinBackground(const QString& path) {
    if (path == QString::fromUtf8(kNoSkin)) return QString();
    QImageReader reader(sys::nativePath(path));
    reader.setDecideFormatFromContent(true);
    if (reader.canRead() && !sys::pictureSizeAllowed(reader)) return QString();
    if (path.isEmpty()) return QString();
    // A file address, so that "#", "?" and "%" in the path stay part of the file's name.
    return QUrl::fromLocalFile(QFileInfo(sys::nativePath(path)).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

}  // namespace forms
