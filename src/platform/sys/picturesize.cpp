#include "platform/sys/picturesize.h"

#include <QImageReader>

namespace sys {

bool pictureSizeAllowed(const QSize& size) {
    if (!size.isValid() || size.isEmpty()) return false;
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return false;
    return static_cast<long long>(size.width()) * size.height() <= kMaxPicturePixels;
}

bool pictureSizeAllowed(QImageReader& reader) { return pictureSizeAllowed(reader.size()); }

}  // namespace sys
