// Windows that pages open, as a person sees them: each becomes a tab of its own, in front, with the
// User-Agent rule, its form data and its address; the popped-out guard, the tab cycling question and
// the link filter decide first, in that order.
#include "tabs_fixture.h"
#include "support/waits.h"

#include "platform/web/webbrowser.h"

#include <QtTest/QTest>

namespace {

const char* const kAgent = "ZvNewWindow/1.0 (tabs)";

}  // namespace

class NewWindows : public TabsTest {
protected:
    void SetUp() override {
        TabsTest::SetUp();
        setAppSetting("呈现伪造", QString::fromUtf8(kAgent));
        setAppSetting("UA", "0");
        setAppSetting("过滤连接", "0");
        setAppSetting("Lv20", "");
        setAppSetting("字节", "40");
        server.addPage("/pages/echo", "<html><head><meta charset=\"utf-8\"><title>回显</title></head><body>ok</body></html>");
    }

    // Opens the fixture page `name` of the loopback server in a new tab and waits for its title.
    int openServed(const QString& name, const QString& title) {
        const int k = forms::openInNewTab(f(), server.urlText(QStringLiteral("/pages/") + name));
        EXPECT_TRUE(waitCaption(k, QStringLiteral("     ") + title)) << name.toStdString();
        return k;
    }
    // Fills all nine tabs; slot `at` holds the page with the link to a new window.
    void fillStripWithOpenerAt(int at) {
        for (int k = 2; k <= 10; ++k) {
            if (k == at)
                ASSERT_EQ(openServed(QStringLiteral("links.html"), QStringLiteral("链接")), k);
            else
                ASSERT_EQ(openPage(QStringLiteral("满%1").arg(k)), k);
        }
        services.clearRecords();
        server.clearRequests();
    }
    // A person's click on the link that opens a new window: a press and a release on the page.
    void clickNewWindowLink(int k) {
        QWidget* view = f().WebBrowser1(k).pageWidget();
        const QPoint at = f().WebBrowser1(k).document().getElementById(QStringLiteral("blank")).boundingClientRect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(view, &release);
    }

    QList<TestHttpServer::Request> targetRequests() const { return server.requestsFor(QStringLiteral("/pages/target.html")); }
    QString target(const QString& query = QString()) const {
        return server.urlText(QStringLiteral("/pages/target.html")) + query;
    }
    bool waitLoaded(int k, const QString& url) {
        return waits::until(
            [&] {
                return f().WebBrowser1.exists(k) && f().WebBrowser1(k).locationURL() == url && !f().WebBrowser1(k).busy();
            });
    }
    QStringList captions() {
        QStringList out;
        for (int k = 2; k <= 10; ++k) out << f().lv(k).caption();
        return out;
    }
};

// --- routing into a new tab --------------------------------------------------------------------------

