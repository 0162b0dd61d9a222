#include "platform/sys/shell.h"

#include "platform/sys/xdg.h"

namespace sys {

QString Shell::specialFolder(const QString& name) {
    if (name.compare(QLatin1String("Desktop"), Qt::CaseInsensitive) == 0) return xdg::desktopDir();
    return QString();
}

Shortcut Shell::createShortcut(const QString& path) { return Shortcut(path); }

}  // namespace sys
