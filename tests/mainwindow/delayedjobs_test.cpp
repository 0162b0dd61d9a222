// The delayed-job timer array: start, restart and stop, each job switching itself off, and what
// every job does when it runs.
#include "support/program/program_fixture.h"
#include "forms/form14.h"

#include "forms/settings.h"
#include "mainwindow/delayedjobs.h"
#include "forms/form1.h"
#include "platform/rt/convert.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"
#include "support/http_server.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <vector>

namespace {

class DelayedJobsTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
        jobs = program().find<DelayedJobs>();
        ASSERT_NE(jobs, nullptr);
        f1().Command8.onClick = nullptr;  // the test takes the slot over from its owner
        f1().Command8.onClick = [this] { ++hintPresses; };
    }
    void TearDown() override {
        if (jobs) jobs->flashContainer = nullptr;
        ProgramFixture::TearDown();
    }

    // Opens a tab in front showing `body`; returns its slot.
    int openPage(const QString& body) {
        QDir().mkpath(folder.path() + "/pages");
        const QString file = folder.path() + QStringLiteral("/pages/p%1.html").arg(++pages);
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write("<html><head><meta charset=\"utf-8\"><title>page</title></head><body>" + body.toUtf8() +
                  "<i id=\"loaded\"></i></body></html>");
        out.close();
        f1().Command24.press();
        const int k = rt::toInt32(f1().Label9.caption());
        f1().WebBrowser1(k).Navigate(file);
        EXPECT_TRUE(waitFor([&] {
            try {
                return !f1().WebBrowser1(k).busy() && !f1().WebBrowser1(k).document().getElementById("loaded").isNull();
            } catch (...) {
                return false;
            }
        }));
        return k;
    }
    web::Document doc(int k) { return f1().WebBrowser1(k).document(); }
    QString visibility(int k, const QString& id) {
        return doc(k).getElementById(id).styleProperty("visibility");
    }

    DelayedJobs* jobs = nullptr;
    int hintPresses = 0;
    int pages = 0;
};

// --- start, restart, stop ------------------------------------------------------------------------

struct Op {
    int at;  // ms
    enum Kind { Start, Restart, Stop } kind;
};

struct ScheduleCase {
    const char* name;
    std::vector<Op> ops;
    std::vector<int> runs;  // when job 0 ran, ms
};

class Schedule : public DelayedJobsTest, public ::testing::WithParamInterface<ScheduleCase> {};

TEST_P(Schedule, JobRunsWhenItsTimerSays) {
    const ScheduleCase& c = GetParam();
    std::vector<int> runs;
    for (int t = 0; t <= 12000; t += 100) {
        for (const Op& op : c.ops) {
            if (op.at != t) continue;
            if (op.kind == Op::Start) DelayedJobs::start(f1(), 0);
            if (op.kind == Op::Restart) DelayedJobs::restart(f1(), 0);
            if (op.kind == Op::Stop) DelayedJobs::stop(f1(), 0);
        }
        const int before = hintPresses;
        clock.advance(100);
        if (hintPresses != before) runs.push_back(t + 100);
    }
    EXPECT_EQ(runs, c.runs);
}

INSTANTIATE_TEST_SUITE_P(
    DelayedJobs, Schedule,
    ::testing::Values(
        ScheduleCase{"StartOnce", {{0, Op::Start}}, {3000}},
        ScheduleCase{"StartTwiceKeepsTheCountdown", {{0, Op::Start}, {2000, Op::Start}}, {3000}},
        ScheduleCase{"RestartPushesBack", {{0, Op::Start}, {2000, Op::Restart}}, {5000}},
        ScheduleCase{"RestartsInABurstRunOnce", {{0, Op::Restart}, {1000, Op::Restart}, {2000, Op::Restart}}, {5000}},
        ScheduleCase{"StopDropsTheRun", {{0, Op::Start}, {2900, Op::Stop}}, {}},
        ScheduleCase{"StartAgainAfterTheRun", {{0, Op::Start}, {4000, Op::Start}}, {3000, 7000}},
        ScheduleCase{"NavigationThenRefresh", {{0, Op::Restart}, {1000, Op::Start}}, {3000}}),
    [](const ::testing::TestParamInfo<ScheduleCase>& info) { return std::string(info.param.name); });

struct OffCase {
    int index;
    int interval;
};

class SwitchesItselfOff : public DelayedJobsTest, public ::testing::WithParamInterface<OffCase> {};

TEST_P(SwitchesItselfOff, AfterOneInterval) {
    const OffCase& c = GetParam();
    DelayedJobs::start(f1(), c.index);
    clock.advance(c.interval - 1);
    EXPECT_TRUE(f1().Timer4(c.index).enabled());
    clock.advance(1);
    EXPECT_FALSE(f1().Timer4(c.index).enabled());
}

