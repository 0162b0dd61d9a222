// The handlers of the home page's and the front tab's documents: the page blockers, the context menus,
// F5, the wheel, the search words, clicks and the close after a download.
#include "sinks_fixture.h"

#include "support/waits.h"
#include "app/aboutoverlay.h"
#include "support/program/jobs_fixture.h"

#include <QList>

namespace {

class PageSinksTest : public SinksTest {
protected:
    void SetUp() override {
        SinksTest::SetUp();
        ASSERT_TRUE(startProgram());
        services.clearRecords();
    }
    bool popped(const QString& name) {
        for (const ShownPopup& p : services.popups())
            if (p.menu.name == name) return true;
        return false;
    }
    // With 网页右键 and 禁止滚轮 False: a right click on the element shows the document menu once (one
    // listener, one sink), and a wheel turn over "tall" does not scroll the page.
    void expectTheProgramsHandling(int k, const QString& id) {
        services.clearRecords();
        services.queuePopupNone();
        rightClick(k, id);
        EXPECT_TRUE(popped("WDYJ"));
        EXPECT_FALSE(popped("engine"));
        EXPECT_EQ(services.popups().size(), 1u);
        doc(k).scrollTo(0, 0);
        wheel(k, "tall");
        settle(300);
        EXPECT_EQ(scrollY(k), 0);
    }
};

// Each blocker setting on a tab page, and what a person sees: a drag out of the page, a selection
// start, wheel scrolling and the engine's own context menu.
TEST_F(PageSinksTest, BlockersFollowTheirSettings) {
    struct Case {
        const char* value;
        bool allowed;
    };
    const Case cases[] = {{"True", true}, {"1", true}, {"False", false}, {"0", false}, {"", false}, {"abc", false}};
    const int k = openPage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        for (const char* key : {"禁止拖拽", "禁止选中", "禁止滚轮", "网页右键"}) setSetting(key, c.value);
        watchRefusals(k);
        doc(k).scrollTo(0, 0);
        drag(k, "pic");
        EXPECT_EQ(refused(k, "dragstart"), c.allowed ? "false" : "true");
        drag(k, "text");
        EXPECT_EQ(refused(k, "selectstart"), c.allowed ? "false" : "true");
        wheel(k, "tall");
        EXPECT_TRUE(waitFor([&] { return (scrollY(k) > 0) == c.allowed; }));
        settle(50);
        EXPECT_EQ(scrollY(k) > 0, c.allowed);
        services.clearRecords();
        services.queuePopupNone();
        rightClick(k, "text");
        // The engine's menu with True; the program's document menu otherwise.
        EXPECT_EQ(popped("engine"), c.allowed);
        EXPECT_EQ(popped("WDYJ"), !c.allowed);
    }
}

TEST_F(PageSinksTest, TheHomePageRefusesDragsAndShowsNoMenuUnlessAsked) {
    const QString file = pageFile("home.html", titled("首页", "<p id=\"text\">首页的文字 words</p>"
                                                               "<img id=\"pic\" src=\"picture.png\" width=\"40\" height=\"40\">"
                                                               "<div id=\"tall\" style=\"height:5000px\">长</div>"));
    ASSERT_TRUE(load(1, QUrl::fromLocalFile(file).toString(), "home.html"));
    f1().Label9.setCaption("1");
    for (const char* value : {"True", "False", ""}) {
        SCOPED_TRACE(value);
        for (const char* key : {"禁止拖拽", "禁止选中", "禁止滚轮", "网页右键"}) setSetting(key, value);
        watchRefusals(1);
        doc(1).scrollTo(0, 0);
        drag(1, "pic");
        EXPECT_EQ(refused(1, "dragstart"), "true");
        drag(1, "text");
        EXPECT_EQ(refused(1, "selectstart"), "false");
        wheel(1, "tall");
        EXPECT_TRUE(waitFor([&] { return scrollY(1) > 0; }));
        services.clearRecords();
        services.queuePopupNone();
        f1().Command8.setTag("5");
        rightClick(1, "text");
        EXPECT_EQ(popped("engine"), QByteArray(value) == "True");
        EXPECT_FALSE(popped("WDYJ"));
        EXPECT_EQ(f1().Command8.tag(), "0");
    }
}

