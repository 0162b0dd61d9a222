#pragma once
// The shell: special folders, desktop shortcuts (shortcut.h) and starting other programs (launcher.h),
// on the Linux desktop.
#include "platform/sys/launcher.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/shortcut.h"

#include <QString>

namespace sys {

class Shell {
public:
    // "Desktop" (any letter case) is the user's desktop folder (XDG_DESKTOP_DIR, else ~/Desktop), made
    // when it does not exist yet; any other name gives "".
    static QString specialFolder(const QString& name);
    static Shortcut createShortcut(const QString& path);
};

}  // namespace sys
