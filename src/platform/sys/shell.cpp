#include "platform/sys/shell.h"

#include "platform/sys/xdg.h"

#include <QDir>

namespace sys {

QString Shell::specialFolder(const QString& name) {
    if (name.compare(QLatin1String("Desktop"), Qt::CaseInsensitive) != 0) return QString();
    // The desktop folder is always there on the design platform; a fresh account here may lack it.
    const QString desktop = xdg::desktopDir();
    QDir().mkpath(desktop);
    return desktop;
}

Shortcut Shell::createShortcut(const QString& path) { return Shortcut(path); }

}  // namespace sys
