#include "platform/rt/error.h"
#include "support/waits.h"
#include "platform/sys/shell.h"
#include "platform/sys/xdg.h"
#include "sys_fixtures.h"

#include <QCoreApplication>
#include <QImage>
#include <QThread>
#include <QUrl>

using sys::Shell;

namespace {

QString fileName(const QString& path) { return QFileInfo(path).fileName(); }

}  // namespace

using DesktopFolder = TempHome;
using DesktopShortcut = TempHome;
using StartingPrograms = TempHome;

TEST_F(DesktopFolder, ComesFromUserDirsOrDefaultsToDesktopUnderHome) {
    // An absolute folder outside the home (beside it, in the test's temporary folder).
    const QString outside = QFileInfo(home).absolutePath() + "/desk top";
    struct Case {
        QString userDirs;  // empty: no user-dirs.dirs
        QString expected;
    };
    const Case cases[] = {
        {QString(), home + "/Desktop"},
        {"# comment\nXDG_DOWNLOAD_DIR=\"$HOME/下载\"\nXDG_DESKTOP_DIR=\"$HOME/桌面\"\n", home + "/桌面"},
        {"XDG_DESKTOP_DIR=\"" + outside + "\"\n", outside},
        {"XDG_DESKTOP_DIR=\"$HOME\"\n", home},
        {"XDG_DESKTOP_DIR=\"relative/path\"\n", home + "/Desktop"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.userDirs.isEmpty() ? QString("none").toStdString() : c.userDirs.toStdString());
        QFile::remove(configHome() + "/user-dirs.dirs");
        if (!c.userDirs.isEmpty()) writeFile(configHome() + "/user-dirs.dirs", c.userDirs);
        EXPECT_EQ(Shell::specialFolder("Desktop"), c.expected);
        EXPECT_EQ(Shell::specialFolder("DESKTOP"), c.expected);
    }
    EXPECT_EQ(Shell::specialFolder("Favorites"), "");
}

// A fresh account has no desktop folder yet: asking for it makes it, so a launcher can be written.
TEST_F(DesktopFolder, IsMadeWhenItDoesNotExistYet) {
    for (const QString& userDirs : {QString(), QString("XDG_DESKTOP_DIR=\"$HOME/新 桌面/下面\"\n")}) {
        SCOPED_TRACE(userDirs.toStdString());
        QFile::remove(configHome() + "/user-dirs.dirs");
        if (!userDirs.isEmpty()) writeFile(configHome() + "/user-dirs.dirs", userDirs);
        const QString expected = userDirs.isEmpty() ? home + "/Desktop" : home + "/新 桌面/下面";
        ASSERT_FALSE(QFileInfo::exists(expected));
        EXPECT_EQ(Shell::specialFolder("Desktop"), expected);
        EXPECT_TRUE(QFileInfo(expected).isDir());

        sys::Shortcut s = Shell::createShortcut(expected + "\\Zelvaro浏览器.lnk");
        s.setTargetPath(home + "\\Zelvaro浏览器.exe");
        s.save();
        EXPECT_TRUE(QFileInfo(expected + "/Zelvaro浏览器.desktop").isFile());
    }
}

