// Window handles and the window functions.
#include "platform/sys/windows.h"
#include "platform/ui/form.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
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

// The pointer as the window system gives it to a window: `at` in the window, the window lying at
// `windowAt` on the screen as the window system has it (not as the toolkit may believe).
void pointer(QWidget& w, QEvent::Type type, QPoint at, QPoint windowAt, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, at, at, at + windowAt, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w.windowHandle(), &e);
}

// A left press at `from` in the window, a move of 10 x 6 pixels that asks for the move (hit-test code
// `hitTest`), then the rest of the way by `by` in steps and the release; returns whether it started.
bool drag(QWidget& w, int hitTest, QPoint from, QPoint by) {
    const int h = sys::handleOf(&w);
    const QPoint at = w.geometry().topLeft();
    pointer(w, QEvent::MouseButtonPress, from, at, Qt::LeftButton, Qt::LeftButton);
    pointer(w, QEvent::MouseMove, from + QPoint(10, 6), at, Qt::NoButton, Qt::LeftButton);
    sys::systemMoveRequests().clear();
    sys::sendWindowMessage(h, 161, hitTest, 0);
    const bool started = !sys::systemMoveRequests().empty() && sys::systemMoveRequests().back().started;
    // The window system reports the pointer where it is on the screen; the window moves under it.
    for (int s = 1; s <= 7; ++s) {
        const QPoint screen = at + from + QPoint(10, 6) + (by - QPoint(10, 6)) * s / 7;
        pointer(w, QEvent::MouseMove, screen - w.geometry().topLeft(), w.geometry().topLeft(), Qt::NoButton, Qt::LeftButton);
    }
    const QPoint end = at + from + by;
    pointer(w, QEvent::MouseButtonRelease, end - w.geometry().topLeft(), w.geometry().topLeft(), Qt::LeftButton, Qt::NoButton);
    return started;
}

// A drag moves the window by exactly what the pointer moved since the press, each time, also after the
// window was dragged, hidden, placed elsewhere and shown again.
TEST(WindowFunctions, ADragMovesTheWindowByExactlyWhatThePointerMoved) {
    QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w.setGeometry(300, 200, 240, 160);
    w.show();
    const struct {
        QPoint from, by;
    } drags[] = {{{50, 100}, {70, 40}}, {{120, 20}, {-35, 90}}, {{5, 5}, {70, 40}}};
    for (const auto& d : drags) {
        const QPoint before = w.geometry().topLeft();
        EXPECT_TRUE(drag(w, 2, d.from, d.by));
        EXPECT_EQ(w.geometry().topLeft(), before + d.by);
        EXPECT_EQ(w.size(), QSize(240, 160));
        // Closed and shown again at a place of its own.
        w.hide();
        w.move(426, 266);
        w.show();
    }
}

// Without the left button held after a press in that window nothing moves: a move asked for by a
// pointer that only hovers (its press went up elsewhere) leaves the window and the next click alone.
TEST(WindowFunctions, NoMoveWithoutTheLeftButtonHeldInThatWindow) {
    QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
    QWidget other(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w.setGeometry(300, 200, 240, 160);
    other.setGeometry(700, 200, 100, 100);
    w.show();
    other.show();
    const int h = sys::handleOf(&w);
    auto asks = [&] {
        sys::systemMoveRequests().clear();
        sys::sendWindowMessage(h, 161, 2, 0);
        return !sys::systemMoveRequests().empty() && sys::systemMoveRequests().back().started;
    };
    // Pressed and released: the button is up.
    pointer(w, QEvent::MouseButtonPress, {10, 10}, {300, 200}, Qt::LeftButton, Qt::LeftButton);
    pointer(w, QEvent::MouseButtonRelease, {10, 10}, {300, 200}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(asks());
    // Up without its release: the next move shows no button held.
    pointer(w, QEvent::MouseButtonPress, {10, 10}, {300, 200}, Qt::LeftButton, Qt::LeftButton);
    pointer(w, QEvent::MouseMove, {30, 30}, {300, 200}, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(asks());
    // Held, but pressed in another window; the right button.
    pointer(other, QEvent::MouseButtonPress, {10, 10}, {700, 200}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(asks());
    pointer(other, QEvent::MouseButtonRelease, {10, 10}, {700, 200}, Qt::LeftButton, Qt::NoButton);
    pointer(w, QEvent::MouseButtonPress, {10, 10}, {300, 200}, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(asks());
    pointer(w, QEvent::MouseButtonRelease, {10, 10}, {300, 200}, Qt::RightButton, Qt::NoButton);
    // The pointer goes on without moving the window.
    pointer(w, QEvent::MouseMove, {60, 60}, {300, 200}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w.geometry().topLeft(), QPoint(300, 200));
}

}  // namespace
