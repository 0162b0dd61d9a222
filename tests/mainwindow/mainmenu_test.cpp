// The main menu as the right button on the window background shows it: captions from 右键.txt, the
// colour scheme and margin marks, the page-filter marks, the search engine items; the left press and
// its no-refresh flag; the history group.
#include "support/program/program_fixture.h"
#include "support/stored_settings.h"

#include "forms/settings.h"
#include "forms/windowowner.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "media/form2.h"
#include "records/form3.h"
#include "records/form6.h"
#include "settings/form5.h"
#include "platform/sys/programfolder.h"
#include "records/form13.h"

#include <QApplication>

#include <cctype>
#include <cstring>
#include <QDir>
#include <QFile>
#include <QMouseEvent>

namespace {

// A test name for a stored value: its ASCII letters and digits, or the case number.
std::string caseName(const char* value, size_t index) {
    std::string name;
    for (const char* c = value; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
        else if (*c == '.') name += "_";
    if (name.empty() || name.size() != std::strlen(value)) name = "Case" + std::to_string(index) + (name.empty() ? "" : "_" + name);
    return name;
}

class MainMenuTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start(QString(), false));
        services.clearRecords();
    }
    // A press of `button` on the bare window background, as the window system delivers it.
    void pressBackground(Qt::MouseButton button) {
        const QPoint spot(4000 / 15, 4000 / 15);
        QMouseEvent press(QEvent::MouseButtonPress, spot, button, button, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, spot, button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f1().widget(), &release);
    }
    // Pops the main menu up with the right button and returns the item as it stood at the popup.
    const ShownPopup& popUp() {
        services.queuePopupNone();
        const size_t before = services.popups().size();
        pressBackground(Qt::RightButton);
        EXPECT_EQ(services.popups().size(), before + 1);
        return services.popups().back();
    }
    static const ui::PopupItem& item(const ShownPopup& popup, const char* name, int index = -1) {
        const ui::PopupItem* i = popup.item(QString::fromUtf8(name), index);
        EXPECT_NE(i, nullptr) << name << " " << index;
        static const ui::PopupItem none;
        return i ? *i : none;
    }
    QString youjian(const char* key) const { return storedText(forms::Txt::Youjian, QString::fromUtf8(key)); }
};

TEST_F(MainMenuTest, ButtonsOnTheBackground) {
    f1().noRefresh = 0;
    pressBackground(Qt::LeftButton);
    EXPECT_EQ(f1().noRefresh, 1);
    EXPECT_TRUE(services.popups().empty());

    f1().noRefresh = 0;
    pressBackground(Qt::MiddleButton);
    EXPECT_EQ(f1().noRefresh, 0);
    EXPECT_TRUE(services.popups().empty());

    f1().noRefresh = 1;
    const ShownPopup& p = popUp();
    EXPECT_EQ(p.menu.name, "caidan");
    EXPECT_EQ(f1().noRefresh, 1);
}

TEST_F(MainMenuTest, CaptionsComeFromTheMenuTextFileAtEachPopup) {
    const ShownPopup& first = popUp();
    EXPECT_EQ(item(first, "caidan100", 1).caption, youjian("CNE01"));
    EXPECT_EQ(item(first, "caidan100", 2).caption, youjian("CNE02"));
    EXPECT_EQ(item(first, "WYJZ").caption, youjian("CNE04"));
    EXPECT_EQ(item(first, "SSYQ").caption, youjian("CNE05"));
    EXPECT_EQ(item(first, "WYSF").caption, youjian("CNE06"));
    EXPECT_EQ(item(first, "RCGJ").caption, youjian("CNE07"));
    const char* lishi[] = {"CNE08", "CNE09", "CNE10", "CNE11", "CNE12"};
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(item(first, "LISHI", i).caption, youjian(lishi[i - 1])) << i;
    const char* gb[] = {"CNE13", "CNE14", "CNE15", "CNE16"};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(item(first, "GB", i).caption, youjian(gb[i - 1])) << i;
    // The colour submenu's items keep their own captions.
    EXPECT_EQ(item(first, "peise", 1).caption, "灰(&1)");

    storeText(forms::Txt::Youjian, "CNE08", "我的收藏");
    storeText(forms::Txt::Sousuo, "搜索名字4", "第四个");
    const ShownPopup& second = popUp();
    EXPECT_EQ(item(second, "LISHI", 1).caption, "我的收藏");
    EXPECT_EQ(item(second, "SSYQ100", 4).caption, "第四个");
}

