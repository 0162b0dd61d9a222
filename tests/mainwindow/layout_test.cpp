// The layout of the main window: the rectangles it gives the address bar, the glyph buttons, the page
// area and the border; the minimum size; minimise and restore; the tab strip and the tab browsers;
// the click on the bare background.
#include "support/program/program_fixture.h"

#include "forms/form1.h"
#include "support/http_server.h"
#include "platform/ui/form.h"

#include <QCoreApplication>
#include <QRectF>
#include <QWindow>

#include <functional>

namespace {

QRectF rectOf(const ui::Control& c) { return QRectF(c.left(), c.top(), c.width(), c.height()); }

// Names the cases of a table by their `name` field.
struct CaseName {
    template <class P>
    std::string operator()(const ::testing::TestParamInfo<P>& info) const {
        return info.param.name;
    }
};

class LayoutTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
    }
    // Runs a layout pass at a size different from the current one.
    void resizeTo(double w, double h) { f1().move(f1().left(), f1().top(), w, h); }
    void countTabStripPresses() {
        presses_ = 0;
        f1().Command39.onClick = nullptr;  // the test takes the slot over from its owner
        f1().Command39.onClick = [this] { ++presses_; };
    }
    int presses_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Rectangles for the two frame forms and several offsets.

struct Margins {
    const char* name;
    const char* frame;  // 界面边距
    const char* shift;  // 网页右移
    const char* cut;    // 网页左减
    const char* bottom; // 网页长度
};

class LayoutRectangles : public LayoutTest, public ::testing::WithParamInterface<Margins> {};

TEST_P(LayoutRectangles, PlacesEveryControlFromTheSettings) {
    const Margins m = GetParam();
    setFgSetting("界面边距", m.frame);
    setFgSetting("网页右移", m.shift);
    setFgSetting("网页左减", m.cut);
    setFgSetting("网页长度", m.bottom);
    Form1& f = f1();
    const double SW = 12000, SH = 9000;
    resizeTo(SW, SH);

    const double L = QString(m.shift).toDouble() + 150;
    const double R = QString(m.cut).toDouble();
    const double B = QString(m.bottom).toDouble();
    const double T = f.lv(2).height();
    const bool tight = QString::fromUtf8(m.frame) == QStringLiteral("有");

    EXPECT_EQ(rectOf(f.Text7), QRectF(L + 40, T + 80, SW - R - 370, 270));
    EXPECT_EQ(rectOf(f.Label2(4)), rectOf(f.Text7));
    if (tight)
        EXPECT_EQ(rectOf(f.Shape2(0)), QRectF(L - 10, T + 50, SW - R - 270, 330));
    else
        EXPECT_EQ(rectOf(f.Shape2(0)), QRectF(L - 20, T + 50, SW - R - 240, 330));

    // The close glyph ends at a fixed distance from the right margin, whatever the left offset.
    EXPECT_DOUBLE_EQ(f.Label2(3).left() + f.Label2(3).width(), tight ? SW - R - 130 : SW - R - 240);
    EXPECT_DOUBLE_EQ(f.Shape2(3).left(), f.Label2(3).left());
    EXPECT_DOUBLE_EQ(f.Label2(2).left(), f.Label2(3).left() - f.Label2(3).width() + 10);
    EXPECT_DOUBLE_EQ(f.Shape2(2).left(), f.Label2(2).left());
    EXPECT_DOUBLE_EQ(f.Label2(1).left(), f.Label2(2).left() - f.Label2(2).width() + 20);
    EXPECT_DOUBLE_EQ(f.Shape2(1).left(), f.Label2(1).left());

    EXPECT_EQ(rectOf(f.WebBrowser1(1)), QRectF(L - 10, T + 270 + 170, SW - R - 270, SH - T - 270 - B - 320));

    // Bottom and right border lines one line inside the edge; top and left reach the far corner.
    EXPECT_EQ(QRectF(f.Line1(3).x1(), f.Line1(3).y1(), f.Line1(3).x2(), f.Line1(3).y2()),
              QRectF(0, SH - 10, SW, SH - 10));
    EXPECT_EQ(QRectF(f.Line1(4).x1(), f.Line1(4).y1(), f.Line1(4).x2(), f.Line1(4).y2()),
              QRectF(SW - 10, 0, SW - 10, SH));
    EXPECT_DOUBLE_EQ(f.Line1(1).x2(), SW);
    EXPECT_DOUBLE_EQ(f.Line1(2).y2(), SH);
}

