#include "platform/sys/shortcut.h"

#include "platform/rt/error.h"
#include "platform/sys/launcher.h"
#include "platform/sys/picturesize.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/xdg.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace sys {

namespace {

// Where the first word of an Exec value ends (quotes respected).
int firstWordEnd(const QString& exec) {
    int i = 0;
    while (i < exec.size() && exec[i].isSpace()) ++i;
    bool inQuotes = false;
    for (; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes && c == QLatin1Char('\\') && i + 1 < exec.size()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('"')) inQuotes = !inQuotes;
        else if (!inQuotes && c.isSpace()) break;
    }
    return i;
}

QImage largestImage(const QString& file) {
    QImageReader reader(file);
    QImage best;
    const int count = qMax(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        if (!pictureSizeAllowed(reader)) continue;  // too large to decode, or of no size it tells
        const QImage img = reader.read();
        if (!img.isNull() && (best.isNull() || img.width() * img.height() > best.width() * best.height())) best = img;
    }
    return best;
}

bool savePng(const QImage& img, const QString& file) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (!img.save(&f, "PNG")) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// The picture a launcher shows for an icon location: an .ico file is converted to a PNG file beside
// it (or, when that folder is not writable, under the user's data folder); other pictures as they are.
QString launcherIcon(const QString& location) {
    QString p = location.trimmed();
    p.remove(QRegularExpression(QStringLiteral(",\\s*-?\\d+$")));
    p = nativePath(p);
    const QFileInfo ico(p);
    if (!p.endsWith(QLatin1String(".ico"), Qt::CaseInsensitive) || !ico.isFile()) return p;
    const QString png = p.left(p.size() - 4) + QStringLiteral(".png");
    const QString spare = xdg::dataHome() + QStringLiteral("/zelvaro/icons/") + ico.completeBaseName() + QStringLiteral(".png");
    for (const QString& candidate : {png, spare}) {
        const QFileInfo done(candidate);
        if (done.isFile() && done.lastModified() >= ico.lastModified()) return candidate;
    }
    const QImage img = largestImage(p);
    if (img.isNull()) return p;
    for (const QString& candidate : {png, spare}) {
        if (savePng(img, candidate)) return candidate;
    }
    return p;
}

}  // namespace

Shortcut::Shortcut(const QString& path) {
    file_ = nativePath(path);
    if (file_.endsWith(QLatin1String(".lnk"), Qt::CaseInsensitive)) file_ = file_.left(file_.size() - 4) + QStringLiteral(".desktop");
    const xdg::DesktopEntry existing = xdg::readDesktopEntry(file_);
    if (!existing.isValid()) return;
    const QStringList words = xdg::execCommand(existing);
    if (!words.isEmpty()) target_ = words.first();
    arguments_ = existing.exec.mid(firstWordEnd(existing.exec)).trimmed();
    icon_ = existing.icon;
    workingDirectory_ = existing.path;
    description_ = existing.comment;
}

void Shortcut::save() {
    const QFileInfo info(file_);
    if (!info.absoluteDir().exists()) rt::raise(rt::PathNotFound, QStringLiteral("文件夹不存在：") + info.absolutePath());

    QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    text += QStringLiteral("Name=") + xdg::escapeValue(info.completeBaseName()) + QLatin1Char('\n');
    if (!description_.isEmpty()) text += QStringLiteral("Comment=") + xdg::escapeValue(description_) + QLatin1Char('\n');
    if (!target_.isEmpty()) {
        QString exec = xdg::execArgumentForFile(nativeProgramPath(target_));
        if (!arguments_.isEmpty()) exec += QLatin1Char(' ') + xdg::escapeValue(arguments_);
        text += QStringLiteral("Exec=") + exec + QLatin1Char('\n');
    }
    if (!workingDirectory_.isEmpty()) text += QStringLiteral("Path=") + xdg::escapeValue(nativePath(workingDirectory_)) + QLatin1Char('\n');
    if (!icon_.isEmpty()) text += QStringLiteral("Icon=") + xdg::escapeValue(launcherIcon(icon_)) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n");

    if (!xdg::writeTextFile(file_, text)) rt::raise(rt::PermissionDenied, QStringLiteral("无法写入 ") + file_);
    QFile::setPermissions(file_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                                     QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup |
                                     QFile::ReadOther | QFile::ExeOther);
    // File managers that show desktop launchers ask before running one that is not marked trusted.
    if (!QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty()) {
        launcher().startProgram(QStringLiteral("gio"),
                                {QStringLiteral("set"), file_, QStringLiteral("metadata::trusted"), QStringLiteral("true")});
    }
}

}  // namespace sys
