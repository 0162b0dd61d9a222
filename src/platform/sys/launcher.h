#pragma once
// Starting other programs: through one launcher service, which tests replace by a recording one;
// every program gets its arguments one by one, so an argument with blanks stays one argument.
#include <QString>
#include <QStringList>
#include <QVector>

namespace sys {

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
    // Opens a file (none: an empty document) in the desktop's text editor. With an `encoding` (a
    // character set name such as "GBK") the file goes to an editor that is told that encoding on its
    // command line: the desktop's text editor when it takes one, else the first installed editor that
    // does (gedit, pluma, xed, mousepad, kate, kwrite, leafpad); only when none is installed does it open
    // as without an encoding.
    StartResult openInTextEditor(const QString& file, const QString& encoding = QString());
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

}  // namespace sys
