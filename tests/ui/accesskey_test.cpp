// Hot keys: Alt + the caption's letter presses a command button parked above the client area.
#include "support/waits.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QtTest/QTest>

namespace {

struct Window : ui::Form {
    Window() {
        move(0, 0, 6000, 4500);
        Parked.move(0, -500, 255, 255);
        Parked.setCaption("&Q");
        Inside.move(600, 600, 1200, 375);
        Inside.setCaption("打字搜索");
    }
    ui::CommandButton Parked{client()};
    ui::CommandButton Inside{client()};
    ui::TextBox Box{client()};
};

void showActive(Window& w) {
    w.show();
    w.widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.widget(), waits::limit()));
}

TEST(HotKey, AltLetterPressesTheButtonParkedAboveTheWindow) {
    Window w;
    showActive(w);
    int presses = 0;
    w.Parked.onClick = [&] { ++presses; };
    QTest::keyClick(w.widget(), Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(w.Parked.hotKey(), QKeySequence(Qt::ALT + Qt::Key_Q).toString());
}

TEST(HotKey, AfterTheCaptionLetterChangesOnlyTheNewLetterPresses) {
    Window w;
    showActive(w);
    int presses = 0;
    w.Parked.onClick = [&] { ++presses; };
    w.Parked.setCaption("&W");
    QTest::keyClick(w.widget(), Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(presses, 0);
    QTest::keyClick(w.widget(), Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(presses, 1);
}

TEST(HotKey, WorksWhileTheFocusIsInATextBox) {
    Window w;
    showActive(w);
    int presses = 0;
    w.Parked.onClick = [&] { ++presses; };
    w.Box.setFocus();
    QTest::keyClick(w.Box.widget(), Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(w.Box.text(), "");
}

TEST(HotKey, AHiddenOrDisabledButtonIsNotPressedAndACaptionWithoutMarkerHasNoKey) {
    Window w;
    showActive(w);
    int presses = 0;
    w.Parked.onClick = [&] { ++presses; };
    w.Parked.setVisible(false);
    QTest::keyClick(w.widget(), Qt::Key_Q, Qt::AltModifier);
    w.Parked.setVisible(true);
    w.Parked.setEnabled(false);
    QTest::keyClick(w.widget(), Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(w.Inside.hotKey(), "");
}

// Two buttons holding one letter: the one whose caption gave it the letter last runs, among the
// visible and enabled ones; when it gives the letter up the other runs on it again.
TEST(HotKey, ASharedLetterPressesTheButtonThatTookItLast) {
    Window w;
    ui::CommandButton Other{w.client()};
    Other.move(300, -500, 255, 255);
    showActive(w);
    std::vector<std::string> pressed;
    w.Parked.onClick = [&] { pressed.push_back("parked"); };
    Other.onClick = [&] { pressed.push_back("other"); };
    auto altQ = [&] { QTest::keyClick(w.widget(), Qt::Key_Q, Qt::AltModifier); };

    Other.setCaption("&q");  // Parked holds "&Q" already: one key for both
    altQ();
    altQ();
    EXPECT_EQ(pressed, (std::vector<std::string>{"other", "other"}));
    pressed.clear();
    w.Parked.setCaption("&Q");  // taken again
    altQ();
    EXPECT_EQ(pressed, (std::vector<std::string>{"parked"}));
    pressed.clear();
    w.Parked.setVisible(false);
    altQ();
    w.Parked.setVisible(true);
    w.Parked.setEnabled(false);
    altQ();
    w.Parked.setEnabled(true);
    EXPECT_EQ(pressed, (std::vector<std::string>{"other", "other"}));
    pressed.clear();
    w.Parked.setCaption("&W");  // given up: the other holds it alone
    altQ();
    QTest::keyClick(w.widget(), Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(pressed, (std::vector<std::string>{"other", "parked"}));
}

TEST(HotKey, CaptionShowsWithoutTheMarker) {
    EXPECT_EQ(ui::stripAccessKey("灰(&1)"), "灰(1)");
    EXPECT_EQ(ui::stripAccessKey("A&&B"), "A&B");
    EXPECT_EQ(ui::accessKeyOf("&z"), "Z");
    EXPECT_EQ(ui::accessKeyOf("A&&B"), "");
}

}  // namespace
