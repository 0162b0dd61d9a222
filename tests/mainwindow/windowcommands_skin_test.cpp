// The home page with no skin picture ("空", as shipped) asks for nothing beyond its own page: the
// skin step gives its body no background.
#include "page/page_fixture.h"

namespace {

class HomeSkinTest : public PageTest {};

TEST_F(HomeSkinTest, NoSkinPictureAsksForNothing) {
    setFgSetting("界面图片", "空");
    const QString home = servePage("/home.html", titled("首页", "<p>首页</p>"));
    setSetting("启动主页", home);
    ASSERT_TRUE(startProgram());
    ASSERT_TRUE(waitLoaded(1, "/home.html"));
    f1().Command2(20).press();
    settle(300);
    QStringList asked;
    for (const auto& r : server.requests()) asked << QUrl::fromPercentEncoding(r.path.toUtf8());
    EXPECT_EQ(asked.filter("空"), QStringList());
    EXPECT_EQ(doc(1).body().getAttribute("background"), "");
}

}  // namespace
