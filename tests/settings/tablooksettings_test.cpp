// The page 标签: the four value editors with their checks and live effects on the main window, the font
// field, and what the five switches do besides storing.
#include "pages_fixture.h"

#include "forms/windowlimits.h"
#include "platform/ui/services.h"

#include <algorithm>

namespace {

const char* const kKeys[] = {"", "宽度", "高度", "大小", "字体", "字数"};
const char* const kHints[] = {"", "数字越大越宽，勾选：固定宽度", "数字越大越高", "数字越大字体越大",
                              "系统中的字体有些不能显示汉字", "数字越大显示字数越多"};

}  // namespace

// Each answer meets the checks of its field in order; only the first that fails speaks, and nothing
// is stored then. An accepted answer is stored as typed and shown in the field.
TEST_F(PagesTest, ValueEditorsCheckTheirAnswers) {
    struct Case {
        int field;
        const char* answer;
        const char* refusal;  // "" accepted
    };
    const Case cases[] = {
        {1, "abc", "必须是数字"},           {1, "0300", "第一个数不能是[ 0 ]"}, {1, "12345", "最少3个数，最多4个数"},
        {1, "99", "最少3个数，最多4个数"},  {1, "1.5", ""},                     {1, "2000", ""},
        {1, "+900", ""},                    {1, "1e3", ""},
        {2, "abc", "必须是数字"},           {2, "0300", "第一个数不能是[ 0 ]"}, {2, "30", "必须是3个数"},
        {2, "3000", "必须是3个数"},         {2, "400", ""},                     {2, "4,0", "必须是数字"},
        {3, "0", "第一个数不能是[ 0 ]"},    {3, "123", "最少1个数，最多2个数"}, {3, "x1", "必须是数字"},
        {3, "12", ""},                      {3, "9", ""},
        {5, "1", "最小是 [ 2 ]"},           {5, "100", "最少1个数，最多2个数"}, {5, "1e1", "最少1个数，最多2个数"},
        {5, "05", ""},                      {5, "-5", "最小是 [ 2 ]"},         {5, "a", "必须是数字"},
        {5, "2", ""},
    };
    Form5& w = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(kKeys[c.field]) + " '" + c.answer + "'");
        const QString before = app(kKeys[c.field]);
        w.Text21(c.field).setText(before);
        indicatorGone();
        services.clearRecords();
        edit(w.Text21, c.field, QString::fromUtf8(c.answer));

        const std::vector<ShownBox> inputs = inputsShown();
        ASSERT_EQ(inputs.size(), 1u);
        const ShownBox& input = inputs[0];
        EXPECT_EQ(input.prompt, QString::fromUtf8(kHints[c.field]));
        EXPECT_EQ(input.title, "修改");
        EXPECT_EQ(input.defaultText, before);
        const QRect screen = ui::services().screenTwips();
        EXPECT_DOUBLE_EQ(input.x, screen.width() / 2.6);
        EXPECT_DOUBLE_EQ(input.y, screen.height() / 2.0);
        if (*c.refusal) {
            ASSERT_EQ(messagesShown().size(), 1u);
            EXPECT_EQ(messagesShown()[0].prompt, QString::fromUtf8(c.refusal));
            EXPECT_EQ(messagesShown()[0].style, ui::vbOKOnly + ui::vbCritical);
            EXPECT_EQ(app(kKeys[c.field]), before);
            EXPECT_EQ(w.Text21(c.field).text(), before);
            EXPECT_FALSE(indicatorShown(w));
        } else {
            EXPECT_TRUE(messagesShown().empty());
            EXPECT_EQ(app(kKeys[c.field]), QString::fromUtf8(c.answer));
            EXPECT_EQ(w.Text21(c.field).text(), QString::fromUtf8(c.answer));
            EXPECT_TRUE(indicatorShown(w));
        }
    }
}

