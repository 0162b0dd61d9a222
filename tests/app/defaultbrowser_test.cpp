// The default-browser check and the association: the decision over the desktop's http handler, the
// banner and its two answers, the link target rule of the home page, and the job DefaultBrowserCheck
// running the check.
#include "app_fixture.h"
#include "support/program/jobs_fixture.h"

#include "app/defaultbrowser.h"
#include "app/enginesettings.h"
#include "platform/rt/error.h"
#include "platform/sys/registry.h"
#include "platform/sys/xdg.h"

#include <QVariant>

namespace {

const QStringList kBannerIds = {"input_llq", "img1_llq", "img0_llq", "label_llq"};
const QString kHttpCommand = QStringLiteral("HKEY_CLASSES_ROOT\\http\\shell\\open\\command\\");
const QString kHttpProgId =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice\\Progid");

QString read(const QString& path) {
    try {
        return sys::Registry::RegRead(path).toString();
    } catch (const rt::RuntimeError&) {
        return QStringLiteral("<absent>");
    }
}

QString readFile(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

class DefaultBrowserTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_TRUE(startWithHomePage(pageFile(
            "home.html",
            "<a id=plain href=target.html>plain</a> <a id=framed href=target.html target=side>framed</a> "
            "<a id=blank href=target.html target=_BLANK>blank</a> "
            "<a id=tile href=target.html><img id=tileimg width=80 height=40 src=x.png></a>")));
        pageFile("target.html", "<p id=arrived>arrived</p>");
        ASSERT_TRUE(waitFor([&] { return f1().M_Dom.document() == homeDoc(); }));
        check = program().find<DefaultBrowser>();
        ASSERT_NE(check, nullptr);
    }
    web::Document homeDoc() { return f1().WebBrowser1(1).document(); }
    bool bannerShown() {
        const QStringList ids = bodyIds(homeDoc());
        return ids.mid(ids.size() - kBannerIds.size()) == kBannerIds;
    }
    bool bannerGone() {
        for (const QString& id : kBannerIds)
            if (has(homeDoc(), id)) return false;
        return true;
    }
    // Runs the check and waits until the banner's pictures are drawn.
    void checkAndWait() {
        check->check();
        ASSERT_TRUE(waitFor([&] {
            return homeDoc().getElementById("img1_llq").offsetWidth() > 0 &&
                   homeDoc().getElementById("img0_llq").offsetWidth() > 0;
        }));
    }
    QString mimeapps() const { return readFile(home.path() + "/.config/mimeapps.list"); }

public:
    // Another browser installed and chosen as the desktop's http handler.
    void otherBrowserIsDefault() {
        const QString apps = home.path() + "/.local/share/applications";
        QDir().mkpath(apps);
        QFile entry(apps + "/other.desktop");
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Other\nExec=/usr/bin/true %u\n");
        entry.close();
        QFile list(home.path() + "/.config/mimeapps.list");
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("[Default Applications]\nx-scheme-handler/http=other.desktop\nx-scheme-handler/https=other.desktop\n");
    }

protected:
    DefaultBrowser* check = nullptr;
};

