// Text boxes: the change event, key presses, selection.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPalette>
#include <QtTest/QTest>

namespace {

struct Window : ui::Form {
    ui::TextBox Text7{client()};
    ui::MultiLineTextBox Text5{client()};
};

TEST(TextBox, ChangeIsRaisedByEveryTextChangeIncludingCode) {
    Window w;
    QStringList seen;
    w.Text7.onChange = [&] { seen << w.Text7.text(); };
    w.Text7.setText("abc");
    w.Text7.setText("abc");  // no change, no event
    w.Text7.setText("");
    EXPECT_EQ(seen, (QStringList{"abc", ""}));
}

TEST(TextBox, ChangeHandlerMaySetTheTextAgain) {
    Window w;
    int events = 0;
    w.Text7.onChange = [&] {
        ++events;
        if (w.Text7.text().size() > 3) w.Text7.setText(w.Text7.text().left(3));
    };
    w.Text7.setText("abcdef");
    EXPECT_EQ(w.Text7.text(), "abc");
    EXPECT_EQ(events, 2);
}

// A hidden box keeps code's text to itself until it is shown or its selection is used; what the
// program sees (text, change events, the maximum length) is the same as for a shown box.
TEST(TextBox, HiddenBoxBehavesLikeAShownOne) {
    for (bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "hidden" : "shown");
        Window w;
        w.Text7.setVisible(!hidden);
        w.Text7.setMaxLength(5);
        QStringList seen;
        w.Text7.onChange = [&] { seen << w.Text7.text(); };
        w.Text7.setText("abcdefgh");
        w.Text7.setText("abcde");  // the same text once cut: no event
        w.Text7.setText("xy");
        EXPECT_EQ(seen, (QStringList{"abcde", "xy"}));
        EXPECT_EQ(w.Text7.text(), "xy");
        w.Text7.setSelStart(1);
        w.Text7.setSelLength(5);
        EXPECT_EQ(w.Text7.selText(), "y");
        w.Text7.setVisible(true);
        EXPECT_EQ(static_cast<QLineEdit*>(w.Text7.widget())->text(), "xy");
        EXPECT_EQ(seen.size(), 2);  // showing it raises nothing
    }
}

// A box made when needed: a stand-in keeps its place and what code sets until the box is shown.
struct LaterWindow : ui::Form {
    ui::CommandButton Before{client()};
    ui::TextBox Text7{client(), ui::TextBox::whenNeeded};
    ui::CommandButton After{client()};
};

QLineEdit* lineEditOf(const ui::TextBox& box) { return qobject_cast<QLineEdit*>(box.widget()); }

TEST(TextBox, BoxMadeWhenNeededBehavesLikeAHiddenOne) {
    LaterWindow w;
    EXPECT_FALSE(w.Text7.visible());
    w.Text7.setMaxLength(5);
    QStringList seen;
    w.Text7.onChange = [&] { seen << w.Text7.text(); };
    w.Text7.setText("abcdefgh");
    w.Text7.setText("abcde");
    w.Text7.setMaxLength(4);  // cuts the text it holds, as a line edit would
    EXPECT_EQ(seen, (QStringList{"abcde", "abcd"}));
    EXPECT_EQ(lineEditOf(w.Text7), nullptr);  // nothing so far needed the line edit
    w.Text7.setSelStart(1);
    w.Text7.setSelLength(2);
    ASSERT_NE(lineEditOf(w.Text7), nullptr);
    EXPECT_EQ(w.Text7.selText(), "bc");
    EXPECT_EQ(lineEditOf(w.Text7)->text(), "abcd");
    EXPECT_EQ(seen.size(), 2);
}

