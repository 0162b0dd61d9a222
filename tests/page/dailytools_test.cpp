// The daily tools: the calculator, find and save on the front page, the window halves, and the
// temporary hiding of a tag's elements in the front tab.
#include "page_fixture.h"

#include "forms/form4.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

class DailyToolsTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        ASSERT_TRUE(startProgram());
        services.clearRecords();
    }
    void choose(int item) { chooseFromMainMenu("RCGJ100", item); }
    QString visibility(int k, const QString& id) { return doc(k).getElementById(id).styleProperty("visibility"); }
};

TEST_F(DailyToolsTest, CalculatorStarts) {
    // No calculator installed: the user is told.
    const QByteArray oldPath = qgetenv("PATH");
    const QString bin = home.path() + "/bin";
    QDir().mkpath(bin);
    qputenv("PATH", bin.toLocal8Bit());
    choose(1);
    EXPECT_TRUE(launcher.starts.isEmpty());
    ASSERT_EQ(services.messages().size(), 1);
    EXPECT_TRUE(services.messages()[0].contains("计算器"));
    // One installed: it starts.
    QFile calc(bin + "/xcalc");
    calc.open(QIODevice::WriteOnly);
    calc.write("#!/bin/sh\n");
    calc.close();
    calc.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    services.clearRecords();
    choose(1);
    qputenv("PATH", oldPath);
    ASSERT_EQ(launcher.starts.size(), 1);
    EXPECT_TRUE(launcher.starts[0].program.endsWith("/xcalc"));
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(DailyToolsTest, FindAndSaveActOnTheFrontPage) {
    const int k = openTab();
    ASSERT_TRUE(load(k, server.urlText("/pages/links.html")));
    f1().Text7.setFocus();
    services.queueInput("没有这段文字");
    choose(2);
    ASSERT_EQ(services.boxes(ShownBox::Input).size(), 1u);
    EXPECT_EQ(services.boxes(ShownBox::Input)[0].title, "查找");
    EXPECT_EQ(services.messages(), QStringList({"找不到“没有这段文字”"}));
    EXPECT_TRUE(f1().WebBrowser1(k).widget()->hasFocus() || f1().WebBrowser1(k).widget()->isAncestorOf(QApplication::focusWidget()));

    const QString saved = home.path() + "/saved.html";
    services.queueSaveFile(saved);
    choose(3);
    ASSERT_EQ(services.boxes(ShownBox::SaveFile).size(), 1u);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("href"));

    // The home page when it is in front.
    f1().Label9.setCaption("1");
    services.clearRecords();
    services.queueSaveFile(home.path() + "/home.html");
    choose(3);
    EXPECT_TRUE(QFile::exists(home.path() + "/home.html"));
}

TEST_F(DailyToolsTest, WindowHalves) {
    struct Case {
        int width, height;  // screen, twips
    };
    const Case cases[] = {{28800, 16200}, {15000, 12000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        services.setScreen(QRect(0, 0, c.width, c.height));
        const double half = c.width / 2.0;
        const double width = std::max(half, 9000.0);
        choose(4);
        EXPECT_NEAR(f1().left(), 0, 15);
        EXPECT_NEAR(f1().top(), 0, 15);
        EXPECT_NEAR(f1().width(), width, 15);
        EXPECT_NEAR(f1().height(), std::max(c.height - 600.0, 6000.0), 15);
        choose(5);
        EXPECT_NEAR(f1().left(), half, 15);
        EXPECT_NEAR(f1().width(), width, 15);
    }
}

TEST_F(DailyToolsTest, HidingTogglesEachElementByItself) {
    const int k = openTab();
    ASSERT_TRUE(load(k, server.urlText("/pages/hiding.html")));
    choose(7);
    EXPECT_EQ(visibility(k, "a1"), "hidden");
    EXPECT_EQ(visibility(k, "a2"), "");
    EXPECT_EQ(visibility(k, "a3"), "");
    EXPECT_EQ(visibility(k, "i1"), "");
    choose(7);
    EXPECT_EQ(visibility(k, "a1"), "");
    EXPECT_EQ(visibility(k, "a2"), "hidden");
    EXPECT_EQ(visibility(k, "a3"), "hidden");
    choose(8);
    choose(9);
    EXPECT_EQ(visibility(k, "i1"), "hidden");
    EXPECT_EQ(visibility(k, "f1"), "hidden");
    const char* const tags[] = {"a", "img", "iframe", "object"};
    for (int i = 7; i <= 10; ++i) EXPECT_EQ(f4().RCGJ100(i).tag(), tags[i - 7]);
}

TEST_F(DailyToolsTest, TheHomePageIsNeverHidden) {
    const QString file = pageFile("home.html", titled("首页", "<a id=\"h\" href=\"#\">链接</a>"));
    ASSERT_TRUE(load(1, file, "home.html"));
    f1().Label9.setCaption("1");
    choose(7);
    EXPECT_EQ(visibility(1, "h"), "");
}

}  // namespace