TEST_F(MainMenuTest, MissingMenuTextFileGivesEmptyCaptions) {
    QFile::remove(path("\\txt\\右键.txt"));
    QFile::remove(path("\\txt\\sousuo.txt"));
    setSetting("搜索引擎", "");
    const ShownPopup& p = popUp();
    EXPECT_EQ(item(p, "caidan100", 1).caption, "");
    EXPECT_EQ(item(p, "GB", 4).caption, "");
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(item(p, "SSYQ100", n).caption, "") << n;
        EXPECT_TRUE(item(p, "SSYQ100", n).enabled) << n;
    }
}

TEST_F(MainMenuTest, OptionsPanelItemIsDisabled) {
    const ShownPopup& p = popUp();
    EXPECT_FALSE(item(p, "LISHI", 5).enabled);
    EXPECT_TRUE(item(p, "LISHI", 4).enabled);
}

// --- page-filter marks ---------------------------------------------------------------------------

struct FilterCase {
    const char* value;
    bool checked;
};

void PrintTo(const FilterCase& c, std::ostream* os) { *os << "'" << c.value << "'"; }

class PageFilterMarks : public MainMenuTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(PageFilterMarks, CheckedWhenOnOrUnreadable) {
    const FilterCase c = GetParam();
    const char* keys[] = {"框架不加载", "脚本被删除", "框架被删除"};
    // Each key on its own: the other two hold the opposite state.
    for (int k = 0; k < 3; ++k) {
        for (int o = 0; o < 3; ++o) setSetting(QString::fromUtf8(keys[o]), c.checked ? "1" : "0");
        setSetting(QString::fromUtf8(keys[k]), QString::fromUtf8(c.value));
        const ShownPopup& p = popUp();
        for (int o = 0; o < 3; ++o)
            EXPECT_EQ(item(p, "WYJZ100", o).checked, o == k ? c.checked : !c.checked) << keys[k] << " item " << o;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, PageFilterMarks,
                         ::testing::Values(FilterCase{"0", true}, FilterCase{"1", false}, FilterCase{"", true},
                                           FilterCase{"abc", true}, FilterCase{"0.0", true}, FilterCase{"2", false}),
                         [](const ::testing::TestParamInfo<FilterCase>& info) { return caseName(info.param.value, info.index); });

TEST_F(MainMenuTest, MissingSettingsFileChecksEveryFilterAndMarksNoEngine) {
    QFile::remove(path("\\txt\\应用.txt"));
    const ShownPopup& p = popUp();
    for (int i = 0; i <= 2; ++i) EXPECT_TRUE(item(p, "WYJZ100", i).checked) << i;
    for (int n = 1; n <= 10; ++n) {
        EXPECT_FALSE(item(p, "SSYQ100", n).checked) << n;
        EXPECT_TRUE(item(p, "SSYQ100", n).enabled) << n;
    }
}

// --- search engine items ------------------------------------------------------------------------

struct EngineCase {
    const char* value;
    int marked;  // 0: none
};

void PrintTo(const EngineCase& c, std::ostream* os) { *os << "'" << c.value << "'"; }

class EngineMark : public MainMenuTest, public ::testing::WithParamInterface<EngineCase> {};

TEST_P(EngineMark, OneItemCheckedAndGrey) {
    const EngineCase c = GetParam();
    setSetting("搜索引擎", QString::fromUtf8(c.value));
    const ShownPopup& p = popUp();
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(item(p, "SSYQ100", n).checked, n == c.marked) << n;
        EXPECT_EQ(item(p, "SSYQ100", n).enabled, n != c.marked) << n;
    }
    for (int n = 1; n <= 9; ++n)
        EXPECT_EQ(item(p, "SSYQ100", n).caption,
                  storedText(forms::Txt::Sousuo, QStringLiteral("搜索名字") + QString::number(n)));
    EXPECT_EQ(item(p, "SSYQ100", 10).caption, "？");
}

INSTANTIATE_TEST_SUITE_P(Values, EngineMark,
                         ::testing::Values(EngineCase{"3", 3}, EngineCase{"", 0}, EngineCase{"0", 0},
                                           EngineCase{"11", 0}, EngineCase{"10", 10}, EngineCase{"2.5", 2},
                                           EngineCase{"03", 3}, EngineCase{"-1", 0}, EngineCase{"x", 0}),
                         [](const ::testing::TestParamInfo<EngineCase>& info) { return caseName(info.param.value, info.index); });

TEST_F(MainMenuTest, EngineMarkFollowsTheSettingBetweenPopups) {
    setSetting("搜索引擎", "10");
    const ShownPopup& first = popUp();
    EXPECT_FALSE(item(first, "SSYQ100", 10).enabled);
    setSetting("搜索引擎", "4");
    const ShownPopup& second = popUp();
    // The engine-file item is usable again once another engine is chosen.
    EXPECT_TRUE(item(second, "SSYQ100", 10).enabled);
    EXPECT_FALSE(item(second, "SSYQ100", 10).checked);
    EXPECT_TRUE(item(second, "SSYQ100", 4).checked);
    EXPECT_FALSE(item(second, "SSYQ100", 4).enabled);
}

