// The switches of the settings window: each writes its ticked or unticked text on a left-button
// release (also one released beside it) and on a change from the keyboard, and shows the save
// indicator; a right-button release and a tick set by code write nothing and show nothing.
#include "pages_fixture.h"

#include "platform/rt/error.h"
#include "settings/browseridentitysettings.h"
#include "settings/generalsettings.h"
#include "settings/linkfiltersettings.h"
#include "settings/tablooksettings.h"

#include <functional>
#include <set>

namespace {

struct SwitchRow {
    const char* key;
    std::function<ui::CheckBox&(Form5&)> box;
    const char* ticked;
    const char* unticked;
};

const SwitchRow kSwitches[] = {
    {"快捷方式", [](Form5& w) -> ui::CheckBox& { return w.Check1(1); }, "有", "无"},
    {"连接提示", [](Form5& w) -> ui::CheckBox& { return w.Check1(2); }, "1", "0"},
    {"网页右键", [](Form5& w) -> ui::CheckBox& { return w.Check1(3); }, "False", "True"},
    {"关闭拖拽", [](Form5& w) -> ui::CheckBox& { return w.Check1(4); }, "False", "True"},
    {"退出确认", [](Form5& w) -> ui::CheckBox& { return w.Check1(5); }, "1", "0"},
    {"网址栏框", [](Form5& w) -> ui::CheckBox& { return w.Check1(6); }, "是", "否"},
    {"禁止拖拽", [](Form5& w) -> ui::CheckBox& { return w.Check16(1); }, "False", "True"},
    {"禁止滚轮", [](Form5& w) -> ui::CheckBox& { return w.Check16(2); }, "False", "True"},
    {"禁止选中", [](Form5& w) -> ui::CheckBox& { return w.Check16(3); }, "False", "True"},
    {"禁止左键", [](Form5& w) -> ui::CheckBox& { return w.Check16(4); }, "False", "True"},
    {"默认浏览器", [](Form5& w) -> ui::CheckBox& { return w.Check20; }, "1", "0"},
    {"过滤连接", [](Form5& w) -> ui::CheckBox& { return w.Check3; }, "1", "0"},
    {"固定宽度", [](Form5& w) -> ui::CheckBox& { return w.Check22(1); }, "1", "0"},
    {"双击关闭", [](Form5& w) -> ui::CheckBox& { return w.Check22(2); }, "1", "0"},
    {"弹出小化", [](Form5& w) -> ui::CheckBox& { return w.Check22(3); }, "1", "0"},
    {"Flash按钮", [](Form5& w) -> ui::CheckBox& { return w.Check22(4); }, "1", "0"},
    {"字体加粗", [](Form5& w) -> ui::CheckBox& { return w.Check22(5); }, "True", "False"},
    {"UA", [](Form5& w) -> ui::CheckBox& { return w.Check2; }, "1", "0"},
};

// A value that is neither of a switch's two texts: the window shows it unticked.
const QString kOther = QStringLiteral("x");

}  // namespace

TEST_F(PagesTest, EverySwitchStoresOnALeftReleaseOrAKeyAndNothingElse) {
    for (const SwitchRow& r : kSwitches) {
        SCOPED_TRACE(r.key);
        const QString ticked = QString::fromUtf8(r.ticked);
        const QString unticked = QString::fromUtf8(r.unticked);
        app(r.key, kOther);
        Form5& w = open();
        ui::CheckBox& box = r.box(w);
        ASSERT_EQ(box.value(), 0);

        // The left button, twice.
        leftClick(box);
        EXPECT_EQ(box.value(), 1);
        EXPECT_EQ(app(r.key), ticked);
        EXPECT_TRUE(indicatorShown(w));
        indicatorGone();
        leftClick(box);
        EXPECT_EQ(box.value(), 0);
        EXPECT_EQ(app(r.key), unticked);
        EXPECT_TRUE(indicatorShown(w));
        indicatorGone();

        // The space bar, twice.
        spaceBar(box);
        EXPECT_EQ(box.value(), 1);
        EXPECT_EQ(app(r.key), ticked);
        EXPECT_TRUE(indicatorShown(w));
        indicatorGone();
        spaceBar(box);
        EXPECT_EQ(app(r.key), unticked);
        indicatorGone();

        // Pressed and released beside it: the tick stays and its text is written again.
        app(r.key, kOther);
        releaseBeside(box);
        EXPECT_EQ(box.value(), 0);
        EXPECT_EQ(app(r.key), unticked);
        EXPECT_TRUE(indicatorShown(w));
        indicatorGone();

        // The right button and code store nothing.
        app(r.key, kOther);
        rightClick(box);
        box.setValue(1);
        box.setValue(0);
        box.setValue(1);
        EXPECT_EQ(app(r.key), kOther);
        EXPECT_FALSE(indicatorShown(w));
        close(w);
    }
}

// The switch stores the state the click left: a grey box counts as unticked.
TEST_F(PagesTest, GreySwitchStoresTheUntickedText) {
    app("连接提示", "1");
    Form5& w = open();
    w.Check1(2).setValue(2);
    w.Check1.onMouseUp(2, ui::vbLeftButton, 0, 10, 10);
    EXPECT_EQ(app("连接提示"), "0");
}

// Command 13 ticks the right-click switch from code: the page writes nothing for it.
TEST_F(PagesTest, PageMenuCommandTicksTheSwitchWithoutTheSwitchWriting) {
    app("网页右键", "True");
    Form5& w = open();
    clock.advance(1500);
    f1().Command2(13).press();
    EXPECT_EQ(w.Check1(3).value(), 1);
    EXPECT_EQ(app("网页右键"), "False");
    EXPECT_FALSE(indicatorShown(w));
}

// The pages' switch tables name every switch of the window once, each with its own texts and a hint,
// and a page's lookup finds only its own switches.
TEST_F(PagesTest, ThePagesSwitchTablesNameEverySwitchOnce) {
    Form5& w = open();
    const settings::SwitchTable tables[] = {GeneralSettings::switches(), LinkFilterSettings::switches(),
                                            TabLookSettings::switches(), BrowserIdentitySettings::switches()};
    std::set<const ui::CheckBox*> named;
    for (const settings::SwitchTable& table : tables) {
        for (const settings::Switch& s : table) {
            SCOPED_TRACE(s.key.name);
            EXPECT_TRUE(named.insert(&s.control.in(w)).second);
            EXPECT_STRNE(s.ticked, s.unticked);
            EXPECT_STRNE(s.hint, "");
        }
    }
    std::set<const ui::CheckBox*> expected;
    for (const SwitchRow& r : kSwitches) expected.insert(&r.box(w));
    EXPECT_EQ(named, expected);

    EXPECT_EQ(GeneralSettings::switches().find(&Form5::Check1, 0), nullptr);
    EXPECT_EQ(GeneralSettings::switches().find(&Form5::Check1, 7), nullptr);
    EXPECT_EQ(GeneralSettings::switches().find(&Form5::Check22, 1), nullptr);
    EXPECT_EQ(GeneralSettings::switches().find(&Form5::Check2), nullptr);
    EXPECT_EQ(&GeneralSettings::switches().find(&Form5::Check16, 4)->control.in(w), &w.Check16(4));
    try {
        TabLookSettings::switches().row(&Form5::Check22, 6);
        ADD_FAILURE() << "no error for Check22(6)";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::SubscriptOutOfRange);
    }
    close(w);
}
