#include "platform/ui/loadpicture.h"

#include "platform/rt/error.h"
#include "platform/sys/picturesize.h"
#include "platform/sys/programfolder.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace ui {

QPixmap loadPicture(const QString& programPath) {
    // Program paths are written with backslashes (program folder plus "\\pifu\\0.ico").
    const QString path = sys::nativePath(programPath);
    if (path.isEmpty() || !QFileInfo(path).isFile()) rt::raise(rt::FileNotFound, path);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) rt::raise(rt::InvalidPicture, path);
    // Nothing is decoded before the size is known to be one that can be shown.
    const QSize size = reader.size();
    if (!size.isValid()) rt::raise(rt::InvalidPicture, path);
    if (!sys::pictureSizeAllowed(reader)) rt::raise(rt::FileNotFound, path);
    const QImage image = reader.read();
    if (image.isNull()) rt::raise(rt::InvalidPicture, path);
    return QPixmap::fromImage(image);
}

QPixmap iconSized(const QPixmap& picture) {
    if (picture.width() <= kMaxIconSide && picture.height() <= kMaxIconSide) return picture;
    return picture.scaled(kMaxIconSide, kMaxIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap loadIcon(const QString& path) { return iconSized(loadPicture(path)); }

}  // namespace ui
