// The start of the program: the refusal without the txt folder, the desktop launcher, the start state
// of the main window from the settings (each bad setting skipping only its own step), the navigation
// page's lines, and the first navigation of the home slot with its User-Agent header.
#include "app_fixture.h"
#include "support/stored_settings.h"

#include "app/startup.h"
#include "platform/sys/registry.h"
#include "platform/sys/textfile.h"
#include "platform/ui/colors.h"
#include "platform/ui/controls.h"
#include "support/http_server.h"

#include <QDirIterator>
#include <QTextCodec>
#include <QIcon>
#include <QWidget>

#include <functional>

namespace {

QStringList filesUnder(const QString& dir) {
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    files.sort();
    return files;
}

QString readUtf8(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

class StartupTest : public AppTest {
public:
    using AppTest::setFgSetting;
    using AppTest::setSetting;

protected:
    QString launcherFile() const { return home.path() + "/Desktop/Zelvaro浏览器.desktop"; }
};

// ---------------------------------------------------------------------------------------------
// No txt folder: one message, the process ends, nothing is written.

TEST_F(StartupTest, RefusesToStartWithoutTheTxtFolder) {
    struct Case {
        const char* name;
        bool fileNamedTxt;
    };
    for (const Case& c : {Case{"no folder", false}, Case{"a file named txt", true}}) {
        SCOPED_TRACE(c.name);
        services.clearRecords();
        setSetting("快捷方式", "有");
        QDir(folder.path() + "/txt").removeRecursively();
        QFile::remove(folder.path() + "/txt");
        if (c.fileNamedTxt) {
            QFile file(folder.path() + "/txt");
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        const QStringList before = filesUnder(folder.path());
        const QStringList homeBefore = filesUnder(home.path());

        EXPECT_FALSE(start());

        ASSERT_EQ(services.messages(), QStringList{"启动失败，txt文件夹找不到"});
        EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
        EXPECT_TRUE(services.boxes()[0].title.isEmpty());
        EXPECT_EQ(services.exitCodes().size(), 1u);
        EXPECT_EQ(forms::windows().existing<Form1>(), nullptr);
        EXPECT_EQ(filesUnder(folder.path()), before);
        EXPECT_EQ(filesUnder(home.path()), homeBefore);
        EXPECT_TRUE(launcher.starts.isEmpty());
    }
}

// ---------------------------------------------------------------------------------------------
// The desktop launcher is rewritten at every start while 快捷方式 is "有", and only then.

TEST_F(StartupTest, DesktopLauncherOnlyWhenAskedFor) {
    struct Case {
        const char* value;
        bool existedBefore;
        bool written;
    };
    const Case cases[] = {
        {"有", false, true},
        {"有", true, true},
        {"无", true, false},
        {"", true, false},
        {"有了", false, false},
    };
    const QString old = "[Desktop Entry]\nType=Application\nName=old\nExec=/old/place/prog\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value) + (c.existedBefore ? " over an old launcher" : ""));
        QFile::remove(launcherFile());
        if (c.existedBefore) {
            QFile f(launcherFile());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old.toUtf8());
        }
        setSetting("快捷方式", QString::fromUtf8(c.value));
        ASSERT_TRUE(Startup::Form_Initialize());

        const QString text = readUtf8(launcherFile());
        if (c.written) {
            EXPECT_TRUE(text.contains("Exec=\"" + folder.path() + "/Zelvaro浏览器.exe\"") ||
                        text.contains("Exec=" + folder.path() + "/Zelvaro浏览器.exe"))
                << text.toStdString();
            EXPECT_TRUE(text.contains("Path=" + folder.path())) << text.toStdString();
            EXPECT_TRUE(text.contains("Icon=")) << text.toStdString();
            EXPECT_FALSE(text.contains("/old/place/prog"));
        } else if (c.existedBefore) {
            EXPECT_EQ(text, old);
        } else {
            EXPECT_FALSE(QFile::exists(launcherFile()));
        }
    }
}

TEST_F(StartupTest, MissingDesktopFolderDoesNotStopTheStart) {
    QDir(home.path() + "/Desktop").removeRecursively();
    setSetting("快捷方式", "有");
    EXPECT_TRUE(start(QString(), false));
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_TRUE(f1().loaded());
}

// ---------------------------------------------------------------------------------------------
// The first navigation: command line x 启动主页 x UA -> address and header.

TEST_F(StartupTest, FirstNavigationTable) {
    struct Case {
        const char* commandLine;
        const char* startPage;
        const char* ua;
        const char* address;  // "<nav>": the navigation page file
        bool header;
    };
    const Case cases[] = {
        // No command line (or one of nine characters or fewer): the start page.
        {"", "导航.html", "1", "<nav>", false},
        {"", "abc", "1", "about:blank", false},
        {"", "", "1", "about:blank", false},
        {"", "www.a.com", "0", "www.a.com", false},
        {"", "www.a.com", "1", "www.a.com", true},
        {"", "www.a.com", "2", "www.a.com", true},
        {"", "www.a.com", "", "www.a.com", false},
        {"", "www.a.com", "on", "www.a.com", false},
        {"a.com/1234", "www.a.com", "1", "a.com/1234", true},   // ten characters: used
        {"a.com/123", "www.a.com", "1", "www.a.com", true},     // nine: ignored
        {"a.com/123", "abc", "0", "about:blank", false},
        // An address: unchanged, double quotes included; the header while UA is on.
        {"http://www.b.com/", "导航.html", "1", "http://www.b.com/", true},
        {"http://www.b.com/", "导航.html", "0", "http://www.b.com/", false},
        {"\"http://www.b.com/\"", "导航.html", "1", "\"http://www.b.com/\"", true},
        // A local file: quotes removed, never a header.
        {"\"/tmp/my pages/a.html\"", "www.a.com", "1", "/tmp/my pages/a.html", false},
        {"/tmp/pages/a.html", "www.a.com", "1", "/tmp/pages/a.html", false},
        {"file:///tmp/a.html", "www.a.com", "1", "file:///tmp/a.html", false},
        {"\"C:\\pages\\a.html\"", "www.a.com", "1", "C:\\pages\\a.html", false},
    };
    make();
    setSetting("呈现伪造", "Zv/1.0 (test)");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("[") + c.commandLine + "] [" + c.startPage + "] UA=" + c.ua);
        setSetting("启动主页", QString::fromUtf8(c.startPage));
        setSetting("UA", QString::fromUtf8(c.ua));
        const auto nav = Startup::firstNavigation(QString::fromUtf8(c.commandLine));
        const QString expected = QString::fromUtf8(c.address) == "<nav>" ? folder.path() + "/导航.html"
                                                                         : QString::fromUtf8(c.address);
        EXPECT_EQ(nav.address, expected);
        EXPECT_EQ(nav.headers, c.header ? QString("User-Agent:Zv/1.0 (test)") : QString());
    }
}