TEST_F(PageSinksTest, ATileGetsTheTileEditorMenu) {
    const QString file = pageFile("tiles.html", titled("导航", "<a id=\"TavrolinOK01\" href=\"#\" style=\"display:block;height:40px\">百度</a>"
                                                                "<a id=\"Tavrolin0.25\" href=\"#\" style=\"display:block;height:40px\">我的</a>"));
    ASSERT_TRUE(load(1, QUrl::fromLocalFile(file).toString(), "tiles.html"));
    setSetting("网页右键", "True");
    struct Case {
        const char* id;
        bool restore;
    };
    for (const Case& c : {Case{"TavrolinOK01", true}, Case{"Tavrolin0.25", false}}) {
        SCOPED_TRACE(c.id);
        services.clearRecords();
        services.queuePopupNone();
        rightClick(1, c.id);
        ASSERT_EQ(services.popups().size(), 1u) << "the tile editor only, never the engine's menu";
        const ShownPopup& p = services.popups()[0];
        EXPECT_EQ(p.menu.name, "BJDH");
        ASSERT_NE(p.item("BJDH100", 7), nullptr);
        EXPECT_EQ(p.item("BJDH100", 7)->enabled, c.restore);
        for (int i = 1; i <= 11; ++i)
            EXPECT_EQ(f4().BJDH100(i).caption(), storedText(forms::Txt::Youjian, QStringLiteral("CND%1").arg(i, 2, 10, QChar('0'))));
    }
}

// The shipped navigation page: a right click on a tile runs the chosen item on that tile.
TEST_F(PageSinksTest, ATileItemEditsTheRightClickedTile) {
    f1().Command3.press();  // the default page
    ASSERT_TRUE(load(1, QUrl::fromLocalFile(sys::nativePath(sys::appPath() + "\\导航.html")).toString(), "html"));
    ASSERT_TRUE(has(1, "TavrolinOK02"));
    services.clearRecords();
    services.queuePopupChoice("BJDH100", 5);
    services.queueInput("title=新的标题");  // the box offers "title=" and the current title
    rightClick(1, "TavrolinOK02");
    ASSERT_EQ(services.boxes(ShownBox::Input).size(), 1u);
    EXPECT_EQ(services.boxes(ShownBox::Input)[0].prompt, "标题");
    const QString page = sys::readText(sys::appPath() + "\\导航.html");
    const int at = page.indexOf("TavrolinOK02");
    ASSERT_GE(at, 0);
    EXPECT_TRUE(page.mid(at - 300, 600).contains("新的标题")) << page.mid(at - 300, 600).toStdString();
}

TEST_F(PageSinksTest, F5InATab) {
    const int k = openPage();
    for (const char* hint : {"1", "0", "abc"}) {
        SCOPED_TRACE(hint);
        setSetting("连接提示", hint);
        f1().Timer4(0).setEnabled(false);
        server.clearRequests();
        key(k, Qt::Key_F5);
        EXPECT_TRUE(waitFor([&] { return !server.requestsFor("/pages/menu.html").isEmpty(); })) << "the page reloads";
        EXPECT_EQ(due(0) >= 0, QByteArray(hint) != "0");
        ASSERT_TRUE(waitLoaded(k, "menu.html"));
    }
    // A job 0 already counting down is not restarted.
    setSetting("连接提示", "1");
    clock.advance(1000);
    const long long left = due(0);
    key(k, Qt::Key_F5);
    EXPECT_EQ(due(0), left);
}

