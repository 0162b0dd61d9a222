// The User-Agent override as the loopback server sees it, for the navigations the program starts
// (the start page, a typed address, a typed search) while frame blocking and the hint bar are on.
#include "page/page_fixture.h"

namespace {

class UserAgentTest : public PageTest {};

struct AgentCase {
    const char* name;
    const char* ua;
    bool sent;
};

TEST_F(UserAgentTest, ProgramNavigationsCarryTheOverrideWhileItIsOn) {
    const AgentCase cases[] = {
        {"on", "1", true},
        {"another number", "2", true},
        {"off", "0", false},
        {"missing", nullptr, false},
    };
    int n = 0;
    for (const AgentCase& c : cases) {
        SCOPED_TRACE(c.name);
        ++n;
        const QByteArray agent = "ZvPage/" + QByteArray::number(n);
        if (c.ua)
            setSetting("UA", QString::fromUtf8(c.ua));
        else
            removeSetting("UA");
        setSetting("呈现伪造", QString::fromLatin1(agent));
        setSetting("框架不加载", "0");
        setSetting("连接提示", "1");
        const QString start = QStringLiteral("/start-%1.html").arg(n);
        const QString typed = QStringLiteral("/typed-%1.html").arg(n);
        const QString search = QStringLiteral("/search-%1").arg(n);
        setSetting("启动主页", servePage(start, titled("start", "<p>start</p>")));
        servePage(typed, titled("typed", "<p>typed</p>"));
        servePage(search, titled("search", "<p>search</p>"));
        storeText(forms::Txt::Sousuo, "搜索连接1", server.urlText(search) + "?q=%s%");
        setSetting("搜索引擎", "1");

        ASSERT_TRUE(this->start());
        ASSERT_TRUE(waitLoaded(1, start));
        f1().Text7.setText(server.urlText(typed));
        f1().Command1.press();
        ASSERT_TRUE(waitFor([&] { return !server.requestsFor(typed).isEmpty(); }));
        f1().Label13.setTag("words");
        f1().Label13_Click();
        ASSERT_TRUE(waitFor([&] { return !server.requestsFor(search).isEmpty(); }));

        for (const QString& path : {start, typed, search}) {
            const QByteArray seen = server.requestsFor(path).first().header("user-agent");
            EXPECT_EQ(seen == agent, c.sent) << path.toStdString() << ": " << seen.toStdString();
        }
    }
}

TEST_F(UserAgentTest, LinksFollowedInThePageCarryNoHeader) {
    setSetting("UA", "1");
    setSetting("呈现伪造", "ZvPage/link");
    ASSERT_TRUE(startProgram());
    f1().Text7.setText(server.urlText("/pages/links.html"));
    f1().Command1.press();
    const int k = rt::toInt32(f1().Label9.caption());
    ASSERT_TRUE(waitLoaded(k, "/pages/links.html"));
    doc(k).getElementById("self").click();
    ASSERT_TRUE(waitLoaded(k, "/pages/target.html"));
    EXPECT_EQ(server.requestsFor("/pages/links.html").first().header("user-agent"), "ZvPage/link");
    EXPECT_NE(server.requestsFor("/pages/target.html").first().header("user-agent"), "ZvPage/link");
}

}  // namespace
