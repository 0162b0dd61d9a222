#include "platform/ui/fontsubstitutes.h"

#include <QFont>
#include <QString>

namespace ui {

const char* const kSubstituteFont = "文泉驿微米黑";

void installFontSubstitutes() {
    const QString substitute = QString::fromUtf8(kSubstituteFont);
    for (const char* name : {"微软雅黑", "Microsoft YaHei"}) {
        const QString family = QString::fromUtf8(name);
        if (!QFont::substitutes(family).contains(substitute)) QFont::insertSubstitution(family, substitute);
    }
}

}  // namespace ui
