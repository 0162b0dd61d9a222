// The tab strip layout for one to nine visible labels, with fixed and window-following widths.
#include "tabs_fixture.h"
#include "support/stored_settings.h"

#include <set>
#include <vector>

namespace {

class StripTest : public TabsTest {
protected:
    void SetUp() override {
        TabsTest::SetUp();
        f().move(0, 0, 12000, 8000);
        for (int k = 2; k <= 10; ++k) {
            f().lv(k).move(5000 + k, 0, 333, 300);  // a place and width no layout gives
            f().lv(k).setVisible(false);
        }
    }
    void show(const std::set<int>& shown) {
        for (int k = 2; k <= 10; ++k) f().lv(k).setVisible(shown.count(k) != 0);
    }
    std::vector<int> visibleSlots() {
        std::vector<int> out;
        for (int k = 2; k <= 10; ++k)
            if (f().lv(k).visible()) out.push_back(k);
        return out;
    }
    // The strip rule over the visible labels: the first at youyi - 10, the second overlapping the
    // first by 20 twips, the rest overlapping their predecessor by 10.
    void expectPlacedFrom(double firstLeft) {
        const auto shown = visibleSlots();
        for (size_t i = 0; i < shown.size(); ++i) {
            auto& l = f().lv(shown[i]);
            if (i == 0) {
                EXPECT_NEAR(l.left(), firstLeft, 0.01) << "lv(" << shown[i] << ")";
            } else {
                auto& p = f().lv(shown[i - 1]);
                EXPECT_NEAR(l.left(), p.left() + p.width() - (i == 1 ? 20 : 10), 0.01) << "lv(" << shown[i] << ")";
            }
        }
    }
};

struct WidthCase {
    std::set<int> shown;
    double width;  // for W = 12000
};

TEST_F(StripTest, WidthsForOneToNineTabs) {
    const WidthCase cases[] = {
        {{5}, 3000},
        {{2, 4}, 2666.667},
        {{2, 4, 7}, 2400},
        {{2, 3, 4, 5}, 2088.889},
        {{2, 3, 4, 5, 10}, 1709.091},
        {{2, 3, 4, 5, 6, 7}, 1446.154},
        {{2, 3, 4, 5, 6, 7, 8}, 1253.333},
        {{2, 3, 4, 5, 6, 7, 8, 9, 10}, 989.4737},
    };
    for (const bool fixed : {false, true}) {
        setAppSetting("固定宽度", fixed ? "1" : "0");
        for (const auto& c : cases) {
            show(c.shown);
            for (int k = 2; k <= 10; ++k) f().lv(k).move(5000 + k, 0, 333, 300);
            f().Command39.press();
            const double width = fixed ? 1500 : c.width;
            for (int k = 2; k <= 10; ++k) {
                if (c.shown.count(k)) {
                    EXPECT_NEAR(f().lv(k).width(), width, 0.01) << c.shown.size() << " tabs, lv(" << k << ")";
                } else {
                    EXPECT_DOUBLE_EQ(f().lv(k).width(), 333) << "hidden lv(" << k << ")";
                    EXPECT_DOUBLE_EQ(f().lv(k).left(), 5000 + k) << "hidden lv(" << k << ")";
                }
            }
            expectPlacedFrom(140);
        }
    }
}

TEST_F(StripTest, EightTabsWidenTheHiddenLabelAndPlaceTheOthers) {
    show({2, 3, 4, 5, 7, 8, 9, 10});
    f().Command39.press();
    for (int k = 2; k <= 10; ++k) EXPECT_NEAR(f().lv(k).width(), 9400 / 8.5, 0.01) << k;
    EXPECT_DOUBLE_EQ(f().lv(6).left(), 5006);
    expectPlacedFrom(140);
    EXPECT_NEAR(f().lv(7).left(), f().lv(5).left() + f().lv(5).width() - 10, 0.01);

    setAppSetting("固定宽度", "1");
    f().Command39.press();
    for (int k = 2; k <= 10; ++k) EXPECT_DOUBLE_EQ(f().lv(k).width(), 1500) << k;
    EXPECT_DOUBLE_EQ(f().lv(6).left(), 5006);
    expectPlacedFrom(140);
}

TEST_F(StripTest, EightTabsWithSlotTenHidden) {
    show({2, 3, 4, 5, 6, 7, 8, 9});
    f().Command39.press();
    EXPECT_DOUBLE_EQ(f().lv(10).left(), 5010);
    expectPlacedFrom(140);
}

TEST_F(StripTest, FixedOrFollowingBySetting) {
    struct Case {
        const char* fixedSetting;
        double width;
    };
    const Case cases[] = {
        {"1", 1500}, {"", 1500}, {"abc", 1500}, {"0", 2400}, {"2", 2400},
    };
    for (const auto& c : cases) {
        setAppSetting("固定宽度", QString::fromUtf8(c.fixedSetting));
        show({2, 3, 4});
        f().Command39.press();
        for (int k : {2, 3, 4}) EXPECT_NEAR(f().lv(k).width(), c.width, 0.01) << c.fixedSetting;
        expectPlacedFrom(140);
        EXPECT_DOUBLE_EQ(f().lv(4).left(), 140 + c.width - 20 + c.width - 10);
    }
}

TEST_F(StripTest, FixedWidthThatIsNoNumberOrNegativeKeepsTheWidths) {
    setAppSetting("固定宽度", "1");
    for (const char* bad : {"", "宽", "-5"}) {
        setAppSetting("宽度", QString::fromUtf8(bad));
        show({3, 5, 6});
        f().Command39.press();
        for (int k : {3, 5, 6}) EXPECT_DOUBLE_EQ(f().lv(k).width(), 333) << bad;
        expectPlacedFrom(140);
    }
}

TEST_F(StripTest, WithoutTheLeftOffsetTheFirstLabelStays) {
    storeFgSetting(QStringLiteral("网页右移"), QString());
    show({2, 3});
    f().Command39.press();
    expectPlacedFrom(5002);
    EXPECT_NEAR(f().lv(3).left(), 5002 + 12000 / 4.5 - 20, 0.01);
}

// A fixed width and a left offset beyond the window are taken within what fits (the strip's room,
// a quarter of the window); the settings keep what they hold.
TEST_F(StripTest, WidthAndOffsetBeyondTheWindowAreCutToWhatFits) {
    struct Case {
        const char* width;  // 宽度
        const char* shift;  // 网页右移
        double labelWidth;
        double firstLeft;
    };
    const Case cases[] = {
        {"1500", "0", 1500, 140},
        {"9400", "0", 9400, 140},
        {"32767", "0", 12000 - 2600, 140},
        {"1500", "1000000", 1500, 12000 / 4.0 - 10},
        {"1500", "-1000000", 1500, -10},
        {"1e9", "1e9", 12000 - 2600, 12000 / 4.0 - 10},
    };
    setAppSetting("固定宽度", "1");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.width) + ", " + c.shift);
        setAppSetting("宽度", c.width);
        storeFgSetting(QStringLiteral("网页右移"), QString::fromUtf8(c.shift));
        show({2, 3, 4});
        f().Command39.press();
        for (int k : {2, 3, 4}) EXPECT_NEAR(f().lv(k).width(), c.labelWidth, 0.01) << k;
        expectPlacedFrom(c.firstLeft);
        EXPECT_EQ(storedSetting(QStringLiteral("宽度")), c.width);
        EXPECT_EQ(storedFgSetting(QStringLiteral("网页右移")), c.shift);
    }
}

TEST_F(StripTest, NothingVisibleChangesNothing) {
    f().Command39.press();
    for (int k = 2; k <= 10; ++k) {
        EXPECT_DOUBLE_EQ(f().lv(k).left(), 5000 + k);
        EXPECT_DOUBLE_EQ(f().lv(k).width(), 333);
    }
}

TEST_F(StripTest, FollowingWidthsTrackTheWindow) {
    show({2, 3, 4, 5});
    f().move(0, 0, 9000, 6000);
    f().Command39.press();
    EXPECT_NEAR(f().lv(2).width(), (9000 - 2600) / 4.5, 0.01);
    f().move(0, 0, 20000, 6000);
    f().Command39.press();
    EXPECT_NEAR(f().lv(2).width(), (20000 - 2600) / 4.5, 0.01);
    expectPlacedFrom(140);
}

}  // namespace
