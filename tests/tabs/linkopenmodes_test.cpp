// The document menu's link items: the link under the pointer (Label1) opens in a new tab in front, in
// the front slot, or in a background tab, each with the User-Agent rule; a link shown shortened with
// "..." is cleaned first.
#include "tabs_fixture.h"
#include "support/waits.h"

#include "platform/web/webbrowser.h"

#include <QtTest/QTest>

namespace {

const char* const kAgent = "ZvLinkModes/2.0";

}  // namespace

class LinkModes : public TabsTest {
protected:
    void SetUp() override {
        TabsTest::SetUp();
        setAppSetting("呈现伪造", QString::fromUtf8(kAgent));
        setAppSetting("UA", "0");
    }
    QString target(const QString& query) const { return server.urlText(QStringLiteral("/pages/target.html")) + query; }
    QList<TestHttpServer::Request> targetRequests() const { return server.requestsFor(QStringLiteral("/pages/target.html")); }
    bool waitLoaded(int k, const QString& url) {
        return waits::until(
            [&] {
                return f().WebBrowser1.exists(k) && f().WebBrowser1(k).locationURL() == url && !f().WebBrowser1(k).busy();
            });
    }
    void choose(int item, const QString& link) {
        f().Label1.setCaption(link);
        f4().DK100(item).click();
    }
};

struct ModeCase {
    const char* name;
    int item;
    const char* ua;
    int slot;   // where the link loads
    int front;  // the front slot afterwards
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }

class LinkModeOpens : public LinkModes, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(LinkModeOpens, TheLinkUnderTheUserAgentRule) {
    const ModeCase& c = GetParam();
    setAppSetting("UA", QString::fromUtf8(c.ua));
    ASSERT_EQ(openPage(QStringLiteral("前台")), 2);
    choose(c.item, target("?mode"));
    ASSERT_TRUE(waitLoaded(c.slot, target("?mode")));
    EXPECT_EQ(f().Label9.caption(), QString::number(c.front));
    EXPECT_EQ(f().lv(3).visible(), c.slot == 3);
    EXPECT_FALSE(f().lv(4).visible());
    ASSERT_EQ(targetRequests().size(), 1);
    if (QString::fromUtf8(c.ua) == QLatin1String("1"))
        EXPECT_EQ(targetRequests()[0].header("user-agent"), kAgent);
    else
        EXPECT_NE(targetRequests()[0].header("user-agent"), kAgent);
    EXPECT_TRUE(services.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Tabs, LinkModeOpens,
                         ::testing::Values(ModeCase{"NewTabOverrideOn", 1, "1", 3, 3},
                                           ModeCase{"NewTabOverrideOff", 1, "0", 3, 3},
                                           ModeCase{"FrontSlotOverrideOn", 2, "1", 2, 2},
                                           ModeCase{"FrontSlotOverrideOff", 2, "0", 2, 2},
                                           ModeCase{"BackgroundOverrideOn", 3, "1", 3, 2},
                                           ModeCase{"BackgroundOverrideEmpty", 3, "", 3, 2}),
                         [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

TEST_F(LinkModes, FrontSlotModeWithTheHomeSlotInFrontLoadsTheHomeBrowser) {
    ASSERT_EQ(f().Label9.caption(), "1");
    choose(2, target("?home"));
    ASSERT_TRUE(waitLoaded(1, target("?home")));
    EXPECT_FALSE(f().lv(2).visible());
    EXPECT_EQ(f().Label9.caption(), "1");
}

TEST_F(LinkModes, NewTabModeWithEveryTabTaken) {
    for (int k = 2; k <= 10; ++k) openPage(QStringLiteral("满%1").arg(k));
    QStringList before;
    for (int k = 2; k <= 10; ++k) before << f().lv(k).caption();
    services.clearRecords();

    services.queueMsgBoxAnswer(ui::vbNo);
    choose(1, target("?no"));
    EXPECT_EQ(services.messages(), QStringList{"第九个标签已满，即将从第一个标签开始.."});
    waits::settle(200);
    QStringList after;
    for (int k = 2; k <= 10; ++k) after << f().lv(k).caption();
    EXPECT_EQ(after, before);
    EXPECT_TRUE(targetRequests().isEmpty());

    // Yes: asked once, the tabs start again from slot 2, which loads the link in front.
    services.clearRecords();
    services.queueMsgBoxAnswer(ui::vbYes);
    choose(1, target("?yes"));
    EXPECT_EQ(services.messages(), QStringList{"第九个标签已满，即将从第一个标签开始.."});
    ASSERT_TRUE(waitLoaded(2, target("?yes")));
    EXPECT_EQ(f().Label9.caption(), "2");
    EXPECT_FALSE(f().lv(3).visible());
}

TEST_F(LinkModes, BackgroundModeRefusedOnlyWithoutAFreeSlot) {
    for (int k = 2; k <= 10; ++k) openPage(QStringLiteral("满%1").arg(k));
    services.clearRecords();
    choose(3, target("?full"));
    EXPECT_EQ(services.messages(), QStringList{"标签满了，不能打开"});
    closeByMenu(6);
    services.clearRecords();
    choose(3, target("?six"));
    ASSERT_TRUE(waitLoaded(6, target("?six")));
    EXPECT_TRUE(services.messages().isEmpty());
    EXPECT_EQ(f().Label9.caption(), "10");
}

TEST_F(LinkModes, FormFillItemOpensNothing) {
    ASSERT_EQ(openPage(QStringLiteral("前台")), 2);
    choose(4, target("?fill"));
    waits::settle(200);
    EXPECT_TRUE(targetRequests().isEmpty());
    EXPECT_FALSE(f().lv(3).visible());
    EXPECT_TRUE(services.boxes().empty());
}

TEST(LinkCleaning, ShortenedLinksAreCleanedOthersKept) {
    struct Case {
        QString link;
        QString cleaned;
    };
    const QString longTail(700, QLatin1Char('x'));
    const Case cases[] = {
        {"http://a.cn/path", "http://a.cn/path"},                       // nothing to clean
        {"see http://a.cn/", "see http://a.cn/"},                       // kept as it is without "..."
        {"http://a.cn/lo...ng", "http://a.cn/long"},
        {"链接 http://a.cn/...x...y", "http://a.cn/xy"},                // every "..." gone, from "http" on
        {"...", ""},
        {"a...b", "ab"},                                                // no "http": the whole text
        {"http://a.cn/..", "http://a.cn/.."},
        {"http://a.cn/...." , "http://a.cn/."},
        {"http://a.cn/..." + longTail, ("http://a.cn/" + longTail).left(666)},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkOpenModes::cleanLink(c.link), c.cleaned) << c.link.toStdString();
}

TEST_F(LinkModes, ShortenedLinkOpensTheCleanedAddress) {
    ASSERT_EQ(openPage(QStringLiteral("前台")), 2);
    const QString address = target("?clean");
    const QString shown = QStringLiteral("打开 ") + address.left(20) + QStringLiteral("...") + address.mid(20);
    choose(1, shown);
    ASSERT_TRUE(waitLoaded(3, address));
}
