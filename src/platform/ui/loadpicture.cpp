#include "platform/ui/loadpicture.h"

#include "platform/rt/error.h"
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
    const QImage image = reader.read();
    if (image.isNull()) rt::raise(rt::InvalidPicture, path);
    return QPixmap::fromImage(image);
}

}  // namespace ui
