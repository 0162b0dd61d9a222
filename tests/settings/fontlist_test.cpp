// The font list of the settings window: filled once with the system's fonts without "@", the field's
// font preselected, and a double-click committing the tab font or the interface font to its file and
// to the running main window.
#include "settings_fixture.h"

#include "settings/colourfields.h"
#include "settings/fontlist.h"

#include <QtTest/QTest>

namespace {

QStringList entries(Form5& w) {
    QStringList out;
    for (int i = 0; i < w.List1.listCount(); ++i) out << w.List1.list(i);
    return out;
}

class FontListTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        services.setFonts({"@宋体", "宋体", "Noto Sans", "@Noto Sans CJK", "DejaVu Sans", "A@B", "微软雅黑"});
    }
    void openTabFont(Form5& w) { FontList::open(w, QStringLiteral("标签字体"), w.Text21(4)); }
    void openInterfaceFont(Form5& w) { FontList::open(w, QStringLiteral("风格字体"), w.Text7(16)); }
    void choose(Form5& w, const QString& name) { w.List1.setListIndex(entries(w).indexOf(name)); }
};

}  // namespace

// Names with "@" anywhere are left out; the rest keep the system's order. A second opening, from the
// other page, finds the list filled; fonts the system lists later do not repeat or appear.
TEST_F(FontListTest, FilledOnceWithTheSystemsFontsWithoutAt) {
    Form5& w = open();
    EXPECT_LT(stackIndex(w.List1), stackIndex(w.Picture1(1)));
    openTabFont(w);
    const QStringList expected = {"宋体", "Noto Sans", "DejaVu Sans", "微软雅黑"};
    EXPECT_EQ(entries(w), expected);
    EXPECT_EQ(w.tag(), "标签字体");
    for (int i = 1; i <= 8; ++i) EXPECT_GT(stackIndex(w.List1), stackIndex(w.Picture1(i)));
    EXPECT_FALSE(indicatorShown(w));

    services.setFonts({"Other"});
    openInterfaceFont(w);
    openTabFont(w);
    EXPECT_EQ(entries(w), expected);
    EXPECT_EQ(w.tag(), "标签字体");

    // A page switch puts the list behind the pages again.
    w.Command10.onClick(5);
    EXPECT_LT(stackIndex(w.List1), stackIndex(w.Picture1(5)));
}

// The entry equal to the field's text is selected; no equal entry keeps the selection as it was.
TEST_F(FontListTest, PreselectsTheFieldsFontExactly) {
    app("字体", "DejaVu Sans");
    fg("字体", "微软雅黑");
    Form5& w = open();
    openTabFont(w);
    EXPECT_EQ(w.List1.text(), "DejaVu Sans");
    openInterfaceFont(w);
    EXPECT_EQ(w.List1.text(), "微软雅黑");
    w.Text21(4).setText(QStringLiteral("dejavu sans"));
    openTabFont(w);
    EXPECT_EQ(w.List1.text(), "微软雅黑");
}

TEST_F(FontListTest, TabFontIsStoredAndReachesEveryTabLabel) {
    Form5& w = open();
    openTab();
    const QString interfaceFont = fg("字体");
    openTabFont(w);
    choose(w, "Noto Sans");
    w.List1.onDblClick();
    EXPECT_EQ(w.Text21(4).text(), "Noto Sans");
    EXPECT_EQ(app("字体"), "Noto Sans");
    EXPECT_EQ(fg("字体"), interfaceFont);
    for (int k = 2; k <= 10; ++k) EXPECT_EQ(f1().lv(k).fontName(), "Noto Sans") << k;
    EXPECT_NE(f1().Label2(0).fontName(), "Noto Sans");
    EXPECT_TRUE(indicatorShown(w));
    // The list stays in front with its tag: a second double-click commits again.
    EXPECT_EQ(w.tag(), "标签字体");
    choose(w, "DejaVu Sans");
    w.List1.onDblClick();
    EXPECT_EQ(app("字体"), "DejaVu Sans");
}

// The interface font: the title strip, the glyphs (as high as the tab labels, their frames on them),
// the address box and its label; the main window 10 twips wider and laid out again.
TEST_F(FontListTest, InterfaceFontRefontsTheChromeAndWidensTheMainWindow) {
    app("高度", "420");
    Form5& w = open();
    Form1& f = f1();
    const QString tabFont = app("字体");
    const double width = f.width();
    const double boxWidth = f.Text7.width();
    openInterfaceFont(w);
    choose(w, "DejaVu Sans");
    w.List1.onDblClick();
    EXPECT_EQ(w.Text7(16).text(), "DejaVu Sans");
    EXPECT_EQ(fg("字体"), "DejaVu Sans");
    EXPECT_EQ(app("字体"), tabFont);
    for (int k = 0; k <= 4; ++k) EXPECT_EQ(f.Label2(k).fontName(), "DejaVu Sans") << k;
    EXPECT_EQ(f.Text7.fontName(), "DejaVu Sans");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(f.Label2(k).height(), 420) << k;
        EXPECT_EQ(f.Shape2(k).left(), f.Label2(k).left()) << k;
        EXPECT_EQ(f.Shape2(k).top(), f.Label2(k).top()) << k;
        EXPECT_EQ(f.Shape2(k).width(), f.Label2(k).width()) << k;
        EXPECT_EQ(f.Shape2(k).height(), 420) << k;
    }
    EXPECT_EQ(f.width(), width + 10);
    EXPECT_EQ(f.Text7.width(), boxWidth + 10);  // laid out again for the new width
    EXPECT_TRUE(indicatorShown(w));

    for (int i = 0; i < 9; ++i) w.List1.onDblClick();
    EXPECT_EQ(f.width(), width + 100);
}

// Nothing selected, or a colour field clicked since the list opened: nothing is stored, refonted or
// shown.
TEST_F(FontListTest, DoubleClicksThatStoreNothingShowNothing) {
    services.setFonts({"Noto Sans"});
    app("字体", "not installed");
    Form5& w = open();
    const double width = f1().width();
    openTabFont(w);
    ASSERT_EQ(w.List1.listIndex(), -1);
    w.List1.onDblClick();
    EXPECT_EQ(app("字体"), "not installed");
    EXPECT_FALSE(indicatorShown(w));

    choose(w, "Noto Sans");
    ColourFields::openPicker(w, QStringLiteral("字体颜色1"));
    w.List1.onDblClick();
    EXPECT_EQ(app("字体"), "not installed");
    EXPECT_EQ(f1().width(), width);
    EXPECT_FALSE(indicatorShown(w));
    EXPECT_EQ(w.tag(), "字体颜色1");
}

// A person double-clicks an entry of the list.
TEST_F(FontListTest, DoubleClickOnAnEntryCommitsIt) {
    Form5& w = open();
    openTabFont(w);
    ASSERT_TRUE(w.List1.widget()->isVisible());
    QWidget* viewport = nullptr;
    for (QWidget* child : w.List1.widget()->findChildren<QWidget*>())
        if (child->objectName() == QLatin1String("qt_scrollarea_viewport")) viewport = child;
    ASSERT_NE(viewport, nullptr);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(app("字体"), "宋体");
    EXPECT_TRUE(indicatorShown(w));
}