// --- colour scheme and margins -----------------------------------------------------------------

struct SchemeCase {
    const char* scheme;
    int marked;  // 0: none
};

void PrintTo(const SchemeCase& c, std::ostream* os) { *os << "'" << c.scheme << "'"; }

class SchemeMark : public MainMenuTest, public ::testing::WithParamInterface<SchemeCase> {};

TEST_P(SchemeMark, FirstPopupMarksTheSavedScheme) {
    const SchemeCase c = GetParam();
    setFgSetting("界面颜色", QString::fromUtf8(c.scheme));
    const ShownPopup& p = popUp();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(item(p, "peise", i).checked, i == c.marked) << i;
        EXPECT_EQ(item(p, "peise", i).enabled, i != c.marked) << i;
    }
    EXPECT_FALSE(item(p, "peise", 5).checked);
}

INSTANTIATE_TEST_SUITE_P(Values, SchemeMark,
                         ::testing::Values(SchemeCase{"灰", 1}, SchemeCase{"紫", 2}, SchemeCase{"黑", 3},
                                           SchemeCase{"蓝", 4}, SchemeCase{"", 0}, SchemeCase{"绿", 0}),
                         [](const ::testing::TestParamInfo<SchemeCase>& info) { return caseName(info.param.scheme, info.index); });

struct MarginCase {
    const char* value;
    bool checked;
};

void PrintTo(const MarginCase& c, std::ostream* os) { *os << "'" << c.value << "'"; }

class MarginMark : public MainMenuTest, public ::testing::WithParamInterface<MarginCase> {};

TEST_P(MarginMark, CheckedOnlyForYou) {
    const MarginCase c = GetParam();
    setFgSetting("界面边距", QString::fromUtf8(c.value));
    EXPECT_EQ(item(popUp(), "peise", 6).checked, c.checked);
}

INSTANTIATE_TEST_SUITE_P(Values, MarginMark,
                         ::testing::Values(MarginCase{"有", true}, MarginCase{"无", false}, MarginCase{"", false}),
                         [](const ::testing::TestParamInfo<MarginCase>& info) { return caseName(info.param.value, info.index); });

// --- history group -------------------------------------------------------------------------------

TEST_F(MainMenuTest, HistoryItemsOpenTheRecordWindows) {
    struct Row {
        int index;
        std::function<ui::Form*()> window;
    };
    const Row rows[] = {
        {1, [] { return static_cast<ui::Form*>(forms::windows().existing<Form13>()); }},
        {2, [] { return static_cast<ui::Form*>(forms::windows().existing<Form3>()); }},
        {3, [] { return static_cast<ui::Form*>(forms::windows().existing<Form6>()); }},
    };
    for (const Row& r : rows) {
        services.queuePopupChoice("LISHI", r.index);
        pressBackground(Qt::RightButton);
        ui::Form* w = r.window();
        ASSERT_NE(w, nullptr) << r.index;
        EXPECT_TRUE(w->visible()) << r.index;
    }
}

TEST_F(MainMenuTest, OtherBrowserItemOpensTheNavigationPageAsOneArgument) {
    QDir().mkpath(home.path() + "/.local/share/applications");
    QFile entry(home.path() + "/.local/share/applications/otherweb.desktop");
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Other\nExec=otherweb %f\n");
    entry.close();
    QFile list(home.path() + "/.config/mimeapps.list");
    QDir().mkpath(home.path() + "/.config");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\nx-scheme-handler/http=otherweb.desktop\n");
    list.close();

    services.queuePopupChoice("LISHI", 4);
    pressBackground(Qt::RightButton);
    ASSERT_EQ(launcher.starts.size(), 1);
    EXPECT_EQ(launcher.starts[0].program, "otherweb");
    EXPECT_EQ(launcher.starts[0].arguments, QStringList{path("\\导航.html")});
}

TEST_F(MainMenuTest, OtherBrowserThatCannotStartIsNamedInAMessage) {
    launcher.refuseStarts = true;
    services.queuePopupChoice("LISHI", 4);
    pressBackground(Qt::RightButton);
    EXPECT_EQ(services.messages(), QStringList{"没有找到可以打开的其他浏览器"});
}

TEST_F(MainMenuTest, OptionsPanelItemStartsNothing) {
    services.queuePopupChoice("LISHI", 5);
    pressBackground(Qt::RightButton);
    EXPECT_TRUE(launcher.starts.isEmpty());
    // Called by code it does nothing either.
    f4().LISHI(5).click();
    EXPECT_TRUE(launcher.starts.isEmpty());
}

}  // namespace
