#include "support/program/program_fixture.h"
#include "support/stored_settings.h"

#include "forms/settings.h"
#include "forms/windowowner.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/handler.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
        QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
    }
    QDir().mkpath(to + "/html");
}

}  // namespace

void ProgramFixture::SetUp() {
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(home.isValid());
    copyTree(QStringLiteral(ZV_DATA_DIR), folder.path());
    sys::setAppPath(folder.path());
    oldHome_ = qgetenv("HOME");
    oldConfig_ = qgetenv("XDG_CONFIG_HOME");
    oldData_ = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    QDir().mkpath(home.path() + "/Desktop");
    sys::setLauncher(&launcher);
    services.setNow(QDateTime(QDate(2026, 12, 10), QTime(9, 30, 0)));
    ui::clearHandlerConflicts();
}

void ProgramFixture::TearDown() {
    program_.reset();
    // Every event slot has one owner: no slot was set while it held a handler.
    EXPECT_TRUE(ui::handlerConflicts().isEmpty())
        << "event slots set twice: " << ui::handlerConflicts().join(QStringLiteral(", ")).toStdString();
    ui::clearHandlerConflicts();
    sys::setLauncher(nullptr);
    qputenv("HOME", oldHome_);
    qputenv("XDG_CONFIG_HOME", oldConfig_);
    qputenv("XDG_DATA_HOME", oldData_);
}

void ProgramFixture::stop() { program_.reset(); }

Program& ProgramFixture::make(const QString& commandLine) {
    program_.reset();  // one program at a time: the old one is gone before the new one is made
    program_ = std::make_unique<Program>(commandLine);
    return *program_;
}

bool ProgramFixture::start(const QString& commandLine, bool show) {
    make(commandLine);
    return program_->start(show);
}

Form1& ProgramFixture::f1() { return forms::form1(); }
Form4& ProgramFixture::f4() { return forms::form4(); }

QString ProgramFixture::path(const QString& tail) const { return sys::nativePath(sys::appPath() + tail); }

QString ProgramFixture::setting(const QString& key) const { return storedSetting(key); }
void ProgramFixture::setSetting(const QString& key, const QString& value) { storeSetting(key, value); }
QString ProgramFixture::fgSetting(const QString& key) const { return storedFgSetting(key); }
void ProgramFixture::setFgSetting(const QString& key, const QString& value) { storeFgSetting(key, value); }

bool ProgramFixture::waitFor(const std::function<bool()>& done, int ms) { return waits::until(done, ms); }
