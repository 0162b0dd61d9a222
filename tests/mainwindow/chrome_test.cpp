// The chrome of the borderless main window: edge and corner zones with their pointers and the move or
// resize handed to the window system, the glyph looks, the glyph and address-label clicks, and the
// right button on the address label.
#include "support/program/program_fixture.h"

#include "mainwindow/chrome.h"
#include "forms/form1.h"
#include "platform/sys/windows.h"
#include "platform/ui/form.h"

#include <QFile>

namespace {

const double W = 10000;
const double H = 8000;

struct ZoneCase {
    double x, y;
    int hitTest;  // with the left button alone
    int pointer;  // with no button
};

// Boundaries of the 130-twip band, the 160-twip plain bottom edge, and the two places where the two
// tables test the edges in a different order.
const ZoneCase kZones[] = {
    {130, 130, Chrome::kTopLeft, 8},
    {131, 130, Chrome::kTop, 7},
    {130, 131, Chrome::kLeft, 9},
    {0, 0, Chrome::kTopLeft, 8},
    {W - 130, 130, Chrome::kTopRight, 6},
    {W - 131, 130, Chrome::kTop, 7},
    {W - 130, 131, Chrome::kRight, 9},
    {W, 500, Chrome::kRight, 9},
    {130, H - 130, Chrome::kBottomLeft, 6},
    {131, H - 130, Chrome::kBottom, 7},
    {W - 130, H - 130, Chrome::kBottomRight, 8},
    {W - 131, H - 130, Chrome::kBottom, 7},
    {5000, 130, Chrome::kTop, 7},
    {5000, 131, Chrome::kMove, 0},
    {5000, H - 160, Chrome::kMove, 0},
    {5000, H - 159.99, Chrome::kBottom, 7},
    {100, H - 140, Chrome::kLeft, 7},      // a drag resizes the left edge, the pointer is vertical
    {W - 100, H - 140, Chrome::kBottom, 7},
    {131, 131, Chrome::kMove, 0},
    {W - 131, H - 131, Chrome::kBottom, 7},
    {W - 131, H - 161, Chrome::kMove, 0},
};

TEST(ChromeZones, LeftButtonAloneDragsEverywhereOnTheBackground) {
    for (const ZoneCase& z : kZones) {
        const Chrome::BackgroundAction a = Chrome::backgroundAction(z.x, z.y, W, H, 1, false);
        EXPECT_EQ(a.hitTest, z.hitTest) << z.x << "," << z.y;
        EXPECT_EQ(a.pointer, -1) << z.x << "," << z.y;
    }
}

TEST(ChromeZones, OtherButtonsOnlyChooseThePointer) {
    for (int buttons : {0, 2, 3, 4, 5}) {
        for (const ZoneCase& z : kZones) {
            const Chrome::BackgroundAction a = Chrome::backgroundAction(z.x, z.y, W, H, buttons, false);
            EXPECT_EQ(a.hitTest, 0) << buttons << ": " << z.x << "," << z.y;
            EXPECT_EQ(a.pointer, z.pointer) << buttons << ": " << z.x << "," << z.y;
        }
    }
}

TEST(ChromeZones, OwnMaximisedWindowNeitherDragsNorChangesThePointer) {
    for (int buttons : {0, 1}) {
        const Chrome::BackgroundAction a = Chrome::backgroundAction(10, 10, W, H, buttons, true);
        EXPECT_EQ(a.hitTest, 0);
        EXPECT_EQ(a.pointer, -1);
    }
}

// ---------------------------------------------------------------------------------------------

class ChromeTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
        setFgSetting("颜色1", "255");
        setFgSetting("颜色2", "65280");
        setFgSetting("颜色3", "16711680");
        sys::systemMoveRequests().clear();
    }
    bool normal(int k) { return f1().Label2(k).foreColor() == 255 && f1().Label2(k).backStyle() == 0; }
    bool hover(int k) {
        return f1().Label2(k).foreColor() == 65280 && f1().Label2(k).backStyle() == 1 &&
               f1().Label2(k).backColor() == 16711680;
    }
    std::vector<int> hitTests() {
        std::vector<int> out;
        for (const auto& r : sys::systemMoveRequests()) {
            EXPECT_EQ(r.window, f1().hWnd());
            out.push_back(r.hitTest);
        }
        return out;
    }
};

TEST_F(ChromeTest, BackgroundDragHandsTheZoneToTheWindowSystem) {
    Form1& f = f1();
    f.onMouseMove(1, 0, 10, 10);
    f.onMouseMove(1, 0, f.width() - 10, f.height() - 10);
    f.onMouseMove(1, 0, f.width() / 2, f.height() / 2);
    EXPECT_EQ(hitTests(), (std::vector<int>{Chrome::kTopLeft, Chrome::kBottomRight, Chrome::kMove}));
}

TEST_F(ChromeTest, BackgroundMoveSetsThePointerAndResetsTheGlyphs) {
    Form1& f = f1();
    f.Label2.onMouseMove(3, 0, 0, 10, 60);
    ASSERT_TRUE(hover(3));
    f.onMouseMove(0, 0, f.width() - 10, f.height() / 2);
    EXPECT_EQ(f.mousePointer(), 9);
    EXPECT_TRUE(normal(1) && normal(2) && normal(3));
    f.onMouseMove(2, 0, f.width() / 2, f.height() / 2);
    EXPECT_EQ(f.mousePointer(), 0);
    EXPECT_TRUE(hitTests().empty());
}