struct OpenCase {
    const char* name;
    const char* page;
    const char* title;
    const char* script;
    const char* ua;
    bool header;
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class NewWindowOpens : public NewWindows, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(NewWindowOpens, IntoOneNewTabInFrontUnderTheUserAgentRule) {
    const OpenCase& c = GetParam();
    setAppSetting("UA", QString::fromUtf8(c.ua));
    const int opener = openServed(QString::fromUtf8(c.page), QString::fromUtf8(c.title));
    ASSERT_EQ(opener, 2);
    const QString openerUrl = f().WebBrowser1(2).locationURL();
    server.clearRequests();

    f().WebBrowser1(2).document().evaluate(QString::fromUtf8(c.script));
    ASSERT_TRUE(waitCaption(3, QStringLiteral("     目标页")));
    EXPECT_EQ(f().Label9.caption(), "3");
    EXPECT_TRUE(f().lv(3).visible());
    EXPECT_FALSE(f().lv(4).visible());
    EXPECT_EQ(f().WebBrowser1(3).locationURL(), target());
    EXPECT_EQ(f().WebBrowser1(2).locationURL(), openerUrl);
    EXPECT_TRUE(web::standaloneWindows().isEmpty());
    EXPECT_TRUE(services.boxes().empty());
    ASSERT_EQ(targetRequests().size(), 1);
    if (c.header)
        EXPECT_EQ(targetRequests()[0].header("user-agent"), kAgent);
    else
        EXPECT_NE(targetRequests()[0].header("user-agent"), kAgent);
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, NewWindowOpens,
    ::testing::Values(OpenCase{"LinkWithTargetOverrideOff", "links.html", "链接", "document.getElementById('blank').click()", "0", false},
                      OpenCase{"LinkWithTargetOverrideOn", "links.html", "链接", "document.getElementById('blank').click()", "1", true},
                      OpenCase{"WindowOpenOverrideOn", "window_open.html", "打开窗口", "openIt()", "1", true},
                      OpenCase{"WindowOpenOverrideNotANumber", "window_open.html", "打开窗口", "openIt()", "是", false}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

TEST_F(NewWindows, PostedFormReachesTheServerWithItsDataAndTheHeader) {
    setAppSetting("UA", "1");
    ASSERT_EQ(openServed(QStringLiteral("post_blank.html"), QStringLiteral("提交到新窗口")), 2);
    server.clearRequests();
    f().WebBrowser1(2).document().evaluate(QStringLiteral("document.getElementById('f').submit()"));
    ASSERT_TRUE(waitCaption(3, QStringLiteral("     回显")));
    const auto posts = server.requestsFor(QStringLiteral("/pages/echo"));
    ASSERT_EQ(posts.size(), 1);
    EXPECT_EQ(posts[0].method, "POST");
    EXPECT_EQ(posts[0].body, "q=a+b%26c");
    EXPECT_EQ(posts[0].header("user-agent"), kAgent);
    EXPECT_EQ(f().Label9.caption(), "3");
}

TEST_F(NewWindows, TwoWindowsOfOneScriptLandInTwoTabs) {
    setAppSetting("UA", "1");
    ASSERT_EQ(openServed(QStringLiteral("links.html"), QStringLiteral("链接")), 2);
    server.clearRequests();
    f().WebBrowser1(2).document().evaluate(
        QStringLiteral("window.open('target.html?first'); window.open('target.html?second');"));
    ASSERT_TRUE(waitLoaded(3, target("?first")));
    ASSERT_TRUE(waitLoaded(4, target("?second")));
    EXPECT_EQ(f().Label9.caption(), "4");
    EXPECT_FALSE(f().lv(5).visible());
    ASSERT_EQ(targetRequests().size(), 2);
    for (const auto& r : targetRequests()) EXPECT_EQ(r.header("user-agent"), kAgent) << r.path.toStdString();
}

TEST_F(NewWindows, HomePageWindowsOpenInATabToo) {
    f().WebBrowser1(1).Navigate(server.urlText(QStringLiteral("/pages/links.html")));
    ASSERT_TRUE(waits::until([&] { return f().Label2(0).caption() == QStringLiteral("链接"); }));
    clickNewWindowLink(1);
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     目标页")));
    EXPECT_EQ(f().Label9.caption(), "2");
    EXPECT_EQ(f().WebBrowser1(1).locationURL(), server.urlText(QStringLiteral("/pages/links.html")));
}

// --- the guards, in their order ---------------------------------------------------------------------

TEST_F(NewWindows, PoppedOutSlotGetsTheFlashMessageAndNothingElse) {
    fillStripWithOpenerAt(2);
    const QStringList before = captions();
    // Every later guard would speak up too: every tab is taken and the filter refuses the link.
    setAppSetting("过滤连接", "1");
    setAppSetting("Lv20", "target");
    f().lastHoveredLink = target();
    f().Command7.setTag("2");
    clickNewWindowLink(2);
    ASSERT_EQ(services.boxes().size(), 1u);
    EXPECT_EQ(services.boxes()[0].prompt, "窗口独立运行中，点击被中断");
    EXPECT_EQ(services.boxes()[0].title, "Flash播放器");
    EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
    waits::settle(300);
    EXPECT_TRUE(targetRequests().isEmpty());
    EXPECT_EQ(captions(), before);
    EXPECT_TRUE(web::standaloneWindows().isEmpty());
}

TEST_F(NewWindows, EveryTabTakenAndNoDropsTheWindow) {
    fillStripWithOpenerAt(4);
    lvClick(4);
    const QStringList before = captions();
    services.queueMsgBoxAnswer(ui::vbNo);
    clickNewWindowLink(4);
    EXPECT_EQ(services.messages(), QStringList{"第九个标签已满，即将从第一个标签开始.."});
    waits::settle(300);
    EXPECT_TRUE(targetRequests().isEmpty());
    EXPECT_EQ(captions(), before);
    EXPECT_EQ(f().Label9.caption(), "4");
    EXPECT_EQ(f().WebBrowser1.ubound(), 10);
    EXPECT_TRUE(web::standaloneWindows().isEmpty());
}

// Windows a page opens with no click or key of the user's (on load, on a timer, in a loop) never
// clear the tabs: with every tab taken each is dropped without a question, no tab changes, and the
// opener's page says that a window was blocked. A click afterwards still asks.
TEST_F(NewWindows, EveryTabTakenAWindowNobodyAskedForIsDroppedWithoutAQuestion) {
    fillStripWithOpenerAt(4);
    lvClick(4);
    const QStringList before = captions();
    for (const char* script : {"for (var i = 0; i < 30; i++) window.open('target.html?' + i);",
                               "setTimeout(function () { window.open('target.html?timer'); }, 50);"}) {
        SCOPED_TRACE(script);
        f().WebBrowser1(4).document().evaluate(QString::fromUtf8(script));
        waits::settle(300);
        EXPECT_TRUE(services.boxes().empty());
        EXPECT_EQ(captions(), before);
        EXPECT_EQ(f().Label9.caption(), "4");
        EXPECT_EQ(f().WebBrowser1.ubound(), 10);
        EXPECT_TRUE(targetRequests().isEmpty());
        EXPECT_TRUE(web::standaloneWindows().isEmpty());
        const auto labels = f().WebBrowser1(4).document().querySelectorAll(QStringLiteral("[id='Tavrolinid']"));
        ASSERT_FALSE(labels.isEmpty());
        EXPECT_EQ(labels.last().innerHTML(), QStringLiteral("已阻止一个弹出窗口"));
    }

    services.queueMsgBoxAnswer(ui::vbNo);
    clickNewWindowLink(4);
    EXPECT_EQ(services.messages(), QStringList{"第九个标签已满，即将从第一个标签开始.."});
    EXPECT_EQ(captions(), before);
}

TEST_F(NewWindows, EveryTabTakenAndYesStartsAgainFromSlotTwoWithTheHeader) {
    setAppSetting("UA", "1");
    fillStripWithOpenerAt(5);
    lvClick(5);
    services.queueMsgBoxAnswer(ui::vbYes);
    clickNewWindowLink(5);
    ASSERT_TRUE(waitLoaded(2, target()));
    EXPECT_EQ(f().Label9.caption(), "2");
    for (int k = 3; k <= 10; ++k) {
        EXPECT_FALSE(f().lv(k).visible()) << k;
        EXPECT_FALSE(f().WebBrowser1.exists(k)) << k;
    }
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     目标页")));
    ASSERT_EQ(targetRequests().size(), 1);
    EXPECT_EQ(targetRequests()[0].header("user-agent"), kAgent);
    EXPECT_EQ(services.messages(), QStringList{"第九个标签已满，即将从第一个标签开始.."});
    EXPECT_TRUE(web::standaloneWindows().isEmpty());
}

TEST_F(NewWindows, EveryTabTakenAndYesFromSlotTwoReplacesItsOwnPage) {
    fillStripWithOpenerAt(2);
    lvClick(2);
    services.queueMsgBoxAnswer(ui::vbYes);
    clickNewWindowLink(2);
    ASSERT_TRUE(waitLoaded(2, target()));
    ASSERT_TRUE(waitCaption(2, QStringLiteral("     目标页")));
    EXPECT_EQ(f().Label9.caption(), "2");
    EXPECT_EQ(f().WebBrowser1.ubound(), 2);
    EXPECT_TRUE(web::standaloneWindows().isEmpty());
}

TEST_F(NewWindows, YesThenAFilterRefusalAsksAgainAtTheNextOpen) {
    fillStripWithOpenerAt(2);
    lvClick(2);
    const QStringList before = captions();
    setAppSetting("过滤连接", "1");
    setAppSetting("Lv20", "target");
    f().lastHoveredLink = target();
    services.queueMsgBoxAnswer(ui::vbYes);
    clickNewWindowLink(2);
    EXPECT_EQ(services.messages(),
              (QStringList{"第九个标签已满，即将从第一个标签开始..", QString::fromUtf8(NewWindowRouting::kFilteredMessage)}));
    EXPECT_EQ(captions(), before);

    // The Yes is not kept for the next open: it asks again, and No leaves every tab as it was.
    setAppSetting("过滤连接", "0");
    services.clearRecords();
    services.queueMsgBoxAnswer(ui::vbNo);
    clickNewWindowLink(2);
    EXPECT_EQ(services.messages(), QStringList{"第九个标签已满，即将从第一个标签开始.."});
    waits::settle(300);
    EXPECT_EQ(captions(), before);
    EXPECT_TRUE(targetRequests().isEmpty());
}

// --- the link filter ---------------------------------------------------------------------------------

struct FilterCase {
    const char* list;
    const char* bytes;
    const char* link;
    bool refused;
};

TEST(LinkFilter, ComparesEveryItemOverTheSearchedPartOfTheLink) {
    const FilterCase cases[] = {
        {"ad>click>track", "40", "http://x.cn/CLICK/1", true},   // letters in any case
        {"ad>click>track", "40", "http://ad.cn/news", true},     // the first item counts too
        {"ad>click>track", "40", "http://x.cn/news", false},
        {"ad", "40", "http://ad.cn/", true},                     // one item without ">"
        {"ad>", "40", "http://x.cn/news", false},                // a trailing ">" blocks nothing
        {"ad>>click", "40", "http://x.cn/click", true},          // an empty item is skipped
        {">", "40", "http://x.cn/", false},
        {"", "40", "http://ad.cn/", false},                      // no items: nothing refused
        {"click", "10", "http://x.cn/click", false},             // only "http://x.c" is searched
        {"click", "0", "http://x.cn/click", false},              // nothing searched
        {"click", "", "http://x.cn/click", true},                // no count: the whole link
        {"click", "abc", "http://x.cn/click", true},
        {"click", "-3", "http://x.cn/click", true},
        {"click", "99999999999", "http://x.cn/click", true},
        {"click", "40", "", false},                              // no link hovered yet
        {"ad>click", "", "", false},
    };
    for (const FilterCase& c : cases) {
        EXPECT_EQ(NewWindowRouting::linkFiltered(QString::fromUtf8(c.list), QString::fromUtf8(c.bytes),
                                                 QString::fromUtf8(c.link)),
                  c.refused)
            << c.list << " / " << c.bytes << " / " << c.link;
    }
}

TEST_F(NewWindows, FilterJudgesTheLastHoveredLinkNotTheWindowsAddress) {
    ASSERT_EQ(openServed(QStringLiteral("links.html"), QStringLiteral("链接")), 2);
    struct Case {
        const char* filter;  // 过滤连接
        const char* list;
        const char* hovered;
        bool refused;
    };
    const Case cases[] = {
        {"1", "ad>click>track", "http://x.cn/Click?id=1", true},
        {"", "ad>click>track", "http://x.cn/click", true},   // a switch without a value is on
        {"0", "ad>click>track", "http://x.cn/click", false},
        {"1", "target", "http://x.cn/news", false},           // the window's own address is not looked at
        {"1", "click", "", false},                            // nothing hovered yet
        {"1", "", "http://x.cn/click", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.filter) + " / " + c.list + " / " + c.hovered);
        setAppSetting("过滤连接", QString::fromUtf8(c.filter));
        setAppSetting("Lv20", QString::fromUtf8(c.list));
        f().lastHoveredLink = QString::fromUtf8(c.hovered);
        services.clearRecords();
        server.clearRequests();
        clickNewWindowLink(2);
        if (c.refused) {
            ASSERT_EQ(services.boxes().size(), 1u);
            EXPECT_EQ(services.boxes()[0].prompt, QString::fromUtf8(NewWindowRouting::kFilteredMessage));
            EXPECT_EQ(services.boxes()[0].style, ui::vbOKOnly + ui::vbCritical);
            EXPECT_EQ(services.boxes()[0].title, "");
            waits::settle(200);
            EXPECT_TRUE(targetRequests().isEmpty());
            EXPECT_FALSE(f().lv(3).visible());
        } else {
            ASSERT_TRUE(waitCaption(3, QStringLiteral("     目标页")));
            EXPECT_TRUE(services.boxes().empty());
            closeByMenu(3);
            clock.advance(100);
            lvClick(2);
        }
        EXPECT_TRUE(web::standaloneWindows().isEmpty());
    }
}