INSTANTIATE_TEST_SUITE_P(Margins, LayoutRectangles,
                         ::testing::Values(Margins{"TightFrame", "有", "0", "0", "0"},
                                           Margins{"WideFrame", "无", "100", "200", "300"},
                                           Margins{"EmptyFrameNegativeShift", "", "-130", "50", "20"},
                                           Margins{"FractionAndNegativeBottom", "有", "35.5", "0", "-40"}),
                         CaseName());

// ---------------------------------------------------------------------------------------------
// A setting that is no number skips only the statements that use it.

struct BadSetting {
    const char* name;
    const char* key;
    const char* value;
    bool boxMoves;      // the address box (and the label and frame from it) moves
    bool browserMoves;  // the home slot's browser moves
};

class LayoutBadSetting : public LayoutTest, public ::testing::WithParamInterface<BadSetting> {};

TEST_P(LayoutBadSetting, KeepsOnlyWhatUsesIt) {
    const BadSetting b = GetParam();
    Form1& f = f1();
    const QRectF box = rectOf(f.Text7);
    const QRectF browser = rectOf(f.WebBrowser1(1));
    setFgSetting(b.key, b.value);
    resizeTo(12500, 9500);

    EXPECT_EQ(rectOf(f.Text7) == box, !b.boxMoves);
    EXPECT_EQ(rectOf(f.WebBrowser1(1)) == browser, !b.browserMoves);
    // The label, the frame and the glyphs still follow the box's rectangle as it stands.
    EXPECT_EQ(rectOf(f.Label2(4)), rectOf(f.Text7));
    EXPECT_DOUBLE_EQ(f.Shape2(0).width(), f.Text7.width() + 100);
    EXPECT_DOUBLE_EQ(f.Shape2(3).left(), f.Label2(3).left());
    // The border always follows the window.
    EXPECT_DOUBLE_EQ(f.Line1(4).x1(), 12490);
    EXPECT_DOUBLE_EQ(f.Line1(3).y1(), 9490);
}

INSTANTIATE_TEST_SUITE_P(Settings, LayoutBadSetting,
                         ::testing::Values(BadSetting{"ShiftText", "网页右移", "abc", false, false},
                                           BadSetting{"ShiftEmpty", "网页右移", "", false, false},
                                           BadSetting{"CutEmpty", "网页左减", "", false, false},
                                           BadSetting{"CutWithComma", "网页左减", "1,5", false, false},
                                           BadSetting{"BottomText", "网页长度", "x", true, false},
                                           BadSetting{"BottomEmpty", "网页长度", "", true, false}),
                         CaseName());

// ---------------------------------------------------------------------------------------------

TEST_F(LayoutTest, KeepsTheMinimumSizeAndLaysOutForTheFinalSize) {
    Form1& f = f1();
    resizeTo(8000, 5000);
    EXPECT_DOUBLE_EQ(f.width(), 9000);
    EXPECT_DOUBLE_EQ(f.height(), 6000);
    const double T = f.lv(2).height();
    EXPECT_DOUBLE_EQ(f.Text7.width(), 9000 - 370);
    EXPECT_DOUBLE_EQ(f.WebBrowser1(1).width(), 9000 - 270);
    EXPECT_DOUBLE_EQ(f.WebBrowser1(1).height(), 6000 - T - 270 - 320);
    EXPECT_DOUBLE_EQ(f.Line1(4).x1(), 8990);
    EXPECT_DOUBLE_EQ(f.Line1(3).y1(), 5990);

    // Only the side that is too small is changed.
    resizeTo(9500, 100);
    EXPECT_DOUBLE_EQ(f.width(), 9500);
    EXPECT_DOUBLE_EQ(f.height(), 6000);
}

