#pragma once
// What the tests of the file, settings-store, registry and desktop layer share: the error number of a
// call, raw file bytes, a temporary program folder, and a temporary home for the desktop stand-ins.
#include "support/error_of.h"
#include "platform/rt/error.h"
#include "platform/sys/programfolder.h"
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
#include <utility>

// The bytes of a file (native path), or "<missing>" when it cannot be read.
inline QByteArray bytesOf(const QString& nativeFile) {
    QFile f(nativeFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Replaces a file (native path) with these bytes.
inline void putBytes(const QString& nativeFile, const QByteArray& bytes) {
    QFile f(nativeFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << nativeFile.toStdString();
    f.write(bytes);
}

// A temporary program folder holding an empty `txt` folder, made the program folder while the test runs.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("txt"));
        sys::setAppPath(dir.path());
    }
    void TearDown() override { sys::setAppPath(QString()); }

    // The native path of a file under the program folder ("txt/应用.txt").
    QString native(const QString& tail) const { return dir.path() + "/" + tail; }

    QTemporaryDir dir;
};

// A temporary home: HOME, the XDG folders and PATH point into a temporary folder while the test runs and
// are restored after it. Program starts are recorded, and no root of the registry refuses writes.
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

    // Writes a UTF-8 text file (folders made as needed).
    static void writeFile(const QString& file, const QString& text) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        putBytes(file, text.toUtf8());
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
