#include "platform/sys/launcher.h"

#include "platform/sys/programfolder.h"
#include "platform/sys/xdg.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace sys {

namespace {

QString canonical(const QString& file) { return QFileInfo(file).canonicalFilePath(); }

bool isSelf(const QString& file) {
    const QString self = canonical(QCoreApplication::applicationFilePath());
    return !self.isEmpty() && canonical(file) == self;
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

// Text editors that take the encoding of the files they open on their command line, and how.
struct EncodingEditor {
    const char* program;
    const char* option;  // followed directly by the encoding's name
};
const EncodingEditor kEncodingEditors[] = {
    {"gedit", "--encoding="}, {"pluma", "--encoding="},  {"xed", "--encoding="},     {"mousepad", "--encoding="},
    {"kate", "--encoding="},  {"kwrite", "--encoding="}, {"leafpad", "--codeset="},
};

// The encoding option of the editor `program` (a name or a path) for `encoding`; "" when it takes none.
QString encodingOption(const QString& program, const QString& encoding) {
    const QString name = QFileInfo(program).fileName();
    for (const EncodingEditor& e : kEncodingEditors)
        if (name == QLatin1String(e.program)) return QLatin1String(e.option) + encoding;
    return QString();
}

// Opens `file` with the desktop's text editor, or else an installed one, told `encoding`; false when
// no editor that takes an encoding could be started.
bool startEditorWithEncoding(Launcher& l, const xdg::DesktopEntry& byDefault, const QString& file,
                             const QString& encoding) {
    if (byDefault.isValid() && !xdg::runsProgram(byDefault, QCoreApplication::applicationFilePath())) {
        QStringList cmd = xdg::execCommand(byDefault, file);
        if (!cmd.isEmpty()) {
            const QString option = encodingOption(cmd.first(), encoding);
            if (!option.isEmpty()) {
                cmd.insert(1, option);
                if (l.startProgram(cmd.first(), cmd.mid(1))) return true;
            }
        }
    }
    for (const EncodingEditor& e : kEncodingEditors) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(e.program));
        if (found.isEmpty() || isSelf(found)) continue;
        QStringList args{encodingOption(found, encoding)};
        if (!file.isEmpty()) args << file;
        if (l.startProgram(found, args)) return true;
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

StartResult Launcher::openInTextEditor(const QString& file, const QString& encoding) {
    const QString f = nativeTarget(file);
    const xdg::DesktopEntry byDefault = xdg::defaultHandler(QStringLiteral("text/plain"));
    if (!encoding.isEmpty() && startEditorWithEncoding(*this, byDefault, f, encoding)) return started();
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
