// Labels, lists, combo boxes, check boxes, option buttons, lines, shapes and colours.
#include "support/error_of.h"
#include "platform/rt/error.h"
#include "platform/ui/checkboxarray.h"
#include "platform/ui/colors.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/loadpicture.h"
#include "platform/ui/twips.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QDir>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest/QTest>

namespace {

struct Window : ui::Form {
    Window() { move(0, 0, 9000, 6000); }
    ui::Label Label1{client()};
    ui::ListBox List1{client()};
    ui::ComboBox Combo1{client()};
    ui::CheckBox Check1{client()};
    ui::OptionButton Option1{client()};
    ui::OptionButton Option2{client()};
    ui::Line Line1{client()};
    ui::Shape Shape1{client()};
    ui::PictureBox Picture1{client()};
};

TEST(Label, CaptionIsShownAsPlainTextNeverAsMarkup) {
    Window w;
    w.Label1.setCaption("<b>title</b> & <i>more</i>");
    auto* label = static_cast<QLabel*>(w.Label1.widget());
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(w.Label1.caption(), "<b>title</b> & <i>more</i>");
}

TEST(Label, AutoSizeFollowsTheCaption) {
    Window w;
    w.Label1.setAutoSize(true);
    w.Label1.setCaption("x");
    const double narrow = w.Label1.width();
    w.Label1.setCaption("a much longer caption");
    EXPECT_GT(w.Label1.width(), narrow);
    EXPECT_DOUBLE_EQ(w.Label1.width(), w.Label1.widget()->width() * ui::kTwipsPerPixel);
    w.Label1.setFontSize(30);
    EXPECT_GT(w.Label1.height(), 30);
}

TEST(Label, ControlsInAHiddenContainerKeepTheirOwnVisibleFlag) {
    Window w;
    ui::Label inner{w.Picture1.container()};
    w.Picture1.setVisible(false);
    inner.setVisible(true);
    EXPECT_TRUE(inner.visible());
    EXPECT_FALSE(inner.widget()->isVisible());
}

TEST(ListBox, ItemsIndexAndRemoval) {
    Window w;
    w.List1.addItem("b");
    w.List1.addItem("a", 0);
    w.List1.addItem("c");
    EXPECT_EQ(w.List1.listCount(), 3);
    EXPECT_EQ(w.List1.list(0), "a");
    EXPECT_EQ(w.List1.list(2), "c");
    EXPECT_EQ(w.List1.list(3), "");  // past the end reads empty
    EXPECT_EQ(w.List1.listIndex(), -1);
    w.List1.setList(1, "B");
    EXPECT_EQ(w.List1.list(1), "B");
    w.List1.removeItem(0);
    EXPECT_EQ(w.List1.list(0), "B");
    EXPECT_EQ(errorOf([&] { w.List1.removeItem(5); }), rt::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { w.List1.addItem("x", 9); }), rt::InvalidProcedureCall);
    w.List1.clear();
    EXPECT_EQ(w.List1.listCount(), 0);
}

TEST(ListBox, SettingTheIndexFromCodeClicksOnlyWhenItChanges) {
    Window w;
    for (QString s : {"a", "b", "c"}) w.List1.addItem(s);
    std::vector<int> clicks;
    w.List1.onClick = [&] { clicks.push_back(w.List1.listIndex()); };
    w.List1.setListIndex(2);
    w.List1.setListIndex(2);
    w.List1.setListIndex(0);
    EXPECT_EQ(clicks, (std::vector<int>{2, 0}));
    EXPECT_EQ(w.List1.text(), "a");
    EXPECT_NE(errorOf([&] { w.List1.setListIndex(3); }), 0);
}

TEST(ComboBox, ItemsLeaveTheTextAndTheIndexClicks) {
    Window w;
    int clicks = 0, changes = 0;
    w.Combo1.onClick = [&] { ++clicks; };
    w.Combo1.onChange = [&] { ++changes; };
    w.Combo1.addItem("[ 模版 ]");
    w.Combo1.addItem("iPad");
    EXPECT_EQ(w.Combo1.text(), "");
    EXPECT_EQ(clicks, 0);
    w.Combo1.setText("[ 模版 ]");
    EXPECT_EQ(changes, 1);
    w.Combo1.setListIndex(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.Combo1.text(), "iPad");
    EXPECT_EQ(w.Combo1.listIndex(), 1);
}