TEST_F(DesktopShortcut, IsAnExecutableLauncherWithTargetIconAndFolder) {
    // A program folder with a blank in its name, as the program writes its paths.
    const QString folder = home + "/Zelvaro 浏览器";
    QDir().mkpath(folder + "/pifu");
    writeFile(folder + "/Zelvaro浏览器", "#!/bin/sh\n");
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    ASSERT_TRUE(icon.save(folder + "/pifu/桌面1.ico", "ICO"));
    QDir().mkpath(home + "/Desktop");

    sys::Shortcut s = Shell::createShortcut(Shell::specialFolder("Desktop") + "\\Zelvaro浏览器.lnk");
    s.setIconLocation(folder + "\\pifu\\桌面1.ico");
    s.setTargetPath(folder + "\\Zelvaro浏览器.exe");
    s.setHotkey("ALT+CTRL+S");
    s.setWorkingDirectory(folder);
    s.setDescription("");
    s.save();

    const QString file = home + "/Desktop/Zelvaro浏览器.desktop";
    EXPECT_EQ(s.fullName(), file);
    EXPECT_FALSE(QFile::exists(home + "/Desktop/Zelvaro浏览器.lnk"));
    EXPECT_TRUE(QFileInfo(file).isExecutable());

    const sys::xdg::DesktopEntry e = sys::xdg::readDesktopEntry(file);
    ASSERT_TRUE(e.isValid());
    EXPECT_EQ(e.name, "Zelvaro浏览器");
    EXPECT_EQ(sys::xdg::execCommand(e), QStringList({folder + "/Zelvaro浏览器"}));
    EXPECT_EQ(e.path, folder);
    EXPECT_EQ(e.icon, folder + "/pifu/桌面1.png");
    EXPECT_EQ(QImage(e.icon).size(), QSize(32, 32));
    EXPECT_TRUE(e.comment.isEmpty());
    EXPECT_TRUE(readFile(file).startsWith("[Desktop Entry]\nType=Application\n"));
    EXPECT_TRUE(recorder.starts.isEmpty());  // no gio on PATH: nothing else started
}

TEST_F(DesktopShortcut, RewritingKeepsTheArgumentsOfAnExistingLauncher) {
    QDir().mkpath(home + "/Desktop");
    const QString file = home + "/Desktop/Zelvaro浏览器.desktop";
    writeFile(file, "[Desktop Entry]\nType=Application\nName=old\nExec=/old/place --private \"a b\"\nComment=mine\n");

    sys::Shortcut s = Shell::createShortcut(home + "/Desktop\\Zelvaro浏览器.lnk");
    EXPECT_EQ(s.targetPath(), "/old/place");
    EXPECT_EQ(s.description(), "mine");
    s.setTargetPath("/new/place/Zelvaro浏览器.exe");
    s.setDescription("");
    s.save();

    const sys::xdg::DesktopEntry e = sys::xdg::readDesktopEntry(file);
    EXPECT_EQ(sys::xdg::execCommand(e), QStringList({"/new/place/Zelvaro浏览器.exe", "--private", "a b"}));
    EXPECT_TRUE(e.comment.isEmpty());
}

TEST_F(DesktopShortcut, MissingDesktopFolderRaisesAndWritesNothing) {
    sys::Shortcut s = Shell::createShortcut(home + "/Desktop\\Zelvaro浏览器.lnk");
    s.setTargetPath("/x/Zelvaro浏览器.exe");
    EXPECT_EQ(errorOf([&] { s.save(); }), rt::PathNotFound);
    EXPECT_FALSE(QFile::exists(home + "/Desktop"));
}

TEST_F(DesktopShortcut, IsMarkedTrustedWhenGioIsInstalled) {
    QDir().mkpath(home + "/Desktop");
    fakeProgram("gio");
    sys::Shortcut s = Shell::createShortcut(home + "/Desktop\\Zelvaro浏览器.lnk");
    s.setTargetPath("/x/Zelvaro浏览器.exe");
    s.save();
    ASSERT_EQ(recorder.starts.size(), 1);
    EXPECT_EQ(recorder.starts[0].program, "gio");
    EXPECT_EQ(recorder.starts[0].arguments,
              QStringList({"set", home + "/Desktop/Zelvaro浏览器.desktop", "metadata::trusted", "true"}));
}

TEST(DesktopEntryExec, QuotedArgumentsSurviveTheRoundTrip) {
    for (const QString& arg : {QString("/plain/path"), QString("/with blank/程序"), QString("/q\"uote/$HOME/`x`"),
                               QString("/back\\slash/100%/x"), QString("/tab\tand;semi")}) {
        SCOPED_TRACE(arg.toStdString());
        sys::xdg::DesktopEntry e;
        e.exec = sys::xdg::unescapeValue(sys::xdg::execArgumentForFile(arg) + " --flag %u");
        EXPECT_EQ(sys::xdg::execCommand(e, "http://x/?a=1&b=2"), QStringList({arg, "--flag", "http://x/?a=1&b=2"}));
        EXPECT_EQ(sys::xdg::execCommand(e), QStringList({arg, "--flag"}));
    }
    // As written into the file: quoted, the quoting escapes, then the string escapes doubled.
    EXPECT_EQ(sys::xdg::execArgumentForFile("/a b/$x\"y"), "\"/a b/\\\\$x\\\\\"y\"");
    EXPECT_EQ(sys::xdg::execArgumentForFile("/plain/50%"), "/plain/50%%");
}

