#pragma once
// A temporary home for tests of the desktop stand-ins: HOME, the XDG folders and PATH point into a
// temporary folder while the fixture lives, and are restored after it.
#include "platform/sys/registry.h"
#include "platform/sys/shell.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <string>

class TempHome : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS",
                                 "XDG_CURRENT_DESKTOP", "PATH"}) {
            saved_[name] = {qEnvironmentVariableIsSet(name), qgetenv(name)};
        }
        home = dir_.path() + "/home";
        bin = dir_.path() + "/bin";
        for (const QString& d : {home, bin, dir_.path() + "/sysconfig", dir_.path() + "/sysdata"}) QDir().mkpath(d);
        qputenv("HOME", home.toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");  // the defaults under HOME are used
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CURRENT_DESKTOP");
        qputenv("XDG_CONFIG_DIRS", (dir_.path() + "/sysconfig").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", (dir_.path() + "/sysdata").toLocal8Bit());
        qputenv("PATH", bin.toLocal8Bit());
        sys::Registry::clearRefusedWrites();
        sys::setLauncher(&recorder);
    }

    void TearDown() override {
        sys::setLauncher(nullptr);
        sys::Registry::clearRefusedWrites();
        for (const auto& [name, value] : saved_) {
            if (value.first) qputenv(name.c_str(), value.second);
            else qunsetenv(name.c_str());
        }
    }

    QString configHome() const { return home + "/.config"; }
    QString dataHome() const { return home + "/.local/share"; }

    // Writes a text file (folders made as needed).
    static void writeFile(const QString& file, const QString& text) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }
    static QString readFile(const QString& file) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) return QString();
        return QString::fromUtf8(f.readAll());
    }

    // A program on the test PATH: a shell script that writes its arguments, one a line, to `out`.
    QString fakeProgram(const QString& name, const QString& out = QString()) {
        const QString file = bin + "/" + name;
        const QString target = out.isEmpty() ? QString("/dev/null") : out;
        writeFile(file, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + target + "'\n");
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file;
    }

    // An application's desktop entry in the user's applications folder.
    void desktopEntry(const QString& id, const QString& exec) {
        writeFile(dataHome() + "/applications/" + id, "[Desktop Entry]\nType=Application\nName=" + id + "\nExec=" + exec + "\n");
    }

    QString home;
    QString bin;
    sys::RecordingLauncher recorder;

private:
    QTemporaryDir dir_;
    std::map<std::string, std::pair<bool, QByteArray>> saved_;
};
