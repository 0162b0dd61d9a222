#include "platform/sys/shell.h"

#include "platform/rt/error.h"
#include "platform/sys/xdg.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace sys {

namespace {

// A path of the program's own form (folder plus a tail with backslashes) with native separators.
QString nativePath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QString canonical(const QString& file) { return QFileInfo(file).canonicalFilePath(); }

bool isSelf(const QString& file) {
    const QString self = canonical(QCoreApplication::applicationFilePath());
    return !self.isEmpty() && canonical(file) == self;
}

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

StartResult started() { return {true, QString()}; }

StartResult startEntry(Launcher& l, const xdg::DesktopEntry& entry, const QString& target) {
    const QStringList cmd = xdg::execCommand(entry, target);
    if (!cmd.isEmpty() && l.startProgram(cmd.first(), cmd.mid(1))) return started();
    return {};
}

// Starts the first of `names` found on PATH (not this program) with `arguments`.
bool startFirstFound(Launcher& l, const QStringList& names, const QStringList& arguments) {
    for (const QString& name : names) {
        const QString found = QStandardPaths::findExecutable(name);
        if (found.isEmpty() || isSelf(found)) continue;
        if (l.startProgram(found, arguments)) return true;
    }
    return false;
}

// A target in the program's own form: local paths get native separators.
QString nativeTarget(const QString& target) {
    return target.startsWith(QLatin1Char('/')) ? nativePath(target) : target;
}

Launcher*& installedLauncher() {
    static Launcher* current = nullptr;
    return current;
}

}  // namespace

QString nativeProgramPath(const QString& path) {
    const QString p = nativePath(path);
    if (p.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) && !QFileInfo::exists(p)) {
        const QString bare = p.left(p.size() - 4);
        if (QFileInfo::exists(bare)) return bare;
    }
    return p;
}

// ---- shortcut ----

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

// ---- shell ----

QString Shell::specialFolder(const QString& name) {
    if (name.compare(QLatin1String("Desktop"), Qt::CaseInsensitive) == 0) return xdg::desktopDir();
    return QString();
}

Shortcut Shell::createShortcut(const QString& path) { return Shortcut(path); }

// ---- launcher ----

bool Launcher::startSelf(const QStringList& arguments) {
    const QString self = QCoreApplication::applicationFilePath();
    if (self.isEmpty()) return false;
    return startProgram(self, arguments);
}

StartResult Launcher::openInOtherBrowser(const QString& target) {
    const QString t = nativeTarget(target);
    const xdg::DesktopEntry byDefault = xdg::defaultHandler(QStringLiteral("x-scheme-handler/http"));
    if (byDefault.isValid()) {
        if (!xdg::runsProgram(byDefault, QCoreApplication::applicationFilePath())) {
            if (startEntry(*this, byDefault, t)) return started();
        }
    } else if (startFirstFound(*this, {QStringLiteral("xdg-open")}, t.isEmpty() ? QStringList() : QStringList{t})) {
        return started();
    }
    const QStringList browsers{QStringLiteral("x-www-browser"), QStringLiteral("firefox"), QStringLiteral("firefox-esr"),
                               QStringLiteral("chromium"), QStringLiteral("chromium-browser")};
    if (startFirstFound(*this, browsers, t.isEmpty() ? QStringList() : QStringList{t})) return started();
    return {false, QStringLiteral("没有找到可以打开的其他浏览器")};
}

StartResult Launcher::startCalculator() {
    const QStringList calculators{QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                  QStringLiteral("galculator"), QStringLiteral("xcalc")};
    if (startFirstFound(*this, calculators, {})) return started();
    return {false, QStringLiteral("没有找到计算器程序（gnome-calculator、kcalc、galculator 或 xcalc）")};
}

StartResult Launcher::openInTextEditor(const QString& file) {
    const QString f = nativeTarget(file);
    const xdg::DesktopEntry byDefault = xdg::defaultHandler(QStringLiteral("text/plain"));
    if (byDefault.isValid() && !xdg::runsProgram(byDefault, QCoreApplication::applicationFilePath())) {
        if (startEntry(*this, byDefault, f)) return started();
    }
    const QStringList editors{QStringLiteral("gedit"),      QStringLiteral("gnome-text-editor"), QStringLiteral("mousepad"),
                              QStringLiteral("kate"),       QStringLiteral("kwrite"),            QStringLiteral("pluma"),
                              QStringLiteral("xed"),        QStringLiteral("featherpad"),        QStringLiteral("leafpad")};
    const QStringList args = f.isEmpty() ? QStringList() : QStringList{f};
    if (startFirstFound(*this, editors, args)) return started();
    if (!f.isEmpty() && startFirstFound(*this, {QStringLiteral("xdg-open")}, args)) return started();
    return {false, QStringLiteral("没有找到文本编辑器")};
}

bool ProcessLauncher::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool RecordingLauncher::startProgram(const QString& program, const QStringList& arguments) {
    if (refuseStarts) return false;
    starts.push_back({program, arguments});
    return true;
}

Launcher& launcher() {
    static ProcessLauncher real;
    Launcher* current = installedLauncher();
    return current ? *current : real;
}

void setLauncher(Launcher* l) { installedLauncher() = l; }

}  // namespace sys