TEST_F(PageSinksTest, F5TwiceOnTheHomePageRunsTheRefreshJobOnce) {
    const QString file = pageFile("home.html", titled("首页", "<p id=\"text\">首页</p>"));
    ASSERT_TRUE(load(1, QUrl::fromLocalFile(file).toString(), "home.html"));
    key(1, Qt::Key_F5);
    EXPECT_EQ(due(9), 1000);
    clock.advance(600);
    key(1, Qt::Key_F5);
    EXPECT_EQ(due(9), 1000);
    clock.advance(999);
    EXPECT_EQ(due(9), 1);
    clock.advance(1);
    EXPECT_EQ(due(9), -1);
    key(1, Qt::Key_A);
    EXPECT_EQ(due(9), -1);
}

TEST_F(PageSinksTest, ASelectionBecomesTheSearchWords) {
    setSetting("禁止选中", "True");
    const int k = openPage();
    f1().Label13.setTag("");
    doubleClickWord(k, "text", "selectable");
    EXPECT_TRUE(waitFor([&] { return f1().Label13.tag() == "selectable"; }));
    // A click that empties the selection leaves the words.
    click(k, "tall");
    settle(100);
    EXPECT_EQ(doc(k).selectionText(), "");
    EXPECT_EQ(f1().Label13.tag(), "selectable");
}

// A selection the page's script makes on its own is not the user's: it never becomes the search
// words, neither on load nor later; the user's own selection still does.
TEST_F(PageSinksTest, OnlyTheUsersSelectionBecomesTheSearchWords) {
    setSetting("禁止选中", "True");
    servePage("/selects.html", titled("选中", "<p id=\"text\">可以被选中的文字 selectable words</p>"
                                              "<p id=\"ad\">广告词</p><script>"
                                              "function pick(){var r=document.createRange();"
                                              "r.selectNodeContents(document.getElementById('ad'));"
                                              "getSelection().removeAllRanges();getSelection().addRange(r);}"
                                              "pick();setTimeout(pick,200);</script>"));
    const int k = openTab();
    ASSERT_TRUE(load(k, server.urlText("/selects.html")));
    f1().Label13.setTag("之前");
    settle(400);
    scriptSelect(k, "text");
    settle(300);
    EXPECT_EQ(doc(k).selectionText(), "可以被选中的文字 selectable words");
    EXPECT_EQ(f1().Label13.tag(), "之前");
    doubleClickWord(k, "text", "selectable");
    EXPECT_TRUE(waitFor([&] { return f1().Label13.tag() == "selectable"; }));
}

// The page handling applies as soon as the document is there, also on a page whose picture never
// arrives (the load never ends): the document menu, the wheel refusal, one handler per event, and the
// title.
TEST_F(PageSinksTest, APageWhosePictureNeverArrivesIsHandledOnceItsDocumentIsThere) {
    TestHttpServer::Response hanging;
    hanging.headers = {{"Content-Type", "image/png"}};
    hanging.body = "never";
    hanging.held = true;  // never released
    server.addRoute("/hanging.png", hanging);
    servePage("/hanging.html", titled("等图片", "<p id=\"text\" style=\"font-size:20px\">文字</p>"
                                                "<img src=\"/hanging.png\" width=\"40\" height=\"40\">"
                                                "<div id=\"tall\" style=\"height:9000px\">长</div>"));
    setSetting("禁止滚轮", "False");
    setSetting("网页右键", "False");
    const int k = openTab();
    f1().WebBrowser1(k).Navigate(server.urlText("/hanging.html"));
    ASSERT_TRUE(waitFor([&] { return !server.requestsFor("/hanging.png").isEmpty(); }));
    ASSERT_TRUE(waitFor([&] { return f1().lv(k).caption().contains("等图片"); }));
    // The user waits for the page to show; it is still loading.
    ASSERT_TRUE(waitFor([&] { return has(k, "tall"); }));
    ASSERT_TRUE(waitFor([&] { return f1().ORIBERISA.document() == doc(k); }));
    EXPECT_TRUE(f1().WebBrowser1(k).busy());

    expectTheProgramsHandling(k, "text");
    EXPECT_TRUE(f1().WebBrowser1(k).busy());
}