// Cancel (an empty answer) and the unchanged value do nothing at all.
TEST_F(PagesTest, ValueEditorsIgnoreAnEmptyOrUnchangedAnswer) {
    app("高度", "315");
    Form5& w = open();
    const double height = f1().lv(2).height();
    for (const char* answer : {"", "315"}) {
        indicatorGone();
        services.clearRecords();
        edit(w.Text21, 2, QString::fromUtf8(answer));
        EXPECT_EQ(inputsShown().size(), 1u);
        EXPECT_TRUE(messagesShown().empty());
        EXPECT_EQ(app("高度"), "315");
        EXPECT_FALSE(indicatorShown(w));
        EXPECT_EQ(f1().lv(2).height(), height);
    }
}

// A new height reaches all nine labels, the glyphs and their frames, the address box with its label
// and frame, every visible tab's page and the home page; the tab strip is not laid out again.
TEST_F(PagesTest, NewHeightMovesTheStripTheAddressBoxAndThePages) {
    fg("网页右移", "0");
    fg("网页左减", "0");
    fg("网页长度", "0");
    app("固定宽度", "1");
    app("宽度", "1200");
    Form5& w = open();
    const int a = openTitled("甲页");
    const int b = openTitled("乙页");
    Form1& f = f1();
    // A width the strip would give the labels if it were laid out again.
    app("宽度", "1700");
    const double widthBefore = f.lv(a).width();

    edit(w.Text21, 2, "420");
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(f.lv(k).height(), 420) << k;
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(f.Label2(k).height(), 420) << k;
        EXPECT_EQ(f.Shape2(k).height(), 420) << k;
    }
    EXPECT_EQ(f.Text7.left(), 150 + 40);
    EXPECT_EQ(f.Text7.top(), 420 + 80);
    EXPECT_EQ(f.Text7.width(), f.scaleWidth() - 370);
    EXPECT_EQ(f.Text7.height(), 270);
    EXPECT_EQ(f.Label2(4).top(), f.Text7.top());
    EXPECT_EQ(f.Label2(4).width(), f.Text7.width());
    EXPECT_EQ(f.Shape2(0).top(), 420 + 50);
    EXPECT_EQ(f.Shape2(0).height(), 270 + 60);
    for (int k : {1, a, b}) {
        SCOPED_TRACE(k);
        EXPECT_EQ(f.WebBrowser1(k).left(), 150 - 10);
        EXPECT_EQ(f.WebBrowser1(k).top(), 420 + 270 + 170);
        EXPECT_EQ(f.WebBrowser1(k).width(), f.scaleWidth() - 270);
        EXPECT_EQ(f.WebBrowser1(k).height(), f.scaleHeight() - 420 - 270 - 320);
    }
    EXPECT_EQ(f.lv(a).width(), widthBefore);
    EXPECT_EQ(app("高度"), "420");
    // The skin command lined the home page's background up with the moved home page.
    EXPECT_EQ(f.WebBrowser1(1).document().body().styleProperty("background-position"), "-9.333333px -57.33333px");
}

// "-10" passes the checks (a number of three characters that does not begin with "0"); no label takes
// a negative height, so the strip, the address box and the pages stay as they were while the value is
// stored. The next start keeps the tabs visible too.
TEST_F(PagesTest, NegativeHeightLeavesTheTabsVisible) {
    Form5& w = open();
    const int k = openTitled("甲页");
    Form1& f = f1();
    const double height = f.lv(k).height();
    const double addressTop = f.Text7.top();
    const double pageTop = f.WebBrowser1(k).top();
    ASSERT_GT(height, 0);

    edit(w.Text21, 2, "-10");
    EXPECT_TRUE(messagesShown().empty());
    EXPECT_EQ(app("高度"), "-10");
    EXPECT_TRUE(indicatorShown(w));
    for (int j = 2; j <= 10; ++j) EXPECT_EQ(f.lv(j).height(), height) << j;
    EXPECT_EQ(f.Label2(1).height(), height);
    EXPECT_EQ(f.Text7.top(), addressTop);
    EXPECT_EQ(f.WebBrowser1(k).top(), pageTop);
    EXPECT_TRUE(f.lv(k).visible());
    EXPECT_GT(f.lv(k).widget()->height(), 0);
}

