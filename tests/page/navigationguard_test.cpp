// The guard before every navigation of a tab slot's browser: the popped-out slot, the frame-blocking
// counter (98 / 99 characters), the iframe-hiding job, the go command's grace, the hint re-arm, and
// WebBrowser22 that loads nothing.
#include "page_fixture.h"
#include "support/program/jobs_fixture.h"

#include "forms/form4.h"
#include "forms/frameblockinggrace.h"
#include "records/favoriterecord.h"
#include "platform/sys/textfile.h"

namespace {

const QByteArray kThreeFrames = "<html><head><meta charset=\"utf-8\"><title>three frames</title></head><body>"
                                "<iframe id=\"f1\" src=\"/pages/frame_child.html\"></iframe>"
                                "<iframe id=\"f2\" src=\"/pages/frame_child.html\"></iframe>"
                                "<iframe id=\"f3\" src=\"/pages/frame_child.html\"></iframe>";

class NavigationGuardTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        ASSERT_TRUE(startProgram());
        server.addPage("/pages/target.html", titled("target", "<p id=\"arrived\">arrived</p>"));
    }
    // An address of the loopback server exactly `length` characters long.
    QString addressOfLength(int length) {
        QString a = server.urlText("/pages/target.html?");
        EXPECT_LE(a.size(), length);
        return a + QString(length - a.size(), QLatin1Char('x'));
    }
    int requestsOf(const QString& path) { return server.requestsFor(path).size(); }
    void stopJobs() {
        for (int i : {0, 6, 8}) f1().Timer4(i).setEnabled(false);
    }
};

// --- the counter ---------------------------------------------------------------------------------

struct CounterCase {
    const char* name;
    const char* blocking;  // 框架不加载
    const char* counter;   // before
    int length;            // of the address
    const char* after;     // the counter after
    bool cancelled;
};

TEST_F(NavigationGuardTest, CounterLetsTheFirstNavigationThrough) {
    const CounterCase cases[] = {
        {"short first address", "0", "0", 98, "2", false},
        {"long first address leaves room for one more", "0", "0", 99, "1", false},
        {"one more after a long one", "0", "1", 98, "2", false},
        {"one more, long again", "0", "1", 150, "2", false},
        {"then cancelled", "0", "2", 98, "2", true},
        {"cancelled whatever its length", "0", "2", 99, "2", true},
        {"blocking off: neither read nor written", "1", "2", 98, "2", false},
        {"blocking off, counter kept at 0", "1", "0", 98, "0", false},
        {"no number counts as on", "", "0", 98, "2", false},
    };
    setSetting("连接提示", "1");
    const int k = openTab();
    for (const CounterCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(waitFor([&] { return idle(k); }));
        stopJobs();
        server.clearRequests();
        setSetting("框架不加载", QString::fromUtf8(c.blocking));
        f1().Command8.setTag(QString::fromUtf8(c.counter));

        const QString address = addressOfLength(c.length);
        ASSERT_EQ(address.size(), c.length);
        f1().WebBrowser1(k).Navigate(address);
        // The guard ran before Navigate returned.
        EXPECT_EQ(f1().Command8.tag(), QString::fromUtf8(c.after));
        // A cancel restarts the iframe-hiding job; a navigation let through re-arms the hint jobs.
        EXPECT_EQ(due(8), c.cancelled ? 100 : -1);
        EXPECT_EQ(due(0), c.cancelled ? -1 : 3000);
        EXPECT_EQ(due(6), c.cancelled ? -1 : 10000);
        if (!c.cancelled) {
            EXPECT_EQ(f1().Timer4(6).tag(), "0");
        }
        if (c.cancelled) {
            settle(300);
            EXPECT_EQ(requestsOf("/pages/target.html"), 0);
        } else {
            EXPECT_TRUE(waitFor([&] { return requestsOf("/pages/target.html") == 1; }));
        }
    }
}

struct HintCase {
    const char* name;
    const char* hint;  // 连接提示
    bool rearmed;
};

TEST_F(NavigationGuardTest, HintReArmFollowsTheSetting) {
    const HintCase cases[] = {
        {"on", "1", true},
        {"off", "0", false},
        {"another number", "2", false},
        {"no number counts as on", "", true},
    };
    const int k = openTab();
    for (const HintCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(waitFor([&] { return idle(k); }));
        stopJobs();
        f1().Timer4(6).setTag("1");
        setSetting("连接提示", QString::fromUtf8(c.hint));
        f1().WebBrowser1(k).Navigate(addressOfLength(60));
        EXPECT_EQ(due(0), c.rearmed ? 3000 : -1);
        EXPECT_EQ(due(6), c.rearmed ? 10000 : -1);
        EXPECT_EQ(f1().Timer4(6).tag(), c.rearmed ? "0" : "1");
    }
}

