// Text boxes: the change event, key presses, selection.
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

#include <gtest/gtest.h>

#include <QLineEdit>
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