TEST(ComboBox, DropDownListShowsNothingUntilAnItemIsChosen) {
    Window w;
    w.Combo1.setStyle(2);
    int clicks = 0;
    w.Combo1.onClick = [&] { ++clicks; };
    w.Combo1.addItem("IE07");
    w.Combo1.addItem("IE08");
    EXPECT_EQ(w.Combo1.text(), "");
    EXPECT_EQ(w.Combo1.listIndex(), -1);
    EXPECT_EQ(clicks, 0);
    w.Combo1.setText("IE08");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.Combo1.listIndex(), 1);
    // An item added later leaves the choice alone.
    w.Combo1.addItem("新版本");
    EXPECT_EQ(w.Combo1.text(), "IE08");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(errorOf([&] { w.Combo1.setText("none"); }), 383);
}

// A move over a control reaches that control's handler only, never its container's, also when the
// widget itself has no use for the move (a check box without a pressed button).
TEST(MouseEvents, StayWithTheControlUnderThePointer) {
    Window w;
    w.Picture1.move(0, 0, 4000, 3000);
    ui::CheckBox inside{w.Picture1.container()};
    inside.move(150, 150, 1500, 300);
    ui::ComboBox combo{w.Picture1.container()};
    combo.move(150, 600, 1500, 300);
    w.show();
    int panelMoves = 0, checkMoves = 0, comboMoves = 0;
    w.Picture1.onMouseMove = [&](int, int, double, double) { ++panelMoves; };
    inside.onMouseMove = [&](int, int, double, double) { ++checkMoves; };
    combo.onMouseMove = [&](int, int, double, double) { ++comboMoves; };
    for (ui::Control* c : {static_cast<ui::Control*>(&inside), static_cast<ui::Control*>(&combo)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(c->widget(), &move);
    }
    EXPECT_EQ(checkMoves, 1);
    EXPECT_EQ(comboMoves, 1);
    EXPECT_EQ(panelMoves, 0);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.Picture1.widget(), &move);
    EXPECT_EQ(panelMoves, 1);
}

TEST(CheckBox, MouseUpComesAfterTheTickTurnedOver) {
    Window w;
    w.Check1.move(0, 0, 1500, 300);
    w.show();
    std::vector<int> seenAtMouseUp;
    int clicks = 0;
    w.Check1.onMouseUp = [&](int, int, double, double) { seenAtMouseUp.push_back(w.Check1.value()); };
    w.Check1.onClick = [&] { ++clicks; };
    QTest::mouseClick(w.Check1.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(w.Check1.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(seenAtMouseUp, (std::vector<int>{1, 0}));
    EXPECT_EQ(clicks, 2);
}

TEST(CheckBox, ValueFromCodeClicksWhenItChanges) {
    Window w;
    int clicks = 0;
    w.Check1.onClick = [&] { ++clicks; };
    w.Check1.setValue(1);
    w.Check1.setValue(1);
    w.Check1.setValue(0);
    EXPECT_EQ(clicks, 2);
    EXPECT_NE(errorOf([&] { w.Check1.setValue(5); }), 0);
}

// Keyboard toggle: raised (after click) for a change made with the keys, never for a mouse click or a
// value set by code.
TEST(CheckBox, KeyboardToggleOnlyForChangesMadeWithTheKeys) {
    Window w;
    w.Check1.move(0, 0, 1500, 300);
    w.show();
    std::vector<std::string> events;
    w.Check1.onClick = [&] { events.push_back("click " + std::to_string(w.Check1.value())); };
    w.Check1.onKeyboardToggle = [&] { events.push_back("key " + std::to_string(w.Check1.value())); };
    w.Check1.onMouseUp = [&](int, int, double, double) { events.push_back("up"); };
    QTest::keyClick(w.Check1.widget(), Qt::Key_Space);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1", "key 1"}));
    events.clear();
    QTest::mouseClick(w.Check1.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"click 0", "up"}));
    events.clear();
    w.Check1.setValue(1);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1"}));
    events.clear();
    QTest::keyClick(w.Check1.widget(), Qt::Key_Space);
    EXPECT_EQ(events, (std::vector<std::string>{"click 0", "key 0"}));
}