// --- a page of three iframes and a script redirect -----------------------------------------------

TEST_F(NavigationGuardTest, FramesAndRedirectAfterTheFirstNavigationAreCancelled) {
    const QString address = servePage(
        "/blocked.html", kThreeFrames + "<script>setTimeout(function(){document.title='leaving';"
                                        "location.href='/pages/target.html';},50);</script></body></html>");
    setSetting("框架不加载", "0");
    const int k = openTab();
    f1().Command8.setTag("0");  // as a click in a page leaves it
    f1().WebBrowser1(k).Navigate(address);
    ASSERT_TRUE(waitLoaded(k, "/blocked.html"));
    ASSERT_TRUE(waitFor([&] { return doc(k).title() == "leaving"; }));
    settle(300);

    EXPECT_EQ(requestsOf("/blocked.html"), 1);
    EXPECT_EQ(requestsOf("/pages/frame_child.html"), 0);
    EXPECT_EQ(requestsOf("/pages/target.html"), 0);
    EXPECT_TRUE(doc(k).url().endsWith("/blocked.html"));
    EXPECT_EQ(f1().Command8.tag(), "2");

    // The iframe-hiding job runs 100 ms after the last cancel and hides the front page's iframes.
    ASSERT_EQ(due(8), 100);
    clock.advance(99);
    EXPECT_EQ(doc(k).getElementById("f1").styleProperty("visibility"), "");
    clock.advance(1);
    for (const char* id : {"f1", "f2", "f3"}) EXPECT_EQ(doc(k).getElementById(id).styleProperty("visibility"), "hidden") << id;
    EXPECT_EQ(due(8), -1);
}

TEST_F(NavigationGuardTest, CancelInAnotherSlotCountsToo) {
    setSetting("框架不加载", "0");
    const int back = openTab();
    const int front = openTab();
    f1().Command8.setTag("2");
    f1().WebBrowser1(back).Navigate(addressOfLength(60));
    EXPECT_FALSE(f1().WebBrowser1(back).busy());
    EXPECT_EQ(due(8), 100);
    f1().WebBrowser1(1).Navigate(addressOfLength(61));
    EXPECT_FALSE(f1().WebBrowser1(1).busy());
    settle(200);
    EXPECT_EQ(requestsOf("/pages/target.html"), 0);
    EXPECT_EQ(f1().Label9.caption(), QString::number(front));
}

// --- the grace of the go command -----------------------------------------------------------------

TEST_F(NavigationGuardTest, TypedAddressAndItsFramesPassDuringTheGrace) {
    const QString address = servePage("/typed.html", kThreeFrames + "</body></html>");
    setSetting("框架不加载", "0");
    f1().Command8.setTag("2");  // would cancel the next navigation
    f1().Text7.setText(address);
    f1().Command1.press();
    EXPECT_EQ(setting("框架不加载"), "1");
    ASSERT_TRUE(waitFor([&] { return requestsOf("/pages/frame_child.html") == 3; }));
    const int k = rt::toInt32(f1().Label9.caption());
    ASSERT_TRUE(waitLoaded(k, "/typed.html"));
    EXPECT_EQ(f1().Command8.tag(), "2");

    clock.advance(3000);
    EXPECT_EQ(setting("框架不加载"), "0");
    f1().WebBrowser1(k).Navigate(addressOfLength(60));
    EXPECT_FALSE(f1().WebBrowser1(k).busy());
    EXPECT_EQ(due(8), 100);
}

