#include "platform/sys/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sys {
namespace {

QString& customFolder() {
    static QString folder;
    return folder;
}

QString withoutTrailingSeparators(QString folder) {
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    return folder;
}

}  // namespace

QString appPath() {
    if (!customFolder().isEmpty()) return customFolder();
    return withoutTrailingSeparators(QCoreApplication::applicationDirPath());
}

void setAppPath(const QString& folder) { customFolder() = withoutTrailingSeparators(nativePath(folder)); }

QString nativePath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

bool fileExists(const QString& path) {
    const QFileInfo info(nativePath(path));
    return info.exists() && !info.isDir();
}

bool folderExists(const QString& path) { return QFileInfo(nativePath(path)).isDir(); }

bool makeFolder(const QString& path) {
    if (folderExists(path)) return true;
    QDir().mkpath(nativePath(path));
    return folderExists(path);
}

QString nativeProgramPath(const QString& path) {
    const QString p = nativePath(path);
    if (p.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) && !QFileInfo::exists(p)) {
        const QString bare = p.left(p.size() - 4);
        if (QFileInfo::exists(bare)) return bare;
    }
    return p;
}

}  // namespace sys