// "1e9" passes the checks too: the labels take the tallest height a tab may have, as at start.
TEST_F(PagesTest, HugeHeightIsCutAsTheLayoutCutsIt) {
    Form5& w = open();
    edit(w.Text21, 2, "1e9");
    EXPECT_EQ(app("高度"), "1e9");
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(f1().lv(k).height(), forms::kMaxTabHeight) << k;
    EXPECT_EQ(f1().Text7.top(), forms::kMaxTabHeight + 80);
    EXPECT_LT(f1().WebBrowser1(1).top() + f1().WebBrowser1(1).height(), f1().scaleHeight());
}

TEST_F(ProgramFixture, NegativeStoredHeightKeepsTheDesignHeightAtStart) {
    setSetting("高度", "-10");
    ASSERT_TRUE(start());
    for (int k = 2; k <= 10; ++k) EXPECT_GT(f1().lv(k).height(), 0) << k;
    EXPECT_GT(f1().Label2(1).height(), 0);
}

// A negative width is stored; the fixed-width strip keeps the labels' widths.
TEST_F(PagesTest, NegativeWidthLeavesTheTabsTheirWidths) {
    app("固定宽度", "1");
    Form5& w = open();
    const int k = openTitled("甲页");
    const double width = f1().lv(k).width();
    edit(w.Text21, 1, "-10");
    EXPECT_EQ(app("宽度"), "-10");
    EXPECT_EQ(f1().lv(k).width(), width);
    EXPECT_GT(f1().lv(k).widget()->width(), 0);
}

// A new width lays the strip out again: fixed widths take it, following widths stay.
TEST_F(PagesTest, NewWidthCountsWithAFixedWidthOnly) {
    app("固定宽度", "0");
    app("宽度", "1500");
    Form5& w = open();
    const int a = openTitled("甲页");
    const int b = openTitled("乙页");
    const double following = f1().lv(a).width();
    edit(w.Text21, 1, "1300");
    EXPECT_EQ(app("宽度"), "1300");
    EXPECT_EQ(f1().lv(a).width(), following);

    app("固定宽度", "1");
    edit(w.Text21, 1, "1100");
    EXPECT_EQ(f1().lv(a).width(), 1100);
    EXPECT_EQ(f1().lv(b).width(), 1100);
    EXPECT_EQ(f1().lv(b).left(), f1().lv(a).left() + 1100 - 20);
}

TEST_F(PagesTest, NewFontSizeReachesAllNineLabels) {
    Form5& w = open();
    edit(w.Text21, 3, "14");
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(f1().lv(k).fontSize(), 14) << k;
    EXPECT_EQ(app("大小"), "14");
}

// A new title length cuts the titles of the visible tabs again, after one blank, whichever is in front.
TEST_F(PagesTest, NewTitleLengthCutsTheVisibleTabsAgain) {
    Form5& w = open();
    const int a = openTitled("一二三四五六七八九");
    const int b = openTitled("短页");
    const int c = openTitled("无题页");
    Form1& f = f1();
    // A page whose title is gone.
    f.WebBrowser1(c).document().setTitle(QString());
    // A free slot keeps its marker.
    const QString marker = f.lv(c + 1).caption();

    edit(w.Text21, 5, "05");
    EXPECT_EQ(f.lv(a).caption(), " 一二三四五…");
    EXPECT_EQ(f.lv(b).caption(), " 短页");
    EXPECT_EQ(f.lv(c).caption(), " ");
    EXPECT_EQ(f.lv(c + 1).caption(), marker);
    EXPECT_EQ(app("字数"), "05");
}

// The font field opens the font list for the tab font without asking anything.
TEST_F(PagesTest, FontFieldOpensTheFontListForTheTabFont) {
    services.setFonts({"宋体", "Arial", "@宋体", "Noto Sans"});
    app("字体", "Arial");
    Form5& w = open();
    w.Text21.onMouseMove(4, 0, 0, 100, 100);
    EXPECT_EQ(w.Label3.caption(), QString::fromUtf8(kHints[4]));
    w.Text21.onClick(4);
    EXPECT_TRUE(inputsShown().empty());
    EXPECT_EQ(w.tag(), "标签字体");
    EXPECT_EQ(w.List1.text(), "Arial");
    EXPECT_GT(stackIndex(w.List1), stackIndex(w.Picture1(5)));
}