// Every navigation the user starts from the main window passes frame blocking like a typed address,
// also when a page has left the counter at "2": a typed search (a second one too, after the grace of
// the first has ended) and a pick from the address box's recent addresses.
TEST_F(NavigationGuardTest, SearchesAndRecentAddressesPassLikeATypedAddress) {
    servePage("/search", titled("search", "<p>search</p>"));
    const QString recent = servePage("/recent.html", titled("recent", "<p>recent</p>"));
    storeText(forms::Txt::Sousuo, "搜索连接1", server.urlText("/search") + "?q=%s%");
    setSetting("搜索引擎", "1");
    const QDateTime when(QDate(2026, 12, 1), QTime(21, 5, 33));
    sys::writeLines(sys::appPath() + "\\txt\\网址.html",
                    {FavoriteRecord::make(when, recent, "0.1", FavoriteRecord::typedText(recent)).toLine()});
    setSetting("框架不加载", "0");

    struct Step {
        const char* name;
        std::function<void()> start;
        QString path;
    };
    const Step steps[] = {
        {"typed search", [&] { f1().Label13.setTag("first"); f1().Label13_Click(); }, "/search"},
        {"second typed search", [&] { f1().Label13.setTag("second"); f1().Label13_Click(); }, "/search"},
        {"recent address",
         [&] {
             services.queuePopupChoice("top20", 1);
             f1().Text7.onMouseDown(2, 0, 0, 0);
         },
         "/recent.html"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        // A page's frames and scripts have used the navigation the last click allowed.
        f1().Command8.setTag("2");
        clock.advance(3000);  // any grace before has ended
        ASSERT_EQ(setting("框架不加载"), "0");
        server.clearRequests();
        s.start();
        const int k = rt::toInt32(f1().Label9.caption());
        EXPECT_TRUE(waitFor([&] { return !server.requestsFor(s.path).isEmpty(); }));
        EXPECT_TRUE(waitLoaded(k, s.path));
    }
}

// --- an untitled page resets the counter ---------------------------------------------------------

TEST_F(NavigationGuardTest, PictureWithoutTitleResetsTheCounter) {
    setSetting("框架不加载", "0");
    const int k = openTab();
    f1().Command8.setTag("0");
    ASSERT_TRUE(load(k, server.urlText("/pages/picture.png")));
    // The picture was the navigation let through; having no title, it resets the counter.
    EXPECT_EQ(f1().Command8.tag(), "0");
    f1().WebBrowser1(k).Navigate(addressOfLength(60));
    EXPECT_TRUE(waitFor([&] { return requestsOf("/pages/target.html") == 1; }));
}

// --- the popped-out slot -------------------------------------------------------------------------

struct PoppedOutCase {
    const char* name;
    const char* blocking;
    const char* counter;
    const char* after;
};

TEST_F(NavigationGuardTest, PoppedOutSlotIsRefusedAndStillCounts) {
    const PoppedOutCase cases[] = {
        {"blocking off", "1", "0", "0"},
        {"blocking on: the refusal counts", "0", "0", "2"},
        {"blocking on, cancelled twice", "0", "2", "2"},
    };
    const int k = openTab();
    for (const PoppedOutCase& c : cases) {
        SCOPED_TRACE(c.name);
        services.clearRecords();
        stopJobs();
        setSetting("框架不加载", QString::fromUtf8(c.blocking));
        f1().Command7.setTag(QString::number(k));
        f1().Command8.setTag(QString::fromUtf8(c.counter));
        f1().WebBrowser1(k).Navigate(addressOfLength(60));
        EXPECT_FALSE(f1().WebBrowser1(k).busy());
        ASSERT_EQ(services.messages(), QStringList{"窗口独立运行中，点击被中断"});
        EXPECT_EQ(services.boxes().front().title, "Flash播放器");
        EXPECT_EQ(f1().Command8.tag(), QString::fromUtf8(c.after));
    }
    // Another slot navigates as usual.
    services.clearRecords();
    setSetting("框架不加载", "1");
    ASSERT_TRUE(load(1, addressOfLength(60), "/pages/target.html"));
    EXPECT_TRUE(services.messages().isEmpty());
    settle(200);
    EXPECT_EQ(requestsOf("/pages/target.html"), 1);
}

// --- WebBrowser22 --------------------------------------------------------------------------------

TEST_F(NavigationGuardTest, SecondBrowserLoadsNothing) {
    setSetting("UA", "1");
    f1().WebBrowser22.Navigate(addressOfLength(60), 0, QString(), QByteArray(), "User-Agent:Zv/1");
    EXPECT_FALSE(f1().WebBrowser22.busy());
    settle(300);
    EXPECT_EQ(requestsOf("/pages/target.html"), 0);
    EXPECT_TRUE(f1().WebBrowser22.document().isNull());
}

}  // namespace

// --- the job IframeHiding on a page of its own ------------------------------------------------------

namespace {

using forms::Job;

class IframeHidingJob : public JobsFixture {};

TEST_F(IframeHidingJob, IframesOfTheFrontPageAreHidden) {
    const int k = openPage("<iframe id=\"f1\" src=\"about:blank\"></iframe><iframe id=\"f2\" src=\"about:blank\"></iframe>"
                           "<iframe id=\"f3\" src=\"about:blank\"></iframe>");
    forms::restart(f1(), Job::IframeHiding);
    clock.advance(100);
    for (const char* id : {"f1", "f2", "f3"}) EXPECT_EQ(visibility(k, id), "hidden") << id;
    EXPECT_FALSE(timer(Job::IframeHiding).enabled());
}

TEST_F(IframeHidingJob, PageWithoutFramesIsLeftAlone) {
    const int k = openPage("<p id=\"p\">text</p>");
    forms::restart(f1(), Job::IframeHiding);
    clock.advance(100);
    EXPECT_EQ(visibility(k, "p"), "");
    EXPECT_FALSE(timer(Job::IframeHiding).enabled());
}

}  // namespace