INSTANTIATE_TEST_SUITE_P(DelayedJobs, SwitchesItselfOff,
                         ::testing::Values(OffCase{0, 3000}, OffCase{1, 3000}, OffCase{2, 1000}, OffCase{3, 400},
                                           OffCase{4, 1000}, OffCase{6, 10000}, OffCase{7, 70}, OffCase{8, 100},
                                           OffCase{9, 1000}, OffCase{10, 1000}),
                         [](const ::testing::TestParamInfo<OffCase>& info) {
                             return "Job" + std::to_string(info.param.index);
                         });

// --- job 2: the title of a tab opened in the background --------------------------------------------

struct TitleCase {
    const char* name;
    const char* title;
    const char* count;  // 字数
    const char* caption;
    bool ticksOn;
};

class BackgroundTitle : public DelayedJobsTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(BackgroundTitle, LabelTakesTheCutTitle) {
    const TitleCase& c = GetParam();
    setSetting("字数", QString::fromUtf8(c.count));
    const int k = openPage("");
    doc(k).setTitle(QString::fromUtf8(c.title));
    f1().lv(k).setCaption("?");
    f1().Timer4(2).setTag(QString::number(k));
    DelayedJobs::start(f1(), 2);
    clock.advance(1000);
    EXPECT_EQ(f1().lv(k).caption(), QString::fromUtf8(c.caption));
    EXPECT_EQ(f1().Timer4(2).enabled(), c.ticksOn);
}

INSTANTIATE_TEST_SUITE_P(
    DelayedJobs, BackgroundTitle,
    ::testing::Values(TitleCase{"Fits", "abcdefghij", "10", "abcdefghij", false},
                      TitleCase{"Cut", "abcdefghijk", "10", "abcdefghij…", false},
                      TitleCase{"CountNotANumber", "whole title", "", "whole title", false},
                      TitleCase{"TwoCharactersKeepTicking", "ab", "10", "ab", true},
                      TitleCase{"CountBelowTwoKeepsTicking", "abcdef", "1", "a…", true}),
    [](const ::testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

TEST_F(DelayedJobsTest, BackgroundTitleStopsOnceItsTabIsGone) {
    // A slot that has no browser.
    f1().Timer4(2).setTag("7");
    DelayedJobs::start(f1(), 2);
    clock.advance(1000);
    EXPECT_FALSE(f1().Timer4(2).enabled());
    EXPECT_EQ(f1().lv(7).caption(), "H");
}

TEST_F(DelayedJobsTest, BackgroundTitleLeavesAClosingTabAlone) {
    const int k = openPage("");
    f1().lv(k).setVisible(false);
    f1().lv(k).setCaption("?");
    f1().Timer4(2).setTag(QString::number(k));
    DelayedJobs::start(f1(), 2);
    clock.advance(1000);
    EXPECT_EQ(f1().lv(k).caption(), "?");
    EXPECT_FALSE(f1().Timer4(2).enabled());
}

// --- job 3: the Flash re-parent --------------------------------------------------------------------

TEST_F(DelayedJobsTest, FlashReparentWithoutAPlayerMovesNothing) {
    int asked = 0;
    jobs->flashContainer = [&] {
        ++asked;
        return 0;
    };
    openPage("<p>no player</p>");
    DelayedJobs::start(f1(), 3);
    clock.advance(400);
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(f1().Timer4(3).enabled());
}

// --- job 4: the short-URL answer -------------------------------------------------------------------

class ShortUrl : public DelayedJobsTest {
protected:
    void SetUp() override {
        DelayedJobsTest::SetUp();
        server.addPage("/short_url/shorten.xml",
                       "<html><body><urls><url><url_short>http://t.cn/RzAbc12</url_short></url></urls></body></html>");
        server.addPage("/error/shorten.xml", "<html><body><error>invalid source</error></body></html>");
        services.setClipboard("before");
    }
    QString requestFor(const QString& address, const QString& path = "/short_url/shorten.xml") {
        return server.urlText(path) + "?source=6204817735&url_long=" + address;
    }
    // The never-shown short-URL fetch browser.
    web::WebBrowser& fetch() { return forms::form14().WebBrowser1; }
    void fetchNow(const QString& request) {
        fetch().Navigate(request);
        ASSERT_TRUE(waitFor([&] {
            try {
                return !fetch().busy() && fetch().document().url().contains("url_long");
            } catch (...) {
                return false;
            }
        }));
    }
    void answer(const QString& request, const QString& address) {
        jobs->setShortUrlRequest({3, address, request, "http://T.CN/"});
        DelayedJobs::start(f1(), 4);
        clock.advance(1000);
    }
    TestHttpServer server;
};

struct AnswerCase {
    const char* name;
    const char* typed;
    const char* clipboard;
};

class ShortUrlAnswer : public ShortUrl, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ShortUrlAnswer, OffersTheShortAddressOfThisRequest) {
    const AnswerCase& c = GetParam();
    const QString request = requestFor("http://tab.example/a?b=1");
    fetchNow(request);
    services.queueInput(QString::fromUtf8(c.typed));
    answer(request, "http://tab.example/a?b=1");

    const auto inputs = services.boxes(ShownBox::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].prompt, "http://tab.example/a?b=1");
    EXPECT_EQ(inputs[0].title, "短网址");
    EXPECT_EQ(inputs[0].defaultText, "http://t.cn/RzAbc12");
    EXPECT_DOUBLE_EQ(inputs[0].x, 1920 * 15 / 2.6);
    EXPECT_DOUBLE_EQ(inputs[0].y, 1080 * 15 / 2.0);
    EXPECT_EQ(services.clipboard(), QString::fromUtf8(c.clipboard));
    EXPECT_FALSE(f1().Timer4(4).enabled());
}

