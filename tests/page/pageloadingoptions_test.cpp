// The page-loading menu: the three page filters switched by their value in 应用.txt (with the
// warnings and the exclusion of frame blocking and stripping), and the engine's three switches in the
// registry, marked by their writes and in force from the next start.
#include "page_fixture.h"

#include "forms/form4.h"
#include "page/pageloadingoptions.h"
#include "platform/sys/engineswitches.h"
#include "platform/sys/registry.h"

namespace {

const char* const kFlags[] = {"框架不加载", "脚本被删除", "框架被删除"};

class PageLoadingTest : public PageTest {
protected:
    void TearDown() override {
        sys::Registry::clearRefusedWrites();
        PageTest::TearDown();
    }
    void begin() {
        ASSERT_TRUE(startProgram());
        services.clearRecords();
    }
    void choose(int item) { chooseFromMainMenu("WYJZ100", item); }
    // The marks of items 0 to 2 as the next popup shows them.
    QString filterMarks() {
        services.queuePopupNone();
        rightPressBackground();
        QString marks;
        for (int i = 0; i < 3; ++i) marks += f4().WYJZ100(i).checked() ? '1' : '0';
        return marks;
    }
    static QString registryText(const char* path) {
        try {
            return sys::Registry::RegRead(QString::fromUtf8(path)).toString();
        } catch (...) {
            return "(missing)";
        }
    }
};

// Each item clicked with its flag at "1", "0", "", "abc" and the other two flags at "7".
TEST_F(PageLoadingTest, FiltersSwitchByTheirValue) {
    begin();
    struct Case {
        const char* before;
        const char* after;
        bool warned;
    };
    const Case cases[] = {{"1", "0", true}, {"0", "1", false}, {"", "1", false}, {"abc", "1", false}, {"2", "1", false}};
    for (int item = 0; item <= 2; ++item) {
        for (const Case& c : cases) {
            SCOPED_TRACE(QStringLiteral("item %1, flag \"%2\"").arg(item).arg(c.before).toStdString());
            for (const char* flag : kFlags) setSetting(flag, "7");
            setSetting(kFlags[item], c.before);
            services.clearRecords();
            choose(item);
            EXPECT_EQ(setting(kFlags[item]), c.after);
            if (c.warned) {
                ASSERT_EQ(services.boxes(ShownBox::Message).size(), 1u);
                const ShownBox box = services.boxes(ShownBox::Message)[0];
                EXPECT_EQ(box.prompt, PageLoadingOptions::warning(item));
                EXPECT_TRUE(box.style & ui::vbExclamation);
                EXPECT_TRUE(box.title.isEmpty());
            } else {
                EXPECT_TRUE(services.messages().isEmpty());
            }
            // Frame blocking and stripping exclude each other; the two stripping flags do not.
            if (item == 0) {
                EXPECT_EQ(setting("脚本被删除"), "1");
                EXPECT_EQ(setting("框架被删除"), "1");
            } else {
                EXPECT_EQ(setting("框架不加载"), "1");
                EXPECT_EQ(setting(kFlags[3 - item]), "7");
            }
        }
    }
}

TEST_F(PageLoadingTest, WarningsReadAsTwoLines) {
    EXPECT_EQ(PageLoadingOptions::warning(0),
              "框架不加载勾选：很可能造成网页功能破坏( 打不开网页，无法登录，发贴等.. )\r\n但是一般广告在框架里，纯碎浏览可以开着");
    EXPECT_EQ(PageLoadingOptions::warning(1), "脚本勾选：很可能造成网页功能破坏( 无法和网页进行互动 )\r\n纯碎浏览可以开着");
    EXPECT_EQ(PageLoadingOptions::warning(2), "框架勾选：有可能造成网页功能破坏\r\n纯碎浏览可以开着");
}

TEST_F(PageLoadingTest, TheNextPopupShowsWhatTheClickWrote) {
    begin();
    for (const char* flag : kFlags) setSetting(flag, "1");
    choose(0);
    EXPECT_EQ(filterMarks(), "100");
    choose(1);
    EXPECT_EQ(filterMarks(), "010");
    choose(2);
    EXPECT_EQ(filterMarks(), "011");
    choose(2);
    EXPECT_EQ(filterMarks(), "010");
    // A flag that is no number shows marked; a click switches it off.
    setSetting("脚本被删除", "abc");
    EXPECT_EQ(filterMarks(), "010");
    choose(1);
    EXPECT_EQ(filterMarks(), "000");
}

TEST_F(PageLoadingTest, EngineSwitchesFollowTheirMarks) {
    begin();
    struct Case {
        int item;
        const char* path;
        const char* on;
        const char* off;
    };
    const Case cases[] = {{4, sys::kPicturesSwitchPath, "no", "yes"},
                          {5, sys::kPluginsSwitchPath, "3", "0"},
                          {6, sys::kScriptsSwitchPath, "3", "0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_FALSE(f4().WYJZ100(c.item).checked());
        ASSERT_EQ(registryText(c.path), "(missing)");
        choose(c.item);
        EXPECT_TRUE(f4().WYJZ100(c.item).checked());
        EXPECT_EQ(registryText(c.path), c.on);
        choose(c.item);
        EXPECT_FALSE(f4().WYJZ100(c.item).checked());
        EXPECT_EQ(registryText(c.path), c.off);
    }
    // Zone values are numbers.
    EXPECT_EQ(sys::Registry::RegRead(QString::fromUtf8(sys::kPluginsSwitchPath)).type(), QVariant::UInt);
    EXPECT_TRUE(services.messages().isEmpty());
}

TEST_F(PageLoadingTest, ARefusedWriteLeavesTheMark) {
    begin();
    sys::Registry::setWritesRefused("HKEY_CURRENT_USER", true);
    choose(4);
    EXPECT_FALSE(f4().WYJZ100(4).checked());
    EXPECT_EQ(registryText(sys::kPicturesSwitchPath), "(missing)");
    sys::Registry::setWritesRefused("HKEY_CURRENT_USER", false);
    choose(4);
    EXPECT_TRUE(f4().WYJZ100(4).checked());
}

TEST_F(PageLoadingTest, SwitchesTakeEffectAtTheNextStart) {
    begin();
    const QString page = servePage("/switched.html",
                                   titled("开关", "<img id=\"pic\" src=\"/switched.png\">"
                                                  "<p id=\"p\">未运行</p><script>document.getElementById('p')"
                                                  ".innerHTML = '运行了';</script>"));
    server.addPage("/switched.png", QByteArray("not really a picture"));
    choose(4);
    choose(6);
    // Still this run: the page loads as before.
    int k = openTab();
    ASSERT_TRUE(load(k, page));
    EXPECT_EQ(doc(k).getElementById("p").innerText(), "运行了");
    EXPECT_TRUE(waitFor([&] { return !server.requestsFor("/switched.png").isEmpty(); }));

    stop();
    server.clearRequests();
    begin();
    EXPECT_TRUE(f4().WYJZ100(4).checked());
    EXPECT_FALSE(f4().WYJZ100(5).checked());
    EXPECT_TRUE(f4().WYJZ100(6).checked());
    k = openTab();
    ASSERT_TRUE(load(k, page));
    settle(300);
    EXPECT_TRUE(server.requestsFor("/switched.png").isEmpty());
    EXPECT_EQ(doc(k).getElementById("p").innerText(), "未运行");
    // The program's own work on the page still runs.
    EXPECT_EQ(doc(k).evaluate("1 + 1"), "2");
}

}  // namespace