TEST(TextBox, BoxMadeWhenNeededTakesItsPlaceAndPropertiesWhenShown) {
    LaterWindow w;
    w.show();
    w.Text7.move(150, 300, 3000, 330);
    w.Text7.setText("abc");
    w.Text7.setAlignment(ui::vbCenter);
    w.Text7.setLocked(true);
    w.Text7.setMaxLength(10);
    w.Text7.setForeColor(0xFF);
    w.Text7.setFontSize(14);
    w.Text7.setToolTipText("提示");
    w.Text7.setEnabled(false);
    EXPECT_EQ(lineEditOf(w.Text7), nullptr);
    w.Text7.setVisible(true);
    QLineEdit* edit = lineEditOf(w.Text7);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_EQ(edit->geometry(), QRect(10, 20, 200, 22));
    EXPECT_TRUE(edit->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->maxLength(), 10);
    EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit->font().pointSizeF(), 14);
    EXPECT_EQ(edit->toolTip(), "提示");
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(w.Text7.fontSize(), 14);
    // Stacked where the box was made: above the button made before it, under the one made after.
    const QObjectList order = w.client()->children();
    EXPECT_LT(order.indexOf(w.Before.widget()), order.indexOf(edit));
    EXPECT_LT(order.indexOf(edit), order.indexOf(w.After.widget()));
    // Its events are the box's.
    w.Text7.setEnabled(true);
    w.Text7.setLocked(false);
    QList<int> keys;
    w.Text7.onKeyPress = [&](int& ascii) { keys << ascii; };
    w.Text7.setFocus();
    QTest::keyClicks(edit, "d");
    EXPECT_EQ(keys, QList<int>{'d'});
    EXPECT_EQ(w.Text7.text(), "dabc");  // code's text leaves the cursor at its start
}

TEST(TextBox, FocusMakesABoxMadeWhenNeeded) {
    LaterWindow w;
    w.show();
    w.Text7.setText("x");
    w.Text7.setFocus();
    ASSERT_NE(lineEditOf(w.Text7), nullptr);
    EXPECT_FALSE(lineEditOf(w.Text7)->isVisible());  // still hidden
    EXPECT_EQ(lineEditOf(w.Text7)->text(), "x");
}

TEST(TextBox, TypingRaisesKeyPressAndChange) {
    Window w;
    w.show();
    QList<int> keys;
    int changes = 0;
    w.Text7.onKeyPress = [&](int& ascii) { keys << ascii; };
    w.Text7.onChange = [&] { ++changes; };
    QTest::keyClicks(w.Text7.widget(), "ab");
    QTest::keyClick(w.Text7.widget(), Qt::Key_Return);
    EXPECT_EQ(keys, (QList<int>{'a', 'b', 13}));
    EXPECT_EQ(w.Text7.text(), "ab");
    EXPECT_EQ(changes, 2);
}

TEST(TextBox, KeyPressSetToZeroSwallowsTheKeyAndAnotherCodeTypesThatInstead) {
    Window w;
    w.show();
    w.Text7.onKeyPress = [&](int& ascii) {
        if (ascii == 'x') ascii = 0;
        if (ascii == 'a') ascii = 'A';
    };
    QTest::keyClicks(w.Text7.widget(), "axb");
    EXPECT_EQ(w.Text7.text(), "Ab");
}

TEST(TextBox, KeyDownGetsTheKeyCodeAndShiftState) {
    Window w;
    w.show();
    std::vector<std::pair<int, int>> downs;
    w.Text7.onKeyDown = [&](int& code, int shift) { downs.push_back({code, shift}); };
    QTest::keyClick(w.Text7.widget(), Qt::Key_F5);
    QTest::keyClick(w.Text7.widget(), Qt::Key_V, Qt::ControlModifier);
    // The Ctrl key itself comes down first, as on the platform.
    EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{116, 0}, {17, ui::vbCtrlMask}, {'V', ui::vbCtrlMask}}));
}

TEST(TextBox, SelectionStartAndLength) {
    Window w;
    w.Text7.setText("http://example.com");
    w.Text7.setSelStart(0);
    w.Text7.setSelLength(7);
    EXPECT_EQ(w.Text7.selText(), "http://");
    EXPECT_EQ(w.Text7.selStart(), 0);
    EXPECT_EQ(w.Text7.selLength(), 7);
    w.Text7.setSelLength(100);  // beyond the end: up to the end
    EXPECT_EQ(w.Text7.selLength(), 18);
}

TEST(TextBox, LockedBoxTakesNoTyping) {
    Window w;
    w.show();
    w.Text7.setText("keep");
    w.Text7.setLocked(true);
    QTest::keyClicks(w.Text7.widget(), "zz");
    EXPECT_EQ(w.Text7.text(), "keep");
}

TEST(TextBox, MultiLineTextJoinsLinesWithCrLf) {
    Window w;
    int changes = 0;
    w.Text5.onChange = [&] { ++changes; };
    w.Text5.setText("one\r\ntwo");
    EXPECT_EQ(w.Text5.text(), "one\r\ntwo");
    EXPECT_EQ(changes, 1);
    w.Text5.setText("one\r\ntwo");
    EXPECT_EQ(changes, 1);
}

}  // namespace