TEST_F(DefaultBrowserTest, CheckDecision) {
    struct Case {
        const char* name;
        std::function<void(DefaultBrowserTest&)> arrange;
        bool banner;
    };
    const Case cases[] = {
        {"no http handler at all", [](DefaultBrowserTest&) {}, true},
        {"another browser is the default", [](DefaultBrowserTest& t) { t.otherBrowserIsDefault(); }, true},
        {"this program is the default", [](DefaultBrowserTest&) { DefaultBrowser::associate(); }, false},
        {"only https is associated",
         [](DefaultBrowserTest&) {
             sys::Registry::RegWrite("HKEY_CURRENT_USER\\Software\\Classes\\https\\shell\\open\\command\\",
                                     app::openCommand());
         },
         true},
        {"class name inside a longer text counts",
         [](DefaultBrowserTest&) {
             DefaultBrowser::associate();
             sys::Registry::RegWrite(kHttpProgId, "xTavrolin.2");
         },
         false},
        {"class name in other letter case does not",
         [](DefaultBrowserTest&) {
             DefaultBrowser::associate();
             sys::Registry::RegWrite(kHttpProgId, "tavrolin");
         },
         true},
        {"a blank before %1 does not count",
         [](DefaultBrowserTest&) {
             DefaultBrowser::associate();
             QString spaced = app::openCommand();
             spaced.insert(spaced.size() - 2, ' ');
             sys::Registry::RegWrite(kHttpCommand, spaced);
         },
         true},
        {"open command inside a longer text counts",
         [](DefaultBrowserTest&) {
             DefaultBrowser::associate();
             sys::Registry::RegWrite(kHttpCommand, "env X=1 " + app::openCommand() + " --new");
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(home.path() + "/.config/mimeapps.list");
        QFile::remove(sys::Registry::storeFile());
        QDir(home.path() + "/.local/share/applications").removeRecursively();
        for (const QString& id : kBannerIds) rt::step([&] { homeDoc().getElementById(id).remove(); });

        c.arrange(*this);
        check->check();
        EXPECT_EQ(bannerShown(), c.banner);
        if (!c.banner) {
            EXPECT_TRUE(bannerGone());
        }
    }
}

TEST_F(DefaultBrowserTest, BannerContent) {
    checkAndWait();
    ASSERT_TRUE(bannerShown());
    const web::Document d = homeDoc();
    EXPECT_EQ(d.getElementById("label_llq").innerText(), "当前：不是默认浏览器(作用：打开没有指定的网址)");
    EXPECT_TRUE(d.getElementById("label_llq").styleCssText().contains("font-family: " + fgSetting("字体")) ||
                d.getElementById("label_llq").styleCssText().contains("font-family:" + fgSetting("字体")));
    EXPECT_EQ(d.getElementById("input_llq").getAttribute("type"), "button");
    EXPECT_TRUE(d.getElementById("img1_llq").src().startsWith("data:image/png"));
    EXPECT_TRUE(d.getElementById("img0_llq").src().startsWith("data:image/png"));
}

TEST_F(DefaultBrowserTest, NoAnswerRemovesTheBannerAndWritesNothing) {
    checkAndWait();
    const QString storeBefore = readFile(sys::Registry::storeFile());
    click(f1().WebBrowser1(1), "img0_llq");
    EXPECT_TRUE(bannerGone());
    EXPECT_EQ(readFile(sys::Registry::storeFile()), storeBefore);
    EXPECT_FALSE(mimeapps().contains("zelvaro"));
    EXPECT_EQ(setting("默认浏览器"), "0");
}

TEST_F(DefaultBrowserTest, YesAnswerMakesThisProgramTheDefaultBrowser) {
    otherBrowserIsDefault();
    checkAndWait();
    click(f1().WebBrowser1(1), "img1_llq");
    EXPECT_TRUE(bannerGone());

    const QString command = app::openCommand();
    EXPECT_EQ(read("HKEY_CLASSES_ROOT\\http\\shell\\open\\command\\"), command);
    EXPECT_EQ(read("HKEY_CLASSES_ROOT\\https\\shell\\open\\command\\"), command);
    EXPECT_EQ(read("HKEY_CURRENT_USER\\Software\\Classes\\http\\shell\\open\\command\\"), command);
    EXPECT_EQ(read("HKEY_CURRENT_USER\\Software\\Classes\\https\\shell\\open\\command\\"), command);
    EXPECT_EQ(read(kHttpProgId), "Tavrolin");
    EXPECT_EQ(read(QString(kHttpProgId).replace("\\http\\", "\\https\\")), "Tavrolin");
    EXPECT_TRUE(mimeapps().contains("x-scheme-handler/http=zelvaro.desktop")) << mimeapps().toStdString();
    EXPECT_TRUE(mimeapps().contains("x-scheme-handler/https=zelvaro.desktop")) << mimeapps().toStdString();
    EXPECT_TRUE(DefaultBrowser::isDefaultBrowser());

    check->check();  // the next check passes
    EXPECT_TRUE(bannerGone());
}

TEST_F(DefaultBrowserTest, YesAnswerWithRefusedClassRootStillAssociates) {
    sys::Registry::setWritesRefused("HKCR", true);
    checkAndWait();
    click(f1().WebBrowser1(1), "img1_llq");
    sys::Registry::clearRefusedWrites();
    EXPECT_TRUE(bannerGone());
    EXPECT_EQ(read("HKEY_CURRENT_USER\\Software\\Classes\\https\\shell\\open\\command\\"), app::openCommand());
    EXPECT_TRUE(mimeapps().contains("x-scheme-handler/http=zelvaro.desktop"));
    EXPECT_TRUE(DefaultBrowser::isDefaultBrowser());
}

TEST_F(DefaultBrowserTest, ClicksElsewhereLeaveTheBanner) {
    checkAndWait();
    for (const char* id : {"input_llq", "label_llq"}) {
        f1().Text7.setVisible(true);
        f1().Command8.setTag("2");
        click(f1().WebBrowser1(1), id);
        EXPECT_TRUE(bannerShown()) << id;
        EXPECT_FALSE(f1().Text7.visible()) << id;
        EXPECT_EQ(f1().Command8.tag(), "0") << id;
    }
    EXPECT_FALSE(mimeapps().contains("zelvaro"));
}

TEST_F(DefaultBrowserTest, HomePageLinksOpenInANewWindow) {
    struct Case {
        const char* click;
        const char* link;
        const char* target;
    };
    const Case cases[] = {
        {"plain", "plain", "_blank"},
        {"framed", "framed", "_blank"},
        {"blank", "blank", "_BLANK"},
        {"tileimg", "tile", "_blank"},  // a tile's picture inside its link
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.click);
        click(f1().WebBrowser1(1), c.click);
        EXPECT_EQ(homeDoc().getElementById(c.link).target(), c.target);
        EXPECT_TRUE(homeDoc().url().endsWith("home.html"));  // the home page stays
    }
}

TEST_F(DefaultBrowserTest, JobTenRunsTheCheckOnceASecondAfterStart) {
    setSetting("默认浏览器", "");
    ASSERT_TRUE(startWithHomePage(pageFile("home2.html", "<p>home</p>")));
    ASSERT_TRUE(f1().Timer4(10).enabled());
    clock.advance(999);
    EXPECT_FALSE(has(homeDoc(), "input_llq"));
    clock.advance(1);
    EXPECT_TRUE(bannerShown());
    EXPECT_FALSE(f1().Timer4(10).enabled());
}

}  // namespace

// --- the job DefaultBrowserCheck on its own ----------------------------------------------------------

namespace {

using forms::Job;

class DefaultBrowserCheckJob : public JobsFixture {};

TEST_F(DefaultBrowserCheckJob, PutsTheBannerIntoTheHomePage) {
    ASSERT_TRUE(waitFor([&] {
        try {
            return !f1().WebBrowser1(1).busy() && !doc(1).body().isNull();
        } catch (...) {
            return false;
        }
    }));
    forms::start(f1(), Job::DefaultBrowserCheck);
    clock.advance(1000);
    EXPECT_FALSE(doc(1).getElementById("img1_llq").isNull());
    EXPECT_FALSE(timer(Job::DefaultBrowserCheck).enabled());
}

}  // namespace