TEST(DesktopEntryExec, FieldCodesExpandForTheTarget) {
    sys::xdg::DesktopEntry e;
    e.name = "Viewer";
    e.icon = "viewer";
    e.file = "/apps/viewer.desktop";
    struct Case {
        const char* exec;
        const char* target;
        QStringList expected;
    };
    const Case cases[] = {
        {"viewer %f", "/tmp/a b.txt", {"viewer", "/tmp/a b.txt"}},
        {"viewer %U", "/tmp/a b.html", {"viewer", "file:///tmp/a%20b.html"}},
        {"viewer %F", "file:///tmp/a%20b.txt", {"viewer", "/tmp/a b.txt"}},
        {"viewer", "/tmp/x", {"viewer", "/tmp/x"}},
        {"viewer %i --name=%c %k %% %d", "", {"viewer", "--icon", "viewer", "--name=Viewer", "/apps/viewer.desktop", "%"}},
        {"viewer --url=%u", "http://h/", {"viewer", "--url=http://h/"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exec);
        e.exec = c.exec;
        EXPECT_EQ(sys::xdg::execCommand(e, c.target), c.expected);
    }
}

TEST_F(StartingPrograms, SelfStartKeepsEachArgumentWhole) {
    EXPECT_TRUE(sys::launcher().startSelf({"/tmp/some folder/导航.html", "second"}));
    ASSERT_EQ(recorder.starts.size(), 1);
    EXPECT_EQ(recorder.starts[0].program, QCoreApplication::applicationFilePath());
    EXPECT_EQ(recorder.starts[0].arguments, QStringList({"/tmp/some folder/导航.html", "second"}));

    recorder.refuseStarts = true;
    EXPECT_FALSE(sys::launcher().startSelf());
}

TEST_F(StartingPrograms, OtherBrowserIsTheDesktopDefault) {
    desktopEntry("other-browser.desktop", "\"/opt/other browser/run\" --new-tab %u");
    writeFile(configHome() + "/mimeapps.list", "[Default Applications]\nx-scheme-handler/http=other-browser.desktop\n");

    EXPECT_TRUE(sys::launcher().openInOtherBrowser("http://example.com/a b?q=1&r=2").started);
    // A local page as the program writes it: folder plus a tail with backslashes.
    EXPECT_TRUE(sys::launcher().openInOtherBrowser(home + "/my pages\\导航.html").started);
    ASSERT_EQ(recorder.starts.size(), 2);
    EXPECT_EQ(recorder.starts[0].program, "/opt/other browser/run");
    EXPECT_EQ(recorder.starts[0].arguments, QStringList({"--new-tab", "http://example.com/a b?q=1&r=2"}));
    EXPECT_EQ(recorder.starts[1].arguments,
              QStringList({"--new-tab", QUrl::fromLocalFile(home + "/my pages/导航.html").toString(QUrl::FullyEncoded)}));
}

TEST_F(StartingPrograms, OtherBrowserSkipsThisProgram) {
    sys::xdg::makeOwnDefault("x-scheme-handler/http");
    fakeProgram("chromium");
    fakeProgram("xdg-open");

    const sys::StartResult r = sys::launcher().openInOtherBrowser("http://example.com/");
    EXPECT_TRUE(r.started);
    ASSERT_EQ(recorder.starts.size(), 1);
    EXPECT_EQ(fileName(recorder.starts[0].program), "chromium");  // not xdg-open, which would come back here
    EXPECT_EQ(recorder.starts[0].arguments, QStringList({"http://example.com/"}));
}

TEST_F(StartingPrograms, OtherBrowserFallsBackAndSaysWhenThereIsNone) {
    // No default handler at all: the desktop's opener.
    fakeProgram("xdg-open");
    fakeProgram("firefox");
    EXPECT_TRUE(sys::launcher().openInOtherBrowser("http://example.com/").started);
    ASSERT_EQ(recorder.starts.size(), 1);
    EXPECT_EQ(fileName(recorder.starts[0].program), "xdg-open");

    // An opener that cannot start: the next browser found.
    QFile::remove(bin + "/xdg-open");
    recorder.starts.clear();
    EXPECT_TRUE(sys::launcher().openInOtherBrowser("http://example.com/").started);
    ASSERT_EQ(recorder.starts.size(), 1);
    EXPECT_EQ(fileName(recorder.starts[0].program), "firefox");

    // Nothing installed: a message, nothing started.
    QFile::remove(bin + "/firefox");
    recorder.starts.clear();
    const sys::StartResult r = sys::launcher().openInOtherBrowser("http://example.com/");
    EXPECT_FALSE(r.started);
    EXPECT_FALSE(r.message.isEmpty());
    EXPECT_TRUE(recorder.starts.isEmpty());
}

TEST_F(StartingPrograms, CalculatorIsTheFirstFoundOnPath) {
    sys::StartResult r = sys::launcher().startCalculator();
    EXPECT_FALSE(r.started);
    EXPECT_TRUE(r.message.contains("gnome-calculator"));

    fakeProgram("xcalc");
    fakeProgram("kcalc");
    r = sys::launcher().startCalculator();
    EXPECT_TRUE(r.started);
    ASSERT_EQ(recorder.starts.size(), 1);
    EXPECT_EQ(fileName(recorder.starts[0].program), "kcalc");
    EXPECT_TRUE(recorder.starts[0].arguments.isEmpty());
}

TEST_F(StartingPrograms, TextEditorIsTheDesktopsTextHandlerThenAKnownEditor) {
    const QString file = home + "/Zelvaro 浏览器\\txt\\sousuo.txt";
    const QString native = home + "/Zelvaro 浏览器/txt/sousuo.txt";
    fakeProgram("mousepad");

    EXPECT_TRUE(sys::launcher().openInTextEditor(file).started);
    EXPECT_TRUE(sys::launcher().openInTextEditor("").started);  // an empty document
    ASSERT_EQ(recorder.starts.size(), 2);
    EXPECT_EQ(fileName(recorder.starts[0].program), "mousepad");
    EXPECT_EQ(recorder.starts[0].arguments, QStringList({native}));
    EXPECT_TRUE(recorder.starts[1].arguments.isEmpty());

    desktopEntry("my-editor.desktop", "my-editor --new %F");
    writeFile(configHome() + "/mimeapps.list", "[Added Associations]\ntext/plain=my-editor.desktop;\n");
    recorder.starts.clear();
    EXPECT_TRUE(sys::launcher().openInTextEditor(file).started);
    ASSERT_EQ(recorder.starts.size(), 1);
    EXPECT_EQ(recorder.starts[0].program, "my-editor");
    EXPECT_EQ(recorder.starts[0].arguments, QStringList({"--new", native}));

    QFile::remove(configHome() + "/mimeapps.list");
    QFile::remove(bin + "/mousepad");
    recorder.starts.clear();
    const sys::StartResult r = sys::launcher().openInTextEditor(file);
    EXPECT_FALSE(r.started);
    EXPECT_FALSE(r.message.isEmpty());
}

TEST_F(StartingPrograms, RealLauncherPassesArgumentsWhole) {
    sys::ProcessLauncher real;
    const QString out = home + "/args.txt";
    const QString program = fakeProgram("show-args", out);
    ASSERT_TRUE(real.startProgram(program, {"one arg with blanks", "两个", ""}));
    waits::until([&] { return readFile(out).endsWith("\n\n"); });
    EXPECT_EQ(readFile(out), "3\none arg with blanks\n两个\n\n");

    EXPECT_FALSE(real.startProgram(home + "/no-such-program", {}));
}