TEST_F(ChromeTest, OwnMaximisedOrUnreadableStateStopsDragAndPointer) {
    Form1& f = f1();
    for (const char* tag : {"2", "x"}) {
        f.setTag(tag);
        f.Label2.onMouseMove(1, 0, 0, 10, 60);
        f.setMousePointer(6);
        f.onMouseMove(1, 0, 10, 10);
        f.onMouseMove(0, 0, 10, 10);
        EXPECT_TRUE(normal(1)) << tag;
        EXPECT_EQ(f.mousePointer(), 6) << tag;
        f.Label2.onMouseMove(0, 1, 0, 10, 10);
        EXPECT_EQ(f.mousePointer(), 0) << tag;  // the title strip still resets the pointer
        EXPECT_TRUE(hitTests().empty()) << tag;
    }
}

TEST_F(ChromeTest, GlyphHoverStartsFiftyTwipsBelowItsTop) {
    Form1& f = f1();
    f.setMousePointer(8);
    f.Label2.onMouseMove(2, 0, 0, 100, 50);
    EXPECT_EQ(f.mousePointer(), 0);
    EXPECT_TRUE(hover(2));
    EXPECT_TRUE(normal(1) && normal(3));

    f.Label2.onMouseMove(2, 0, 0, 100, 49.9);
    EXPECT_TRUE(normal(2));
}

TEST_F(ChromeTest, MovingBetweenGlyphsLeavesOnlyTheNewOneHovered) {
    Form1& f = f1();
    f.Label2.onMouseMove(1, 0, 0, 100, 100);
    f.Label2.onMouseMove(2, 0, 0, 100, 100);
    EXPECT_TRUE(normal(1));
    EXPECT_TRUE(hover(2));
    EXPECT_TRUE(normal(3));
}

TEST_F(ChromeTest, ColourThatIsNoNumberLeavesThatColourOnly) {
    Form1& f = f1();
    f.Label2(2).setBackColor(123);
    setFgSetting("颜色3", "");
    f.Label2.onMouseMove(2, 0, 0, 100, 100);
    EXPECT_EQ(f.Label2(2).backStyle(), 1);
    EXPECT_EQ(f.Label2(2).backColor(), 123);
    EXPECT_EQ(f.Label2(2).foreColor(), 65280);

    setFgSetting("颜色1", "abc");
    f.onMouseMove(0, 0, 500, 500);
    EXPECT_EQ(f.Label2(2).backStyle(), 0);
    EXPECT_EQ(f.Label2(2).foreColor(), 65280);
}

TEST_F(ChromeTest, TitleStripDragMovesTheWindow) {
    Form1& f = f1();
    f.Label2.onMouseMove(0, 1, 0, 10, 10);
    f.Label2.onMouseMove(0, 0, 0, 10, 10);  // no button: nothing
    f.Label2.onMouseMove(0, 3, 0, 10, 10);  // left and right: nothing
    f.Label2.onMouseMove(4, 1, 0, 10, 10);  // the address label never moves the window
    f.Label2.onMouseMove(2, 1, 0, 10, 100); // nor do the glyphs
    EXPECT_EQ(hitTests(), std::vector<int>{Chrome::kMove});
}

TEST_F(ChromeTest, GlyphClicksPressTheWindowCommands) {
    Form1& f = f1();
    std::vector<int> pressed;
    f.Command2.onClick = nullptr;  // the test takes the slot over from its owner
    f.Command2.onClick = [&](int index) { pressed.push_back(index); };
    f.Label2.onClick(0);
    f.Label2.onClick(2);
    f.Label2.onClick(3);
    EXPECT_EQ(pressed, (std::vector<int>{17, 19}));
    EXPECT_EQ(f.windowState(), ui::vbNormal);
}

TEST_F(ChromeTest, MinimiseGlyphClickReturnsItToTheNormalLook) {
    Form1& f = f1();
    f.Label2.onMouseMove(1, 0, 0, 10, 100);
    f.Label2.onClick(1);
    EXPECT_EQ(f.windowState(), ui::vbMinimized);
    EXPECT_TRUE(normal(1));
}

struct SelectCase {
    const char* name;
    const char* value;  // 网址栏框; nullptr: no key
    bool selectsAll;
};

class ChromeAddressLabel : public ChromeTest, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(ChromeAddressLabel, ClickOpensTheBoxWithTheCaretOrTheWholeTextSelected) {
    const SelectCase c = GetParam();
    Form1& f = f1();
    if (c.value)
        setSetting("网址栏框", QString::fromUtf8(c.value));
    else
        QFile::remove(path("\\txt\\应用.txt"));
    f.Text7.setText("http://www.a.com/");
    f.Text7.setVisible(false);
    f.Label2.onClick(4);
    EXPECT_TRUE(f.Text7.visible());
    EXPECT_EQ(f.Text7.selStart(), 0);
    EXPECT_EQ(f.Text7.selLength(), c.selectsAll ? 17 : 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, ChromeAddressLabel,
                         ::testing::Values(SelectCase{"Yes", "是", true}, SelectCase{"No", "否", false},
                                           SelectCase{"Empty", "", false}, SelectCase{"NoKey", nullptr, false}),
                         [](const ::testing::TestParamInfo<SelectCase>& info) { return std::string(info.param.name); });

TEST_F(ChromeTest, RightButtonOnTheAddressLabelPopsUpTheAddressMenu) {
    Form1& f = f1();
    f.Label2.onMouseDown(0, 2, 0, 10, 10);
    f.Label2.onMouseDown(3, 2, 0, 10, 10);
    f.Label2.onMouseDown(4, 1, 0, 10, 10);
    EXPECT_TRUE(services.popups().empty());

    f.Label2.onMouseDown(4, 2, 0, 10, 10);
    ASSERT_EQ(services.popups().size(), 1u);
    EXPECT_EQ(services.popups()[0].menu.name, "DZYJ");
    EXPECT_TRUE(f.Text7.enabled());
}

}  // namespace
