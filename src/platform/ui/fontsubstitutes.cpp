#include "platform/ui/fontsubstitutes.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace ui {

const char* const kSubstituteFonts[2] = {"Noto Sans CJK SC", "文泉驿微米黑"};

void installFontSubstitutes() {
    QStringList substitutes;
    for (const char* name : kSubstituteFonts) substitutes << QString::fromUtf8(name);
    for (const char* name : {"微软雅黑", "Microsoft YaHei"}) {
        const QString family = QString::fromUtf8(name);
        // The toolkit tries the substitutes in their order and takes the first one installed.
        QFont::removeSubstitutions(family);
        QFont::insertSubstitutions(family, substitutes);
    }
}

}  // namespace ui