// The window system is told the minimum, and a native resize below it (the window functions, or the
// window system itself) leaves the window and the laid-out form at the minimum, agreeing.
TEST_F(LayoutTest, TheNativeWindowKeepsTheMinimumToo) {
    Form1& f = f1();
    QWindow* native = f.widget()->windowHandle();
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->minimumSize(), QSize(600, 400));
    EXPECT_DOUBLE_EQ(f.minimumWidth(), 9000);
    EXPECT_DOUBLE_EQ(f.minimumHeight(), 6000);

    struct Case {
        const char* name;
        std::function<void()> resize;
        QSize size;  // pixels
    };
    const Case cases[] = {
        {"window functions, narrower", [&] { f.CAO(f.hWnd(), 0, 0, 0, 404, 520, 2); }, QSize(600, 520)},
        {"window functions, lower", [&] { f.CAO(f.hWnd(), 0, 0, 0, 707, 270, 2); }, QSize(707, 400)},
        {"window system", [&] { native->resize(404, 270); }, QSize(600, 400)},
        {"widget", [&] { f.widget()->resize(100, 50); }, QSize(600, 400)},
        {"window functions, larger", [&] { f.CAO(f.hWnd(), 0, 0, 0, 800, 600, 2); }, QSize(800, 600)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resizeTo(10605, 7800);
        c.resize();
        QCoreApplication::processEvents();
        EXPECT_EQ(f.widget()->size(), c.size);
        // The form and the native window agree, and the layout followed the size the window has.
        EXPECT_DOUBLE_EQ(f.width(), f.widget()->width() * 15.0);
        EXPECT_DOUBLE_EQ(f.height(), f.widget()->height() * 15.0);
        EXPECT_DOUBLE_EQ(f.Line1(4).x1(), f.width() - 10);
        EXPECT_DOUBLE_EQ(f.Line1(3).y1(), f.height() - 10);
        EXPECT_DOUBLE_EQ(f.Label2(3).left() + f.Label2(3).width(), f.width() - 130);  // the close glyph is inside
    }
}

// Page offsets and a tab height beyond any screen: the layout takes them within what fits, so the
// page always lies inside the window with room to show; the stored values stay.
struct FitCase {
    const char* name;
    const char* shift;   // 网页右移
    const char* cut;     // 网页左减
    const char* bottom;  // 网页长度
    double tabHeight;    // lv(2..10)
    double L, R, B, T;   // as the layout takes them, in a window of 12000 x 9000
};

class LayoutFits : public LayoutTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(LayoutFits, PageStaysInsideTheWindow) {
    const FitCase c = GetParam();
    Form1& f = f1();
    setFgSetting("界面边距", "有");
    setFgSetting("网页右移", c.shift);
    setFgSetting("网页左减", c.cut);
    setFgSetting("网页长度", c.bottom);
    for (int k = 2; k <= 10; ++k) f.lv(k).setHeight(c.tabHeight);
    const double SW = 12000, SH = 9000;
    resizeTo(SW, SH);