TEST(CheckBox, ArrayRaisesKeyboardToggleWithTheIndex) {
    Window w;
    ui::CheckBoxArray boxes{QStringLiteral("Check9")};
    boxes.add(3, w.client()).move(0, 0, 1500, 300);
    w.show();
    std::vector<int> toggled;
    boxes.onKeyboardToggle = [&](int Index) { toggled.push_back(Index); };
    QTest::keyClick(boxes(3).widget(), Qt::Key_Space);
    boxes(3).setValue(0);
    EXPECT_EQ(toggled, (std::vector<int>{3}));
}

TEST(OptionButton, KeyboardToggleForASelectionMadeWithTheKeys) {
    Window w;
    w.Option1.move(0, 0, 1500, 300);
    w.Option2.move(0, 400, 1500, 300);
    w.show();
    int keyed1 = 0, keyed2 = 0;
    w.Option1.onKeyboardToggle = [&] { ++keyed1; };
    w.Option2.onKeyboardToggle = [&] { ++keyed2; };
    w.Option1.setValue(true);
    QTest::mouseClick(w.Option2.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(w.Option2.value());
    EXPECT_EQ(keyed1 + keyed2, 0);
    QTest::keyClick(w.Option1.widget(), Qt::Key_Space);
    EXPECT_TRUE(w.Option1.value());
    EXPECT_EQ(keyed1, 1);
    EXPECT_EQ(keyed2, 0);
}

// No control takes a negative size: the move raises "invalid property value" and changes nothing.
TEST(Control, NegativeSizeIsRefusedAndTheControlKeepsItsRectangle) {
    Window w;
    w.Label1.setAutoSize(false);
    w.Label1.move(100, 200, 900, 300);
    EXPECT_EQ(errorOf([&] { w.Label1.setHeight(-10); }), 380);
    EXPECT_EQ(errorOf([&] { w.Label1.setWidth(-1); }), 380);
    EXPECT_EQ(errorOf([&] { w.Label1.move(0, 0, -5, 10); }), 380);
    EXPECT_EQ(w.Label1.left(), 100);
    EXPECT_EQ(w.Label1.height(), 300);
    EXPECT_EQ(w.Label1.width(), 900);
    EXPECT_EQ(w.Label1.widget()->height(), 20);
    EXPECT_EQ(errorOf([&] { w.Label1.setHeight(0); }), 0);
}

TEST(OptionButton, OneOptionOfAContainerIsSelected) {
    Window w;
    int clicks2 = 0;
    w.Option2.onClick = [&] { ++clicks2; };
    w.Option1.setValue(true);
    w.Option2.setValue(true);
    EXPECT_FALSE(w.Option1.value());
    EXPECT_TRUE(w.Option2.value());
    EXPECT_EQ(clicks2, 1);
}

TEST(LineAndShape, TakeNoMouseInputSoTheBackgroundGetsIt) {
    Window w;
    w.show();
    w.Shape1.move(0, 0, 3000, 3000);
    w.Shape1.zOrder(0);
    int downs = 0;
    w.onMouseDown = [&](int, int, double, double) { ++downs; };
    QWidget* under = w.client()->childAt(QPoint(10, 10));
    EXPECT_TRUE(under == nullptr || under->testAttribute(Qt::WA_TransparentForMouseEvents) == false);
    QTest::mouseClick(w.client(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(downs, 1);
}

TEST(Line, ItsRectangleFollowsItsPoints) {
    Window w;
    w.Line1.setPoints(300, 600, 150, 1500);
    EXPECT_DOUBLE_EQ(w.Line1.left(), 150);
    EXPECT_DOUBLE_EQ(w.Line1.top(), 600);
    EXPECT_DOUBLE_EQ(w.Line1.x2(), 150);
    EXPECT_DOUBLE_EQ(w.Line1.y2(), 1500);
}

struct ColourCase {
    ui::Color value;
    QColor expected;
};

TEST(Colors, PlatformColourNumbersHaveRedInTheLowByte) {
    const ColourCase cases[] = {
        {255, QColor(255, 0, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {16100715, QColor(0x6B, 0xAD, 0xF5)},
        {0x00C0FFFF, QColor(255, 255, 0xC0)},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::toQColor(c.value), c.expected) << c.value;
    EXPECT_EQ(ui::fromQColor(QColor(1, 2, 3)), ui::rgb(1, 2, 3));
}

TEST(Colors, SystemColoursMapToThePaletteAlsoWhenReadAsNegativeNumbers) {
    const QPalette pal = QApplication::palette();
    EXPECT_EQ(ui::toQColor(0x8000000FLL), pal.color(QPalette::Button));
    EXPECT_EQ(ui::toQColor(-2147483633LL), pal.color(QPalette::Button));  // the same bits, signed
    EXPECT_EQ(ui::toQColor(0x80000005LL), pal.color(QPalette::Base));
    EXPECT_EQ(ui::toQColor(0x80000008LL), pal.color(QPalette::Text));
    EXPECT_EQ(ui::toQColor(0x80000012LL), pal.color(QPalette::ButtonText));
    EXPECT_TRUE(ui::isSystemColor(-2147483633LL));
    EXPECT_FALSE(ui::isSystemColor(16100715));
}

TEST(Pictures, MissingFileAndNonPictureRaiseTheirErrors) {
    EXPECT_EQ(errorOf([] { ui::loadPicture("/nonexistent/file.png"); }), rt::FileNotFound);
    QTemporaryFile f;
    ASSERT_TRUE(f.open());
    f.write("not a picture");
    f.flush();
    EXPECT_EQ(errorOf([&] { ui::loadPicture(f.fileName()); }), 481);
}

TEST(Pictures, AProgramPathWithBackslashesLoads) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("pifu"));
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.path() + "/pifu/0.png"));
    EXPECT_EQ(ui::loadPicture(dir.path() + "\\pifu\\0.png").size(), QSize(4, 3));
}

// Pictures are checked for the size they declare before anything is decoded: one too large to show is
// treated as a missing one. Icons are at most 256 pixels on their longer side.
TEST(Pictures, SizeIsCheckedBeforeDecodingAndIconsAreAtMost256Pixels) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QSize size;
        const char* format;
        int error;          // of loadPicture; 0: it loads
        QSize iconSize;     // of loadIcon
    };
    const Case cases[] = {
        {"small", QSize(64, 48), "PNG", 0, QSize(64, 48)},
        {"icon file", QSize(128, 128), "ICO", 0, QSize(128, 128)},
        {"large", QSize(4096, 1024), "PNG", 0, QSize(256, 64)},
        {"tall", QSize(100, 300), "BMP", 0, QSize(85, 256)},
        {"a side over the limit", QSize(16385, 2), "PNG", rt::FileNotFound, QSize()},
        {"too many pixels", QSize(10000, 5000), "PNG", rt::FileNotFound, QSize()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(c.size, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        const QString file = dir.path() + "/" + c.name + ".pic";
        ASSERT_TRUE(image.save(file, c.format));
        EXPECT_EQ(errorOf([&] { ui::loadPicture(file); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(ui::loadPicture(file).size(), c.size);
            EXPECT_EQ(ui::loadIcon(file).size(), c.iconSize);
        } else {
            EXPECT_EQ(errorOf([&] { ui::loadIcon(file); }), c.error);
        }
    }
}

TEST(Pictures, AWindowIconIsAtMost256Pixels) {
    Window w;
    QPixmap big(1024, 512);
    big.fill(Qt::green);
    w.setIcon(big);
    const QList<QSize> sizes = w.client()->windowIcon().availableSizes();
    ASSERT_EQ(sizes.size(), 1);
    EXPECT_EQ(sizes.first(), QSize(256, 128));
}

// A left-aligned caption that begins with blanks leaves the room of the picture on the label, however
// narrow the blanks are in its font; other captions are drawn as they are.
TEST(Label, CaptionWithLeadingBlanksLeavesThePictureRoom) {
    struct Case {
        const char* caption;
        double room;
        int alignment;
        bool keepsRoom;
    };
    const Case cases[] = {
        {"     page t9", 380, ui::vbLeftJustify, true},
        {" x", 380, ui::vbLeftJustify, true},
        {"page t9", 380, ui::vbLeftJustify, false},
        {"     page t9", 0, ui::vbLeftJustify, false},
        {"     page t9", 380, ui::vbCenter, false},
        {"     ", 380, ui::vbLeftJustify, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " room " + std::to_string(c.room));
        Window w;
        w.Label1.setPictureRoom(c.room);
        w.Label1.setAlignment(c.alignment);
        for (double points : {7.0, 10.0, 30.0}) {
            w.Label1.setFontSize(points);
            w.Label1.setCaption(c.caption);
            const QFontMetrics fm(w.Label1.widget()->font());
            QString lead = QString::fromUtf8(c.caption);
            lead = lead.left(lead.size() - lead.trimmed().size());
            const double blanks = fm.horizontalAdvance(lead) * double(ui::kTwipsPerPixel);
            if (c.keepsRoom) {
                EXPECT_GE(w.Label1.captionTextLeft(), c.room - ui::kTwipsPerPixel) << points;
                EXPECT_DOUBLE_EQ(w.Label1.captionTextLeft(), std::max(blanks, double(ui::toPixels(c.room)) * ui::kTwipsPerPixel)) << points;
            } else if (c.alignment == ui::vbLeftJustify && QString::fromUtf8(c.caption).trimmed().size() > 0) {
                EXPECT_DOUBLE_EQ(w.Label1.captionTextLeft(), blanks) << points;
            }
            // The label's own rectangle and the caption read back stay as set.
            EXPECT_EQ(w.Label1.caption(), QString::fromUtf8(c.caption));
        }
    }
}

}  // namespace

// Labels, lines, shapes and images lie under the container's other controls, whatever the order in
// which they were made; among themselves the last made or brought forward is on top.
TEST(LightweightControls, LieUnderWindowedControlsOfTheirContainer) {
    QWidget container;
    ui::TextBox box(&container);
    ui::Label first(&container);
    ui::Shape frame(&container);
    ui::CommandButton button(&container);
    ui::Label second(&container);
    auto depth = [&](const ui::Control& c) { return container.children().indexOf(c.widget()); };

    EXPECT_LT(depth(first), depth(box));
    EXPECT_LT(depth(frame), depth(box));
    EXPECT_LT(depth(second), depth(box));
    EXPECT_LT(depth(second), depth(button));
    EXPECT_LT(depth(first), depth(frame));
    EXPECT_LT(depth(frame), depth(second));

    first.zOrder(0);
    EXPECT_GT(depth(first), depth(second));
    EXPECT_LT(depth(first), depth(box));
    box.zOrder(1);
    EXPECT_LT(depth(box), depth(first));
}

TEST(ListBox, DoubleClickOnAnItemRaisesTheDoubleClick) {
    Window w;
    w.List1.move(0, 0, 3000, 3000);
    w.List1.addItem("a");
    w.List1.addItem("b");
    w.show();
    int doubles = 0, clicks = 0;
    w.List1.onDblClick = [&] { ++doubles; };
    w.List1.onClick = [&] { ++clicks; };
    QWidget* viewport = nullptr;
    for (QWidget* child : w.List1.widget()->findChildren<QWidget*>())
        if (child->objectName() == QLatin1String("qt_scrollarea_viewport")) viewport = child;
    ASSERT_NE(viewport, nullptr);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(doubles, 1);
    EXPECT_GE(clicks, 1);
    EXPECT_EQ(w.List1.listIndex(), 0);
}
