#pragma once
// The picture a page of the picture viewer shows: the first img element of the page.
#include "platform/web/document.h"

#include <QSize>

namespace media {

// The page's first img element; raises 91 when it has none.
web::Element picture(const web::Document& doc);
// The picture's own width and height in pixels; raises when the page has none or it could not be read.
QSize pictureSize(const web::Document& doc);

}  // namespace media
