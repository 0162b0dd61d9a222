#pragma once
// A whole program in a temporary program folder (a copy of the shipped data), with a temporary home,
// scripted dialogs, a manual clock and recorded program starts. Tests drive it as a person would and
// look at what a person would see: files written, captions, boxes shown, requests sent.
#include "support/scripted_services.h"
#include "support/waits.h"

#include "program.h"
#include "platform/sys/shell.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

class Form1;
class Form4;

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the program and runs its start (the folder check, the shortcut, the main window's load)
    // as the process does; the window is shown unless `show` is false. Returns what start returned.
    bool start(const QString& commandLine = QString(), bool show = true);
    // Ends the program as the process end does (its windows and parts are gone), so the next start()
    // is a new start of the program in the same folder and home.
    void stop();
    // Makes the program without starting it: the subsystems are wired, nothing is loaded.
    Program& make(const QString& commandLine = QString());

    Form1& f1();
    Form4& f4();
    Program& program() { return *program_; }

    // The program folder followed by a tail such as "\\txt\\应用.txt".
    QString path(const QString& tail) const;
    QString setting(const QString& key) const;
    void setSetting(const QString& key, const QString& value);
    QString fgSetting(const QString& key) const;
    void setFgSetting(const QString& key, const QString& value);

    // Runs the event loop until `done` holds, giving up after the generous limit of support/waits.h;
    // returns whether it holds. For what must not happen use waits::settle or waits::happensWithin.
    static bool waitFor(const std::function<bool()>& done, int ms = waits::kMustHappenMs);

    ScriptedServices services;
    ManualClock clock;
    sys::RecordingLauncher launcher;
    QTemporaryDir folder;  // the program folder
    QTemporaryDir home;    // HOME and the XDG folders

private:
    std::unique_ptr<Program> program_;
    QByteArray oldHome_, oldConfig_, oldData_, oldPath_;
};