TEST_F(StartupTest, HeaderWithoutAValueStillSent) {
    make();
    setSetting("UA", "1");
    setSetting("呈现伪造", "");
    setSetting("启动主页", "www.a.com");
    EXPECT_EQ(Startup::firstNavigation(QString()).headers, "User-Agent:");
}

TEST_F(StartupTest, FirstPageCarriesTheUserAgentOnlyWhileTheOverrideIsOn) {
    struct Case {
        const char* name;
        bool fromCommandLine;
        const char* ua;
        bool header;
    };
    const Case cases[] = {
        {"start page, override on", false, "1", true},
        {"start page, override off", false, "0", false},
        {"command line, override on", true, "1", true},
        {"command line, override empty", true, "", false},
    };
    TestHttpServer server;
    server.addPage("/first.html", "<html><body><p id=x>first</p></body></html>");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server.clearRequests();
        setSetting("呈现伪造", "ZvAgent/7");
        setSetting("UA", QString::fromUtf8(c.ua));
        setSetting("启动主页", c.fromCommandLine ? QString("about:blank") : server.urlText("/first.html"));
        ASSERT_TRUE(start(c.fromCommandLine ? server.urlText("/first.html") : QString()));
        ASSERT_TRUE(waitFor([&] { return !server.requestsFor("/first.html").isEmpty(); }));
        const QByteArray agent = server.requestsFor("/first.html").first().header("User-Agent");
        EXPECT_EQ(agent == "ZvAgent/7", c.header) << agent.toStdString();
    }
}

