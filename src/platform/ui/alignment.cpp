#include "platform/ui/alignment.h"

namespace ui {

Qt::Alignment qtAlignment(int alignment, Qt::Alignment vertical) {
    switch (alignment) {
    case vbRightJustify: return Qt::AlignRight | vertical;
    case vbCenter: return Qt::AlignHCenter | vertical;
    default: return Qt::AlignLeft | vertical;
    }
}

}  // namespace ui