INSTANTIATE_TEST_SUITE_P(DelayedJobs, ShortUrlAnswer,
                         ::testing::Values(AnswerCase{"Accepted", "http://t.cn/RzAbc12", "http://t.cn/RzAbc12"},
                                           AnswerCase{"Edited", "http://t.cn/mine", "http://t.cn/mine"},
                                           AnswerCase{"Cancelled", "", "before"}),
                         [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST_F(ShortUrl, EarlierReplyIsNotOffered) {
    fetchNow(requestFor("http://old.example/"));
    // The new request has not been answered yet: the fetch browser still holds the old reply.
    answer(requestFor("http://new.example/"), "http://new.example/");
    EXPECT_TRUE(services.boxes(ShownBox::Input).empty());
    EXPECT_EQ(services.messages(), QStringList{DelayedJobs::kShortUrlNoReply});
    EXPECT_EQ(services.clipboard(), "before");
    EXPECT_FALSE(f1().Timer4(4).enabled());
}

TEST_F(ShortUrl, NoReplyAtAll) {
    answer(requestFor("http://new.example/"), "http://new.example/");
    EXPECT_TRUE(services.boxes(ShownBox::Input).empty());
    EXPECT_EQ(services.messages(), QStringList{DelayedJobs::kShortUrlNoReply});
}

TEST_F(ShortUrl, ReplyWithoutAShortAddressShowsNothing) {
    const QString request = requestFor("http://tab.example/", "/error/shorten.xml");
    fetchNow(request);
    answer(request, "http://tab.example/");
    EXPECT_TRUE(services.boxes().empty());
    EXPECT_EQ(services.clipboard(), "before");
    EXPECT_FALSE(f1().Timer4(4).enabled());
}

TEST_F(ShortUrl, NothingAskedNothingShown) {
    DelayedJobs::start(f1(), 4);
    clock.advance(1000);
    EXPECT_TRUE(services.boxes().empty());
    EXPECT_FALSE(f1().Timer4(4).enabled());
}

// --- job 6: hint hide ------------------------------------------------------------------------------

struct HintCase {
    const char* name;
    const char* text;
    bool hidden;
};

class HintHide : public DelayedJobsTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(HintHide, HidesABarStillShowingItsFirstText) {
    const HintCase& c = GetParam();
    // The page has its own element named like the bar's label; the program's bar comes after it.
    const int k = openPage("<label id=\"Tavrolinid\">页面自己的..</label>");
    f1().hintBars.make(doc(k), "宋体");
    const forms::HintBars::Bar bar = f1().hintBars.of(doc(k));
    bar.label.setInnerText(QString::fromUtf8(c.text));
    f1().Timer4(6).setTag("0");
    DelayedJobs::restart(f1(), 6);
    clock.advance(9999);
    EXPECT_EQ(f1().Timer4(6).tag(), "0");
    clock.advance(1);
    const QString expected = c.hidden ? "hidden" : "";
    EXPECT_EQ(bar.label.styleProperty("visibility"), expected);
    EXPECT_EQ(bar.strip.styleProperty("visibility"), expected);
    EXPECT_EQ(doc(k).getElementById("Tavrolinid").styleProperty("visibility"), "");
    EXPECT_EQ(f1().Timer4(6).tag(), "1");
    EXPECT_FALSE(f1().Timer4(6).enabled());
}

INSTANTIATE_TEST_SUITE_P(DelayedJobs, HintHide,
                         ::testing::Values(HintCase{"FirstText", "加载完成..", true},
                                           HintCase{"HoveredLink", "覆盖 http://a.cn/", false}),
                         [](const ::testing::TestParamInfo<HintCase>& info) { return std::string(info.param.name); });

TEST_F(DelayedJobsTest, HintHideWithoutABar) {
    openPage("<p>plain</p>");
    DelayedJobs::restart(f1(), 6);
    clock.advance(10000);
    EXPECT_EQ(f1().Timer4(6).tag(), "1");
}

// --- job 7: one step of the element list ------------------------------------------------------------

TEST_F(DelayedJobsTest, ElementListStepsUntilTheWorkerEnds) {
    // Eight elements in the body: the progress label, six more and the load marker.
    const int k = openPage("<label id=\"ym99_label\"></label><b></b><b></b><b></b><b></b><b></b><b></b>");
    f1().Command11.setToolTipText(QString::number(k));
    f1().Command11.setTag("0");
    f1().Timer4(7).setTag("0");
    QStringList written;
    // The element-list worker: writes element Timer4(7).Tag - 1, restarts the job until the last.
    f1().Command11.onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command11.onClick = [&] {
        written << f1().Timer4(7).tag();
        if (f1().Timer4(7).tag() != "8") DelayedJobs::restart(f1(), 7);
    };
    DelayedJobs::restart(f1(), 7);

    clock.advance(70);
    EXPECT_EQ(f1().Command11.tag(), "12.5");
    EXPECT_EQ(doc(k).getElementById("ym99_label").innerText(), "源码正在生成 12%");
    clock.advance(70 * 2);
    EXPECT_EQ(doc(k).getElementById("ym99_label").innerText(), "源码正在生成 37%");
    clock.advance(70 * 10);
    EXPECT_EQ(written, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(f1().Command11.tag(), "100");
    EXPECT_FALSE(f1().Timer4(7).enabled());
}

TEST_F(DelayedJobsTest, ElementListStepWithoutItsPageStillCounts) {
    f1().Command11.setToolTipText("9");  // no such tab
    f1().Command11.setTag("0");
    f1().Timer4(7).setTag("0");
    int calls = 0;
    f1().Command11.onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command11.onClick = [&] { ++calls; };
    DelayedJobs::restart(f1(), 7);
    clock.advance(70);
    EXPECT_EQ(f1().Timer4(7).tag(), "1");
    EXPECT_EQ(f1().Command11.tag(), "0");
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(f1().Timer4(7).enabled());
}

// --- job 8: iframe hiding --------------------------------------------------------------------------

TEST_F(DelayedJobsTest, IframesOfTheFrontPageAreHidden) {
    const int k = openPage("<iframe id=\"f1\" src=\"about:blank\"></iframe><iframe id=\"f2\" src=\"about:blank\"></iframe>"
                           "<iframe id=\"f3\" src=\"about:blank\"></iframe>");
    DelayedJobs::restart(f1(), 8);
    clock.advance(100);
    for (const char* id : {"f1", "f2", "f3"}) EXPECT_EQ(visibility(k, id), "hidden") << id;
    EXPECT_FALSE(f1().Timer4(8).enabled());
}

TEST_F(DelayedJobsTest, PageWithoutFramesIsLeftAlone) {
    const int k = openPage("<p id=\"p\">text</p>");
    DelayedJobs::restart(f1(), 8);
    clock.advance(100);
    EXPECT_EQ(visibility(k, "p"), "");
    EXPECT_FALSE(f1().Timer4(8).enabled());
}

// --- jobs 0, 9 and 10 ------------------------------------------------------------------------------

TEST_F(DelayedJobsTest, HomeRefreshFollowUpPressesSkinAndHintBar) {
    setSetting("连接提示", "0");
    QList<int> pressed;
    f1().Command2.onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command2.onClick = [&](int index) { pressed << index; };
    DelayedJobs::restart(f1(), 9);
    clock.advance(1000);
    EXPECT_EQ(pressed, QList<int>{20});
    EXPECT_EQ(hintPresses, 1);
}

TEST_F(DelayedJobsTest, DefaultBrowserCheckPutsTheBannerIntoTheHomePage) {
    ASSERT_TRUE(waitFor([&] {
        try {
            return !f1().WebBrowser1(1).busy() && !doc(1).body().isNull();
        } catch (...) {
            return false;
        }
    }));
    DelayedJobs::start(f1(), 10);
    clock.advance(1000);
    EXPECT_FALSE(doc(1).getElementById("img1_llq").isNull());
    EXPECT_FALSE(f1().Timer4(10).enabled());
}

TEST_F(DelayedJobsTest, JobFiveDoesNothing) {
    f1().Timer4(5).setEnabled(true);
    clock.advance(2000);
    EXPECT_EQ(hintPresses, 0);
    EXPECT_TRUE(services.boxes().empty());
}

}  // namespace