TEST_F(StartupTest, QuotedLocalPathOpensWithoutAHeader) {
    TestHttpServer server;
    const QString page = pageFile("local page.html", "<p id=here>here</p>");
    setSetting("UA", "1");
    setSetting("呈现伪造", "ZvAgent/7");
    ASSERT_TRUE(start("\"" + page + "\""));
    ASSERT_TRUE(waitForPage(1, "page.html"));
    EXPECT_TRUE(has(f1().WebBrowser1(1).document(), "here"));
}

// ---------------------------------------------------------------------------------------------
// The start state from the shipped settings.

TEST_F(StartupTest, StartStateFromTheShippedSettings) {
    ASSERT_TRUE(start(QString(), false));
    Form1& f = f1();
    EXPECT_EQ(f.Label9.caption(), "1");
    EXPECT_EQ(f.tag(), "0");
    EXPECT_EQ(f.Command8.tag(), "0");
    EXPECT_EQ(f.WebBrowser1(1).tag(), "0");
    EXPECT_EQ(f.caption(), setting("软件命名"));
    for (int k = 11; k <= 21; ++k) EXPECT_EQ(f.Command2(k).top(), -500) << k;
    EXPECT_EQ(f.Command2(12).caption(), "&" + setting("打字搜索"));
    EXPECT_EQ(f.Command2(19).caption(), "&" + setting("退出软件"));
    EXPECT_EQ(f.Command2(20).caption(), "?");
    EXPECT_FALSE(f4().WYSF100(4).enabled());
    EXPECT_TRUE(f4().WYSF100(4).checked());
    EXPECT_EQ(f4().GIS100(3).caption(),
              storedText(forms::Txt::Sousuo, "搜索名字" + setting("搜索引擎")));
    EXPECT_FALSE(f4().GIS100(3).caption().isEmpty());
    EXPECT_EQ(f.Label2(1).caption(), fgSetting("小化"));
    EXPECT_EQ(f.Label2(2).caption(), fgSetting("大化"));
    EXPECT_EQ(f.Label2(3).caption(), fgSetting("关闭"));
    EXPECT_EQ(f.lv(5).height(), setting("高度").toDouble());
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(f.Label2(k).height(), f.lv(2).height());
        EXPECT_EQ(f.Shape2(k).height(), f.lv(2).height());
        EXPECT_EQ(f.Shape2(k).width(), f.Label2(k).width());
        EXPECT_EQ(f.Label2(k).foreColor(), fgSetting("颜色1").toLongLong());
    }
    EXPECT_EQ(f.Line1(4).borderColor(), fgSetting("窗口边框").toLongLong());
    EXPECT_EQ(f.backColor(), fgSetting("背景0").toLongLong());
    EXPECT_FALSE(f.Timer4(10).enabled());  // the shipped 默认浏览器 is 0
}

// A glyph is as wide as its caption needs and never narrower than the window's glyph width, so a
// long caption is shown whole; the layout places the glyphs side by side by their widths.
TEST_F(StartupTest, GlyphsAreAsWideAsTheirCaptions) {
    setFgSetting("小化", "最小化这个窗口");
    setFgSetting("大化", "□");
    ASSERT_TRUE(start(QString(), false));
    Form1& f = f1();
    EXPECT_GT(f.Label2(1).width(), 2 * Form1::kGlyphWidth);
    EXPECT_EQ(f.Label2(2).width(), Form1::kGlyphWidth);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(f.Shape2(k).width(), f.Label2(k).width()) << k;
    f.setWidth(f.width() + 10);
    EXPECT_EQ(f.Label2(1).left() + f.Label2(1).width(), f.Label2(2).left() + 20);
}