// A page that rewrites its document (document.open and write) keeps the program's handling: a right
// click shows the document menu, not the engine's.
TEST_F(PageSinksTest, APageThatRewritesItsDocumentKeepsTheDocumentMenu) {
    setSetting("网页右键", "False");
    setSetting("禁止滚轮", "False");
    const int k = openPage();
    for (const char* when : {"at once", "later"}) {
        SCOPED_TRACE(when);
        const QString rewrite = QStringLiteral(
            "document.open();document.write('<html><head><title>重写</title></head><body style=\"margin:0\">"
            "<p id=\"again\" style=\"font-size:20px\">新的文字</p>"
            "<div id=\"tall\" style=\"height:9000px\">长</div></body></html>');document.close();");
        if (QByteArray(when) == "at once")
            doc(k).evaluate(rewrite);
        else
            doc(k).evaluate(QStringLiteral("setTimeout(function(){%1},50)").arg(rewrite));
        ASSERT_TRUE(waitFor([&] { return has(k, "again") && doc(k).title() == QStringLiteral("重写"); }));
        expectTheProgramsHandling(k, "again");
    }
}

TEST_F(PageSinksTest, AClickHidesTheAddressBoxAndClosesTheAboutBox) {
    const int k = openPage();
    f1().Text7.setVisible(true);
    f1().Command8.setTag("3");
    click(k, "text");
    EXPECT_FALSE(f1().Text7.visible());
    EXPECT_EQ(f1().Command8.tag(), "0");
    // The about box: a click on its close caption removes it, on its picture nothing.
    program().find<AboutOverlay>()->showOrRemove();
    ASSERT_TRUE(has(k, "fg7_label"));
    click(k, "fg0_img");
    EXPECT_TRUE(has(k, "fgs_style"));
    click(k, "fg7_label");
    for (const char* id : {"fg0_img", "fg8_input", "fg7_label", "fg1_label", "fg5_label", "fgs_style"}) EXPECT_FALSE(has(k, id)) << id;
}

TEST_F(PageSinksTest, ADownloadClosesOnlyTheTabItWasArmedFor) {
    const int a = openPage();
    const int b = openPage();
    ASSERT_EQ(forms::frontSlot(f1()), b);
    // Armed for the tab in front: the next move closes it, once.
    f1().downloadPending = 1;
    f1().downloadPendingSlot = b;
    moveOver(b, "text");
    EXPECT_TRUE(waitFor([&] { return f1().lv(b).caption().size() <= 1; }));
    EXPECT_EQ(f1().downloadPending, 0);
    clock.advance(200);  // the closed tab's teardown
    // Armed for another tab: the tab in front stays, and so does the other.
    ASSERT_EQ(forms::frontSlot(f1()), a);
    f1().downloadPending = 1;
    f1().downloadPendingSlot = 7;
    moveOver(a, "text");
    settle(100);
    EXPECT_GT(f1().lv(a).caption().size(), 1);
    EXPECT_EQ(f1().downloadPending, 0);
    // Never the home slot.
    f1().downloadPending = 1;
    f1().downloadPendingSlot = 1;
    moveOver(a, "text");
    settle(100);
    EXPECT_GT(f1().lv(a).caption().size(), 1);
}

}  // namespace

// The job HomeRefresh of the document connections: a second after F5 in the home page it presses the
// skin command Command2(20) and the link hint bar's Command8.
namespace {

using forms::Job;

class HomeRefreshJob : public JobsFixture {};

TEST_F(HomeRefreshJob, FollowUpPressesSkinAndHintBar) {
    setSetting("连接提示", "0");
    QList<int> pressed;
    f1().Command2.onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command2.onClick = [&](int index) { pressed << index; };
    forms::restart(f1(), Job::HomeRefresh);
    clock.advance(1000);
    EXPECT_EQ(pressed, QList<int>{20});
    EXPECT_EQ(hintPresses, 1);
}

}  // namespace
