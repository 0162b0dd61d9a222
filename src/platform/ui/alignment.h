#pragma once
// Alignment of captions and texts, as the controls take it and as Qt draws it.
#include <Qt>

namespace ui {

// Alignment of captions and texts.
enum Alignment : int { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

// The Qt alignment of an alignment number, with the vertical part given.
Qt::Alignment qtAlignment(int alignment, Qt::Alignment vertical);

}  // namespace ui