// The window icon and the home slot's tab icon come from the picture folder; a missing picture
// leaves both as designed and the load goes on.
TEST_F(StartupTest, IconsFromThePictureFolder) {
    struct Case {
        const char* name;
        bool present;
    };
    for (const Case& c : {Case{"picture present", true}, Case{"picture missing", false}}) {
        SCOPED_TRACE(c.name);
        if (!c.present) {
            ASSERT_TRUE(QFile::remove(folder.path() + "/pifu/0.ico"));
        }
        ASSERT_TRUE(start(QString(), false));
        EXPECT_EQ(!f1().Image1(1).picture().isNull(), c.present);
        EXPECT_EQ(!f1().client()->windowIcon().isNull(), c.present);
        EXPECT_EQ(f1().caption(), setting("软件命名"));
        EXPECT_TRUE(services.messages().isEmpty());
    }
}

// ---------------------------------------------------------------------------------------------
// Missing or malformed settings: each skips its own step and nothing else.

struct LoadCase {
    const char* name;
    std::function<void(StartupTest&)> set;
    std::function<void(Form1&, Form4&)> check;
};

TEST_F(StartupTest, BadSettingsSkipOnlyTheirOwnStep) {
    const LoadCase cases[] = {
        {"saved rectangle",
         [](StartupTest& t) {
             t.setFgSetting("左右", "1200");
             t.setFgSetting("上下", "900");
             t.setFgSetting("宽度", "11000");
             t.setFgSetting("高度", "8000");
         },
         [](Form1& f, Form4&) {
             EXPECT_EQ(f.left(), 1200);
             EXPECT_EQ(f.top(), 900);
             EXPECT_EQ(f.width(), 11000);
             EXPECT_EQ(f.height(), 8000);
         }},
        {"rectangle without a width keeps the design rectangle",
         [](StartupTest& t) {
             t.setFgSetting("左右", "1200");
             t.setFgSetting("上下", "900");
             t.setFgSetting("宽度", "");
             t.setFgSetting("高度", "8000");
         },
         [](Form1& f, Form4&) {
             EXPECT_EQ(f.left(), 0);
             EXPECT_EQ(f.width(), 10605);
             EXPECT_EQ(f.height(), 7800);
             EXPECT_EQ(f.caption(), storedSetting("软件命名"));  // later steps still ran
         }},
        {"rectangle with a word keeps the design rectangle",
         [](StartupTest& t) { t.setFgSetting("上下", "top"); },
         [](Form1& f, Form4&) { EXPECT_EQ(f.width(), 10605); }},
        {"默认浏览器 1 schedules the check", [](StartupTest& t) { t.setSetting("默认浏览器", "1"); },
         [](Form1& f, Form4&) { EXPECT_TRUE(f.Timer4(10).enabled()); }},
        {"默认浏览器 empty schedules the check", [](StartupTest& t) { t.setSetting("默认浏览器", ""); },
         [](Form1& f, Form4&) { EXPECT_TRUE(f.Timer4(10).enabled()); }},
        {"默认浏览器 word schedules the check", [](StartupTest& t) { t.setSetting("默认浏览器", "yes"); },
         [](Form1& f, Form4&) { EXPECT_TRUE(f.Timer4(10).enabled()); }},
        {"默认浏览器 2 does not", [](StartupTest& t) { t.setSetting("默认浏览器", "2"); },
         [](Form1& f, Form4&) { EXPECT_FALSE(f.Timer4(10).enabled()); }},
        {"左边中间 0 left-aligns", [](StartupTest& t) { t.setSetting("左边中间", "0"); },
         [](Form1& f, Form4&) {
             EXPECT_EQ(f.Text7.alignment(), ui::vbLeftJustify);
             EXPECT_EQ(f.Label2(4).alignment(), ui::vbLeftJustify);
         }},
        {"左边中间 1 centres", [](StartupTest& t) { t.setSetting("左边中间", "1"); },
         [](Form1& f, Form4&) {
             EXPECT_EQ(f.Text7.alignment(), ui::vbCenter);
             EXPECT_EQ(f.Label2(4).alignment(), ui::vbCenter);
         }},
        {"左边中间 empty centres", [](StartupTest& t) { t.setSetting("左边中间", ""); },
         [](Form1& f, Form4&) { EXPECT_EQ(f.Text7.alignment(), ui::vbCenter); }},
        {"empty hot key gives the bare marker",
         [](StartupTest& t) {
             t.setSetting("打字搜索", "");
             t.setSetting("收藏历史", "Q");
         },
         [](Form1& f, Form4&) {
             EXPECT_EQ(f.Command2(12).caption(), "&");
             EXPECT_EQ(f.Command2(14).caption(), "&Q");
         }},
        {"bad border colour leaves all four lines alike", [](StartupTest& t) { t.setFgSetting("窗口边框", "red"); },
         [](Form1& f, Form4&) {
             for (int k = 2; k <= 4; ++k) EXPECT_EQ(f.Line1(k).borderColor(), f.Line1(1).borderColor());
             EXPECT_EQ(f.Line1(1).borderColor(), ui::Line(nullptr).borderColor());
             EXPECT_EQ(f.Shape2(3).borderColor(), storedFgSetting("按钮边框").toLongLong());
         }},
        {"system colour text", [](StartupTest& t) { t.setFgSetting("窗口边框", "&H8000000F"); },
         [](Form1& f, Form4&) {
             for (int k = 1; k <= 4; ++k) EXPECT_EQ(f.Line1(k).borderColor(), ui::kButtonFace);
         }},
        {"bad back colour keeps the window's", [](StartupTest& t) { t.setFgSetting("背景0", ""); },
         [](Form1& f, Form4&) {
             EXPECT_EQ(f.backColor(), Form1().backColor());
             EXPECT_EQ(f.Text7.foreColor(), storedFgSetting("颜色1").toLongLong());
         }},
        {"drop target off", [](StartupTest& t) { t.setSetting("关闭拖拽", "False"); },
         [](Form1& f, Form4&) { EXPECT_FALSE(f.WebBrowser1(1).registerAsDropTarget()); }},
        {"drop target on", [](StartupTest& t) { t.setSetting("关闭拖拽", "true"); },
         [](Form1& f, Form4&) { EXPECT_TRUE(f.WebBrowser1(1).registerAsDropTarget()); }},
        {"tab height and glyph height", [](StartupTest& t) { t.setSetting("高度", "400"); },
         [](Form1& f, Form4&) {
             for (int k = 2; k <= 10; ++k) EXPECT_EQ(f.lv(k).height(), 400);
             EXPECT_EQ(f.Label2(3).height(), 400);
             EXPECT_EQ(f.Shape2(1).height(), 400);
         }},
        {"tab height empty keeps the design height and the glyphs follow it",
         [](StartupTest& t) {
             t.setSetting("高度", "");
             t.setSetting("大小", "x");
         },
         [](Form1& f, Form4&) {
             EXPECT_EQ(f.lv(2).height(), Form1().lv(2).height());
             EXPECT_EQ(f.Label2(2).height(), f.lv(2).height());
             EXPECT_EQ(f.lv(2).fontSize(), Form1().lv(2).fontSize());
         }},
        {"empty name gives an empty caption", [](StartupTest& t) { t.setSetting("软件命名", ""); },
         [](Form1& f, Form4&) { EXPECT_EQ(f.caption(), ""); }},
        {"engine number picks the name", [](StartupTest& t) { t.setSetting("搜索引擎", "2"); },
         [](Form1&, Form4& m) {
             EXPECT_EQ(m.GIS100(3).caption(), storedText(forms::Txt::Sousuo, "搜索名字2"));
         }},
        {"no engine number reads the bare key", [](StartupTest& t) { t.setSetting("搜索引擎", ""); },
         [](Form1&, Form4& m) { EXPECT_EQ(m.GIS100(3).caption(), ""); }},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        // Fresh settings files for every case.
        for (const char* file : {"应用.txt", "fg.txt"}) {
            QFile::remove(folder.path() + "/txt/" + file);
            QFile::copy(QStringLiteral(ZV_DATA_DIR) + "/txt/" + file, folder.path() + "/txt/" + file);
            QFile(folder.path() + "/txt/" + file).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        setSetting("默认浏览器", "0");
        setSetting("启动主页", "about:blank");
        c.set(*this);
        ASSERT_TRUE(start(QString(), false));
        c.check(f1(), f4());
        EXPECT_TRUE(services.messages().isEmpty());
    }
}

// ---------------------------------------------------------------------------------------------
// The navigation page's lines.

TEST_F(StartupTest, MissingNavigationPageIsWrittenAndOpened) {
    setSetting("启动主页", "导航.html");
    QFile::remove(folder.path() + "/导航.html");
    ASSERT_TRUE(start());
    Form1& f = f1();
    const QStringList lines = sys::readLines(sys::appPath() + "\\导航.html");
    ASSERT_EQ(lines.size(), 18);
    ASSERT_EQ(f.List1.listCount(), 18);
    for (int i = 0; i < 18; ++i) EXPECT_EQ(f.List1.list(i), lines[i]);
    EXPECT_EQ(lines[0], "<!-- 代码不要手动修改，以免出错 -->");
    EXPECT_EQ(lines[17], "</center>");
    for (int i = 5; i <= 16; ++i) {
        EXPECT_EQ(lines[i].indexOf("<img"), 53) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].contains(QStringLiteral("id=TavrolinOK%1 ").arg(i - 4, 2, 10, QChar('0'))));
    }
    EXPECT_TRUE(lines[8].endsWith("</a><br><br>"));
    // GBK with CR LF on disk.
    QFile raw(folder.path() + "/导航.html");
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 18);
    EXPECT_TRUE(bytes.contains(QTextCodec::codecForName("GBK")->fromUnicode(QStringLiteral("自定义导航"))));
    ASSERT_TRUE(waitForPage(1, ".html"));
    EXPECT_EQ(f.WebBrowser1(1).document().title(), "自定义导航");
}

TEST_F(StartupTest, ExistingNavigationPageIsReadAsItIs) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"empty file", QByteArray(), {}},
        {"hand-made GBK lines", QTextCodec::codecForName("GBK")->fromUnicode(QStringLiteral("<p>甲</p>\r\n\r\n<p>乙</p>")),
         {"<p>甲</p>", "", "<p>乙</p>"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            QFile f(folder.path() + "/导航.html");
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(c.bytes);
        }
        ASSERT_TRUE(start(QString(), false));
        QStringList seen;
        for (int i = 0; i < f1().List1.listCount(); ++i) seen << f1().List1.list(i);
        EXPECT_EQ(seen, c.lines);
        QFile f(folder.path() + "/导航.html");
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), c.bytes);
    }
}

TEST_F(StartupTest, StartWritesNoSettingsFile) {
    const QByteArray app = [&] {
        QFile f(folder.path() + "/txt/应用.txt");
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const QByteArray fg = [&] {
        QFile f(folder.path() + "/txt/fg.txt");
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    ASSERT_TRUE(start());
    QFile a(folder.path() + "/txt/应用.txt");
    QFile g(folder.path() + "/txt/fg.txt");
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(g.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), app);
    EXPECT_EQ(g.readAll(), fg);
}

}  // namespace
