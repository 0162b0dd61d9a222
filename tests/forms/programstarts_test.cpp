// Other programs started from the program's menus: the search engines' file opened in a text editor
// told its encoding, and the message a failed start shows at every place that starts a program.
#include "support/program/program_fixture.h"
#include "support/stored_settings.h"

#include "forms/form1.h"
#include "forms/form4.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <functional>

namespace {

// The whole program with a desktop of the test's own: PATH and the system XDG folders point into
// temporary folders, so only the programs and desktop entries the test makes are there.
class ProgramStartsTest : public ProgramFixture {
public:
    // A program on PATH.
    void installProgram(const QString& name) {
        writeFile(bin + "/" + name, "#!/bin/sh\n");
        QFile::setPermissions(bin + "/" + name, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        for (const char* name : {"PATH", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"}) saved_.push_back({name, qgetenv(name)});
        bin = home.path() + "/bin";
        QDir().mkpath(bin);
        QDir().mkpath(home.path() + "/sysdata");
        QDir().mkpath(home.path() + "/sysconfig");
        qputenv("PATH", bin.toLocal8Bit());
        qputenv("XDG_DATA_DIRS", (home.path() + "/sysdata").toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", (home.path() + "/sysconfig").toLocal8Bit());
        setSetting("默认浏览器", "0");
        ASSERT_TRUE(start());
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) qputenv(name, value);
        ProgramFixture::TearDown();
    }

    static void writeFile(const QString& file, const QByteArray& text) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    // The desktop's text editor: a desktop entry of the user's, made the default for plain text.
    void defaultTextEditor(const QString& id, const QByteArray& exec) {
        writeFile(home.path() + "/.local/share/applications/" + id,
                  "[Desktop Entry]\nType=Application\nName=Editor\nExec=" + exec + "\nMimeType=text/plain;\n");
        writeFile(home.path() + "/.config/mimeapps.list", "[Default Applications]\ntext/plain=" + id.toUtf8() + "\n");
    }

    QString bin;

private:
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

// ---------------------------------------------------------------------------------------------
// The search engines' file (GBK) goes to an editor told its encoding, where one is installed.

struct EditorCase {
    const char* name;
    const char* defaultEditor;     // Exec of the desktop's text editor; nullptr: none
    QStringList installed;         // programs on PATH
    const char* program;           // the program started (its file name)
    std::function<QStringList(const QString& file)> arguments;
};

TEST_F(ProgramStartsTest, EngineFileOpensInAnEditorToldItsEncoding) {
    const EditorCase cases[] = {
        {"desktop editor takes an encoding", "gedit %U", {"gedit"}, "gedit",
         [](const QString& file) { return QStringList{"--encoding=GBK", QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)}; }},
        {"desktop editor takes none, mousepad does", "plain-editor %f", {"mousepad"}, "mousepad",
         [](const QString& file) { return QStringList{"--encoding=GBK", file}; }},
        {"no desktop editor, kate installed", nullptr, {"kate"}, "kate",
         [](const QString& file) { return QStringList{"--encoding=GBK", file}; }},
        {"no desktop editor, leafpad installed", nullptr, {"leafpad", "featherpad"}, "leafpad",
         [](const QString& file) { return QStringList{"--codeset=GBK", file}; }},
        {"pluma before an editor without an option", nullptr, {"featherpad", "pluma"}, "pluma",
         [](const QString& file) { return QStringList{"--encoding=GBK", file}; }},
        {"no editor takes an encoding", "plain-editor --new %f", {"featherpad"}, "plain-editor",
         [](const QString& file) { return QStringList{"--new", file}; }},
    };
    const QString file = path("\\txt\\sousuo.txt");
    for (const EditorCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(bin).removeRecursively();
        QDir().mkpath(bin);
        QFile::remove(home.path() + "/.config/mimeapps.list");
        for (const QString& p : c.installed) installProgram(p);
        if (c.defaultEditor) defaultTextEditor("zvtest-editor.desktop", c.defaultEditor);
        launcher.starts.clear();
        services.clearRecords();

        f4().SSYQ100(10).click();
        ASSERT_EQ(launcher.starts.size(), 1);
        EXPECT_EQ(QFileInfo(launcher.starts[0].program).fileName(), c.program);
        EXPECT_EQ(launcher.starts[0].arguments, c.arguments(file));
        EXPECT_TRUE(services.messages().isEmpty());
    }
}

// ---------------------------------------------------------------------------------------------
// Every place that starts another program says why when the start fails: nothing is installed, or
// the program found does not start. (The tab menu's ie打开 is tested with the tab menu.)

struct StarterCase {
    const char* name;
    std::function<void(ProgramStartsTest&)> install;  // a program that would serve; none: it is always there
    std::function<void(Form4&)> start;
    const char* message;  // the start of the message
    int icon;
};

TEST_F(ProgramStartsTest, AFailedStartShowsItsMessageAtEveryStarter) {
    const StarterCase cases[] = {
        {"main menu ie浏览器", [](ProgramStartsTest& t) { t.installProgram("firefox"); },
         [](Form4& m) { m.LISHI(4).click(); }, "没有找到可以打开的其他浏览器", ui::vbExclamation},
        {"search engines' edit item", [](ProgramStartsTest& t) { t.installProgram("gedit"); },
         [](Form4& m) { m.SSYQ100(10).click(); }, "没有找到文本编辑器", ui::vbExclamation},
        // The restart names the program it could not start again.
        {"restart", nullptr, [](Form4& m) { m.GB(1).click(); }, "重启失败", ui::vbCritical},
    };
    for (const StarterCase& c : cases) {
        for (const bool installed : {false, true}) {
            if (!installed && !c.install) continue;  // the program's own executable is always there
            SCOPED_TRACE(std::string(c.name) + (installed ? ", refused start" : ", nothing installed"));
            QDir(bin).removeRecursively();
            QDir().mkpath(bin);
            if (installed && c.install) c.install(*this);
            launcher.refuseStarts = installed;
            launcher.starts.clear();
            services.clearRecords();

            c.start(f4());
            ASSERT_EQ(services.boxes().size(), 1u);
            EXPECT_TRUE(services.boxes()[0].prompt.startsWith(QString::fromUtf8(c.message)))
                << services.boxes()[0].prompt.toStdString();
            EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + c.icon);
            EXPECT_TRUE(services.boxes()[0].title.isEmpty());
            EXPECT_TRUE(services.exitCodes().empty());
        }
    }
    launcher.refuseStarts = false;
}

}  // namespace