    EXPECT_EQ(rectOf(f.Text7), QRectF(c.L + 40, c.T + 80, SW - c.R - 370, 270));
    EXPECT_EQ(rectOf(f.WebBrowser1(1)), QRectF(c.L - 10, c.T + 270 + 170, SW - c.R - 270, SH - c.T - 270 - c.B - 320));
    const QRectF page = rectOf(f.WebBrowser1(1));
    EXPECT_GE(page.left(), -10);
    EXPECT_LE(page.right(), SW);
    EXPECT_LE(page.bottom(), SH);
    EXPECT_GT(page.width(), SW / 2);
    EXPECT_GT(page.height(), SH / 3);
    EXPECT_EQ(fgSetting("网页右移"), c.shift);
    EXPECT_EQ(fgSetting("网页左减"), c.cut);
    EXPECT_EQ(fgSetting("网页长度"), c.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LayoutFits,
    ::testing::Values(FitCase{"AsStored", "0", "0", "0", 315, 150, 0, 0, 315},
                      FitCase{"MarginsOff", "-130", "-240", "-130", 315, 20, -240, -130, 315},
                      FitCase{"TallTabs", "0", "0", "0", 40000, 150, 0, 0, 1500},
                      FitCase{"HugeShift", "1000000", "0", "0", 315, 3000, 2720, 0, 315},
                      FitCase{"HugeNegativeShift", "-1000000", "0", "0", 315, 0, 0, 0, 315},
                      FitCase{"HugeCut", "0", "32767", "0", 315, 150, 3000, 0, 315},
                      FitCase{"HugeNegativeCut", "0", "-32767", "0", 315, 150, -130, 0, 315},
                      FitCase{"HugeBottom", "0", "0", "32767", 315, 150, 0, 2250, 315},
                      FitCase{"HugeNegativeBottom", "0", "0", "-32767", 315, 150, 0, -150, 315},
                      FitCase{"EverythingHuge", "32767", "32767", "32767", 32767, 3000, 3000, 2250, 1500}),
    CaseName());

TEST_F(ProgramFixture, LayoutRunsAtTheFirstShowing) {
    ASSERT_TRUE(start(QString(), false));
    Form1& f = f1();
    f.Text7.move(1, 2, 3, 4);
    f.show();
    EXPECT_DOUBLE_EQ(f.Text7.width(), f.width() - 370);
    EXPECT_EQ(rectOf(f.Label2(4)), rectOf(f.Text7));
}

TEST_F(LayoutTest, RunsForSizeChangesSmallerThanAPixel) {
    Form1& f = f1();
    const double before = f.Text7.width();
    f.setWidth(f.width() + 0.5);
    EXPECT_DOUBLE_EQ(f.Text7.width(), before + 0.5);
    EXPECT_DOUBLE_EQ(f.Line1(1).x2(), f.width());
}

TEST_F(LayoutTest, RestoreAfterMinimiseChangesNothingButTheSkipFlag) {
    Form1& f = f1();
    f.WebBrowser1.load(2);
    countTabStripPresses();

    f.setWindowState(ui::vbMinimized);
    EXPECT_EQ(f.WebBrowser1(1).tag(), "1");

    f.Text7.move(1, 2, 3, 4);
    f.setWindowState(ui::vbNormal);
    EXPECT_EQ(f.WebBrowser1(1).tag(), "0");
    EXPECT_EQ(rectOf(f.Text7), QRectF(1, 2, 3, 4));
    EXPECT_EQ(presses_, 0);

    // The next resize lays out again.
    resizeTo(f.width() + 100, f.height());
    EXPECT_DOUBLE_EQ(f.Text7.width(), f.width() - 370);
    EXPECT_EQ(presses_, 1);
}

TEST_F(LayoutTest, MinimiseGlyphMinimisesAndTheRestoreSkips) {
    Form1& f = f1();
    f.Label2.onClick(1);
    EXPECT_EQ(f.windowState(), ui::vbMinimized);
    EXPECT_EQ(f.WebBrowser1(1).tag(), "1");
    f.setWindowState(ui::vbNormal);
    EXPECT_EQ(f.WebBrowser1(1).tag(), "0");
}

TEST_F(LayoutTest, SkipFlagThatIsNoNumberIsResetLikeTheRestore) {
    Form1& f = f1();
    f.WebBrowser1(1).setTag("?");
    f.Text7.move(1, 2, 3, 4);
    resizeTo(f.width() + 100, f.height());
    EXPECT_EQ(f.WebBrowser1(1).tag(), "0");
    EXPECT_EQ(rectOf(f.Text7), QRectF(1, 2, 3, 4));
}

struct TabStripCase {
    const char* name;
    const char* fixedWidth;  // 固定宽度
    bool tabBrowser;         // a tab browser is loaded
    int presses;
};

class LayoutTabStrip : public LayoutTest, public ::testing::WithParamInterface<TabStripCase> {};

TEST_P(LayoutTabStrip, PressesTheTabStripLayoutWhenWidthsFollowTheWindow) {
    const TabStripCase c = GetParam();
    Form1& f = f1();
    if (c.tabBrowser) f.WebBrowser1.load(3);
    setSetting("固定宽度", c.fixedWidth);
    countTabStripPresses();
    resizeTo(f.width() + 300, f.height());
    EXPECT_EQ(presses_, c.presses);
}

INSTANTIATE_TEST_SUITE_P(Settings, LayoutTabStrip,
                         ::testing::Values(TabStripCase{"FollowWithTab", "0", true, 1},
                                           TabStripCase{"FixedWithTab", "1", true, 0},
                                           TabStripCase{"OtherNumberWithTab", "2", true, 0},
                                           TabStripCase{"EmptyWithTab", "", true, 1},
                                           TabStripCase{"TextWithTab", "abc", true, 1},
                                           TabStripCase{"FollowNoTab", "0", false, 0},
                                           TabStripCase{"EmptyNoTab", "", false, 0}),
                         CaseName());

TEST_F(LayoutTest, TabStripFollowsTheWindowWidth) {
    Form1& f = f1();
    setSetting("固定宽度", "0");
    f.Command24.press();  // one tab, in front
    ASSERT_TRUE(f.lv(2).visible());
    resizeTo(12000, f.height());
    EXPECT_DOUBLE_EQ(f.lv(2).width(), 12000 / 4.0);
}

TEST_F(LayoutTest, TabBrowsersFollowOnlyWhileATabIsInFront) {
    Form1& f = f1();
    f.Command24.press();
    ASSERT_EQ(f.Label9.caption(), "2");
    ASSERT_TRUE(f.WebBrowser1.exists(2));

    resizeTo(12000, 9000);
    EXPECT_EQ(rectOf(f.WebBrowser1(2)), rectOf(f.WebBrowser1(1)));
    EXPECT_DOUBLE_EQ(f.Image1(2).left(), f.lv(2).left() + 50);

    // With the home slot in front the tab keeps its place.
    f.Label9.setCaption("1");
    const QRectF tab = rectOf(f.WebBrowser1(2));
    resizeTo(13000, 9500);
    EXPECT_EQ(rectOf(f.WebBrowser1(2)), tab);
    EXPECT_NE(rectOf(f.WebBrowser1(1)), tab);

    // Slot "10" compares as a tab: the loop runs to the highest loaded browser.
    f.Label9.setCaption("10");
    resizeTo(12500, 9000);
    EXPECT_EQ(rectOf(f.WebBrowser1(2)), rectOf(f.WebBrowser1(1)));
}

TEST_F(LayoutTest, TabWithoutIconStillGetsItsBrowserPlaced) {
    Form1& f = f1();
    f.Command24.press();
    f.Image1.unload(2);
    resizeTo(12000, 9000);
    EXPECT_EQ(rectOf(f.WebBrowser1(2)), rectOf(f.WebBrowser1(1)));
}

// ---------------------------------------------------------------------------------------------
// The click on the bare background ends editing and shows the front slot's address again.

TEST_F(LayoutTest, BackgroundClickShowsTheHomeSlotsAddressAgain) {
    Form1& f = f1();
    ASSERT_TRUE(waitFor([&] { return !f.WebBrowser1(1).document().isNull(); }));
    const QString url = f.WebBrowser1(1).document().url();
    ASSERT_FALSE(url.contains("http"));

    f.Label2.onClick(4);
    f.Text7.setText("typed text");
    f.onClick();
    EXPECT_FALSE(f.Text7.visible());
    EXPECT_EQ(f.Text7.text(), url);  // no "http": the whole address
}

TEST_F(LayoutTest, BackgroundClickShowsTheFrontTabsAddressFromHttp) {
    Form1& f = f1();
    TestHttpServer server;
    f.Command24.press();
    f.WebBrowser1(2).Navigate(server.urlText("/pages/links.html"));
    ASSERT_TRUE(waitFor([&] {
        return !f.WebBrowser1(2).document().isNull() && f.WebBrowser1(2).document().url().contains("links.html");
    }));

    f.Label2.onClick(4);
    f.Text7.setText("typed text");
    f.onClick();
    EXPECT_FALSE(f.Text7.visible());
    EXPECT_EQ(f.Text7.text(), server.urlText("/pages/links.html"));
    EXPECT_EQ(f.Label2(4).caption(), server.urlText("/pages/links.html").mid(7));
}

TEST_F(LayoutTest, BackgroundClickWithoutADocumentKeepsTheText) {
    Form1& f = f1();
    f.Command24.press();  // a tab in front whose browser has loaded nothing yet
    f.Label2.onClick(4);
    f.Text7.setText("typed text");
    f.onClick();
    EXPECT_FALSE(f.Text7.visible());
    EXPECT_EQ(f.Text7.text(), "typed text");
}

}  // namespace
