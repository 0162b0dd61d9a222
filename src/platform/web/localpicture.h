#pragma once
// Local pictures inside pages.
#include <QString>

namespace web {

// A data: address holding the local picture file at `path`, usable in any page (the engine refuses
// local file addresses inside http pages). "" when the file can not be read.
QString localPictureUrl(const QString& path);

}  // namespace web
