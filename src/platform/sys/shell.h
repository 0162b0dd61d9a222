#pragma once
// The shell: special folders, desktop shortcuts and starting other programs, on the Linux desktop.
//
// A shortcut named "….lnk" is written as a freedesktop launcher "….desktop" beside it (executable, and
// marked trusted with `gio` when that tool is installed). Other programs start through one launcher
// service, which tests replace by a recording one; every program gets its arguments one by one, so an
// argument with blanks stays one argument.
#include <QString>
#include <QStringList>
#include <QVector>

namespace sys {

// A desktop shortcut. Made by `Shell::createShortcut`, which loads the launcher when it exists already,
// so fields that are not set keep their values; `save()` writes it.
class Shortcut {
public:
    explicit Shortcut(const QString& path);

    // The launcher file written: the path with native separators and ".desktop" in place of ".lnk".
    QString fullName() const { return file_; }

    QString targetPath() const { return target_; }
    void setTargetPath(const QString& path) { target_ = path; }
    // "file" or "file,index"; an .ico picture is converted to a PNG picture for the launcher.
    QString iconLocation() const { return icon_; }
    void setIconLocation(const QString& location) { icon_ = location; }
    QString workingDirectory() const { return workingDirectory_; }
    void setWorkingDirectory(const QString& folder) { workingDirectory_ = folder; }
    QString description() const { return description_; }
    void setDescription(const QString& text) { description_ = text; }
    // Kept for the caller; a launcher has no hot key.
    QString hotkey() const { return hotkey_; }
    void setHotkey(const QString& keys) { hotkey_ = keys; }
    // The arguments of a launcher that existed, as written in its Exec line; kept on save.
    QString arguments() const { return arguments_; }

    // Writes the launcher. Raises rt::PathNotFound when its folder does not exist and
    // rt::PermissionDenied when it cannot be written.
    void save();

private:
    QString file_;
    QString target_;
    QString arguments_;
    QString icon_;
    QString workingDirectory_;
    QString description_;
    QString hotkey_;
};

class Shell {
public:
    // "Desktop" (any letter case) is the user's desktop folder; any other name gives "".
    static QString specialFolder(const QString& name);
    static Shortcut createShortcut(const QString& path);
};

// What a start of another program came to: `started`, or a message for the user saying why not.
struct StartResult {
    bool started = false;
    QString message;
    explicit operator bool() const { return started; }
};

class Launcher {
public:
    virtual ~Launcher() = default;

    // Starts `program` (a name looked up on PATH, or a path) with `arguments`, each passed as one
    // argument, without waiting for it. False when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;

    // Starts this program's executable again with `arguments`.
    bool startSelf(const QStringList& arguments = {});
    // Opens an address or a local file in a web browser other than this program: the desktop's
    // default browser, else an installed browser.
    StartResult openInOtherBrowser(const QString& target);
    // Starts a calculator found on PATH.
    StartResult startCalculator();
    // Opens a file (none: an empty document) in the desktop's text editor.
    StartResult openInTextEditor(const QString& file);
};

// Starts programs for real (QProcess::startDetached).
class ProcessLauncher : public Launcher {
public:
    bool startProgram(const QString& program, const QStringList& arguments) override;
};

// Records every start instead of running it; `refuseStarts` makes each start fail.
class RecordingLauncher : public Launcher {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };
    bool startProgram(const QString& program, const QStringList& arguments) override;

    QVector<Start> starts;
    bool refuseStarts = false;
};

// The launcher in use; the real one unless a test installed another.
Launcher& launcher();
// Installs a launcher (not owned); nullptr restores the real one.
void setLauncher(Launcher* launcher);

// A program path as written in this program's Windows-style form (backslashes, "….exe") turned into the
// native path of the file that exists: separators made native, and ".exe" dropped when only the file
// without it exists.
QString nativeProgramPath(const QString& path);

}  // namespace sys
