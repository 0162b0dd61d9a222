#pragma once
#include <QPixmap>
#include <QString>

namespace ui {

// Loads a picture file (any format Qt reads, icons included). Raises "file not found" (53) for a
// missing file and "invalid picture" (481) for one that is no picture.
QPixmap loadPicture(const QString& path);

}  // namespace ui
