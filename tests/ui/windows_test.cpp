// Window handles and the window functions.
#include "platform/sys/windows.h"
#include "platform/ui/form.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <memory>

namespace {

TEST(WindowHandles, RegisteredWidgetsAreFoundByHandleAndBack) {
    QWidget w;
    const int h = sys::registerWindow(&w, "Some Class");
    EXPECT_NE(h, 0);
    EXPECT_EQ(sys::windowOf(h), &w);
    EXPECT_EQ(sys::handleOf(&w), h);
    EXPECT_EQ(sys::classNameOf(h), "Some Class");
    EXPECT_EQ(sys::registerWindow(&w, "Other"), h);  // same widget, same handle
    EXPECT_EQ(sys::classNameOf(h), "Other");
    EXPECT_EQ(sys::windowOf(0), nullptr);
    EXPECT_EQ(sys::handleOf(nullptr), 0);
}

TEST(WindowHandles, AHandleOfAWidgetThatWentAwayNamesNothing) {
    auto w = std::make_unique<QWidget>();
    const int h = sys::handleOf(w.get());
    w.reset();
    EXPECT_EQ(sys::windowOf(h), nullptr);
    EXPECT_EQ(sys::classNameOf(h), "");
}

// A main window with two browsers, each a shell with a page window inside.
struct Browsers {
    Browsers() {
        for (int i = 0; i < 2; ++i) {
            shells[i] = new QWidget(&main);
            pages[i] = new QWidget(shells[i]);
            sys::registerWindow(pages[i], sys::kPageWindowClass);
        }
    }
    QWidget main;
    QWidget* shells[2];
    QWidget* pages[2];
};

TEST(WindowHandles, ThePageWindowFoundIsTheOneOfTheBrowserLyingOnTop) {
    Browsers b;
    EXPECT_EQ(sys::findPageWindow(&b.main), sys::handleOf(b.pages[1]));  // made last, on top
    b.shells[0]->raise();
    EXPECT_EQ(sys::findPageWindow(&b.main), sys::handleOf(b.pages[0]));
}

TEST(WindowHandles, NoPageWindowGivesZero) {
    QWidget main;
    new QWidget(&main);
    EXPECT_EQ(sys::findPageWindow(&main), 0);
    EXPECT_EQ(sys::findPageWindow(nullptr), 0);
    EXPECT_EQ(sys::findChildWindow(0, sys::kPageWindowClass), 0);
}

TEST(WindowHandles, ThePageWindowOfAnotherTopLevelWindowIsNotFound) {
    // A window elsewhere with a page window inside does not count, whatever its title.
    Browsers other;
    other.main.setWindowTitle("Same title");
    QWidget main;
    main.setWindowTitle("Same title");
    EXPECT_EQ(sys::findPageWindow(&main), 0);
}

TEST(WindowFunctions, ReparentingKeepsTheOffsetAndTheVisibility) {
    QWidget a, b;
    auto* child = new QWidget(&a);
    child->move(30, 40);
    const int hc = sys::handleOf(child);
    sys::setParentWindow(hc, sys::handleOf(&b));
    EXPECT_EQ(child->parentWidget(), &b);
    EXPECT_EQ(child->pos(), QPoint(30, 40));
    EXPECT_FALSE(child->isHidden());
    sys::setParentWindow(hc, 987654);  // an unknown parent changes nothing
    EXPECT_EQ(child->parentWidget(), &b);
}

TEST(WindowFunctions, AWindowCanNotBeMovedIntoItsOwnChild) {
    QWidget a;
    auto* child = new QWidget(&a);
    sys::setParentWindow(sys::handleOf(&a), sys::handleOf(child));
    EXPECT_EQ(a.parentWidget(), nullptr);
}

TEST(WindowFunctions, TopmostIsSetAndCleared) {
    ui::Form f;
    f.show();
    const int h = sys::handleOf(f.widget());
    sys::setWindowPos(h, -1, 0, 0, 0, 0, 3);
    EXPECT_TRUE(f.widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(f.widget()->isVisible());
    sys::setWindowPos(h, -2, 0, 0, 0, 0, 3);
    EXPECT_FALSE(f.widget()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(WindowFunctions, MinimisableStyleKeepsTheWindowCaptionlessAndShown) {
    ui::Form f;
    f.show();
    sys::makeMinimizable(sys::handleOf(f.widget()));
    EXPECT_TRUE(f.widget()->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(f.widget()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(f.widget()->isVisible());
}

TEST(WindowFunctions, MoveAndResizeRequestsGoToTheWindowSystemWithTheirEdge) {
    ui::Form f;
    f.show();
    const int h = sys::handleOf(f.widget());
    sys::systemMoveRequests().clear();
    sys::sendWindowMessage(h, 161, 2, 0);
    sys::sendWindowMessage(h, 161, 17, 0);
    sys::sendWindowMessage(h, 161, 99, 0);  // no edge: nothing
    sys::sendWindowMessage(h, 5, 2, 0);     // another message: nothing
    ASSERT_EQ(sys::systemMoveRequests().size(), 2u);
    EXPECT_EQ(sys::systemMoveRequests()[0].hitTest, 2);
    EXPECT_EQ(sys::systemMoveRequests()[1].hitTest, 17);
    EXPECT_EQ(sys::systemMoveRequests()[0].window, h);
}

}  // namespace
