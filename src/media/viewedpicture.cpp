#include "media/viewedpicture.h"

#include "platform/rt/error.h"

namespace media {

web::Element picture(const web::Document& doc) {
    const QList<web::Element> pictures = doc.getElementsByTagName(QStringLiteral("img"));
    if (pictures.isEmpty()) rt::raise(rt::ObjectVariableNotSet, QStringLiteral("img"));
    return pictures.first();
}

QSize pictureSize(const web::Document& doc) {
    const web::Element p = picture(doc);
    const QSize size(p.naturalWidth(), p.naturalHeight());
    // A picture that could not be read has no size of its own.
    if (size.width() <= 0 || size.height() <= 0) rt::raise(rt::InvalidPicture);
    return size;
}

}  // namespace media