// 固定宽度 colours the width field and lays the strip out either way.
TEST_F(PagesTest, FixedWidthSwitchColoursTheWidthFieldAndLaysTheStripOut) {
    app("固定宽度", "0");
    app("宽度", "1250");
    Form5& w = open();
    const int k = openTitled("甲页");
    const double following = f1().lv(k).width();
    leftClick(w.Check22(1));
    EXPECT_EQ(app("固定宽度"), "1");
    EXPECT_EQ(w.Text21(1).foreColor(), 255);
    EXPECT_EQ(f1().lv(k).width(), 1250);
    leftClick(w.Check22(1));
    EXPECT_EQ(app("固定宽度"), "0");
    EXPECT_EQ(w.Text21(1).foreColor(), 16711680);
    EXPECT_EQ(f1().lv(k).width(), following);
}

// 弹出小化 minimises the main window only while a player is popped out.
TEST_F(PagesTest, PopOutSwitchMinimisesOnlyWhileAPlayerIsOut) {
    app("弹出小化", "0");
    Form5& w = open();
    f1().Command7.setTag("0");
    leftClick(w.Check22(3));
    EXPECT_EQ(app("弹出小化"), "1");
    EXPECT_EQ(f1().windowState(), ui::vbNormal);
    leftClick(w.Check22(3));
    f1().Command7.setTag("3");
    leftClick(w.Check22(3));
    EXPECT_EQ(f1().windowState(), ui::vbMinimized);
    f1().setWindowState(ui::vbNormal);
    leftClick(w.Check22(3));  // unticked: nothing more
    EXPECT_EQ(app("弹出小化"), "0");
    EXPECT_EQ(f1().windowState(), ui::vbNormal);
}

// Unticking Flash按钮 hides a Flash button that shows; ticking it shows nothing.
TEST_F(PagesTest, FlashButtonSwitchHidesTheButtonWhenUnticked) {
    app("Flash按钮", "1");
    Form5& w = open();
    f1().Command7.setVisible(true);
    spaceBar(w.Check22(4));
    EXPECT_EQ(app("Flash按钮"), "0");
    EXPECT_FALSE(f1().Command7.visible());
    leftClick(w.Check22(4));
    EXPECT_EQ(app("Flash按钮"), "1");
    EXPECT_FALSE(f1().Command7.visible());
}

TEST_F(PagesTest, BoldSwitchReachesAllNineLabels) {
    app("字体加粗", "False");
    Form5& w = open();
    leftClick(w.Check22(5));
    for (int k = 2; k <= 10; ++k) EXPECT_TRUE(f1().lv(k).fontBold()) << k;
    leftClick(w.Check22(5));
    for (int k = 2; k <= 10; ++k) EXPECT_FALSE(f1().lv(k).fontBold()) << k;
    EXPECT_EQ(app("字体加粗"), "False");
}

TEST_F(PagesTest, TabPageHintsBesideTheirControls) {
    Form5& w = open();
    const char* const switchHints[] = {"", "勾选：自动宽度取消", "勾选：双击标签关闭", "勾选：弹出Flash窗口，浏览器最小化",
                                       "勾选：鼠标移动到Flash上时出现按钮", "勾选：字体加粗"};
    for (int i = 1; i <= 5; ++i) {
        w.Text21.onMouseMove(i, 0, 0, 200, 10);
        EXPECT_EQ(w.Label3.caption(), QString::fromUtf8(kHints[i]));
        EXPECT_EQ(w.Picture2.top(), w.Text21(i).top() + 770);
        EXPECT_EQ(w.Picture2.left(), 200 + 2600);
        w.Check22.onMouseMove(i, 0, 0, 300, 10);
        EXPECT_EQ(w.Label3.caption(), QString::fromUtf8(switchHints[i]));
        EXPECT_EQ(w.Picture2.top(), w.Check22(i).top() + 755);
        // A long hint is moved left by as much as it would stick out past the window's edge.
        EXPECT_EQ(w.Picture2.left(), std::min(300.0 + 4000, w.scaleWidth() - w.Picture2.width()));
        EXPECT_TRUE(w.Picture2.visible());
    }
}
