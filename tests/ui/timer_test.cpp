// Timers on the manual clock: start, restart, stop, order of ticks and re-entrancy.
#include "platform/rt/error.h"
#include "platform/ui/timer.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

namespace {

struct Clocked : ::testing::Test {
    ManualClock clock;
};

std::unique_ptr<ui::Timer> timer(int interval, std::function<void()> onTimer) {
    auto t = std::make_unique<ui::Timer>();
    t->setEnabled(false);
    t->setInterval(interval);
    t->onTimer = std::move(onTimer);
    return t;
}

TEST_F(Clocked, EnabledTimerTicksEveryIntervalUntilDisabled) {
    int ticks = 0;
    auto t = timer(1000, [&] { ++ticks; });
    t->setEnabled(true);
    clock.advance(999);
    EXPECT_EQ(ticks, 0);
    clock.advance(1);
    EXPECT_EQ(ticks, 1);
    clock.advance(2000);
    EXPECT_EQ(ticks, 3);
    t->setEnabled(false);
    clock.advance(5000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(Clocked, EnablingAnEnabledTimerKeepsItsCountdown) {
    int ticks = 0;
    std::unique_ptr<ui::Timer> t;
    t = timer(3000, [&] {
        ++ticks;
        t->setEnabled(false);
    });
    t->setEnabled(true);
    clock.advance(2000);
    t->setEnabled(true);  // a second start: runs once, one interval after the first start
    clock.advance(1000);
    EXPECT_EQ(ticks, 1);
    clock.advance(5000);
    EXPECT_EQ(ticks, 1);
}

TEST_F(Clocked, DisableThenEnablePushesThePendingTickBack) {
    long long tickedAt = -1;
    std::unique_ptr<ui::Timer> t;
    t = timer(3000, [&] {
        tickedAt = clock.now();
        t->setEnabled(false);
    });
    t->setEnabled(true);
    clock.advance(2000);
    t->setEnabled(false);
    t->setEnabled(true);
    clock.advance(2999);
    EXPECT_EQ(tickedAt, -1);
    clock.advance(1);
    EXPECT_EQ(tickedAt, 5000);
}

TEST_F(Clocked, StoppedBeforeItsIntervalItNeverRuns) {
    int ticks = 0;
    auto t = timer(500, [&] { ++ticks; });
    t->setEnabled(true);
    clock.advance(499);
    t->setEnabled(false);
    clock.advance(10000);
    EXPECT_EQ(ticks, 0);
}

TEST_F(Clocked, DueTimersTickInOrderOfDueTime) {
    QStringList order;
    auto slow = timer(300, [&] { order << "slow"; });
    auto fast = timer(100, [&] { order << "fast"; });
    auto same = timer(300, [&] { order << "same"; });
    slow->setEnabled(true);
    fast->setEnabled(true);
    same->setEnabled(true);
    clock.advance(300);
    EXPECT_EQ(order, (QStringList{"fast", "fast", "slow", "same", "fast"}));
}

TEST_F(Clocked, AHandlerMayStopAnotherTimerDueAtTheSameTime) {
    QStringList order;
    std::unique_ptr<ui::Timer> second;
    auto first = timer(100, [&] {
        order << "first";
        second->setEnabled(false);
    });
    second = timer(100, [&] { order << "second"; });
    first->setEnabled(true);
    second->setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(order, QStringList{"first"});
}

TEST_F(Clocked, AHandlerMayStartAnotherTimerAndAdvanceTheClock) {
    QStringList order;
    std::unique_ptr<ui::Timer> later;
    std::unique_ptr<ui::Timer> first;
    first = timer(100, [&] {
        order << QString("first@%1").arg(clock.now());
        first->setEnabled(false);
        later->setEnabled(true);
        clock.advance(50);  // a handler that waits, as a modal box would
        order << QString("first done@%1").arg(clock.now());
    });
    later = timer(40, [&] {
        order << QString("later@%1").arg(clock.now());
        later->setEnabled(false);
    });
    first->setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(order, (QStringList{"first@100", "later@140", "first done@150"}));
    EXPECT_EQ(clock.now(), 150);
}

TEST_F(Clocked, ATimerDoesNotRunInsideItsOwnHandler) {
    int runs = 0;
    int depth = 0, deepest = 0;
    std::unique_ptr<ui::Timer> t;
    t = timer(1000, [&] {
        ++runs;
        deepest = std::max(deepest, ++depth);
        if (runs == 1) clock.advance(2500);  // the handler waits while its timer stays enabled
        --depth;
    });
    t->setEnabled(true);
    clock.advance(1000);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(runs, 1);  // the ticks that fell due while it ran were dropped
    clock.advance(1000);
    EXPECT_EQ(runs, 2);
}

TEST_F(Clocked, AHandlerMayDestroyItsOwnTimer) {
    int runs = 0;
    std::unique_ptr<ui::Timer> t;
    t = timer(100, [&] {
        ++runs;
        t.reset();
    });
    t->setEnabled(true);
    clock.advance(1000);
    EXPECT_EQ(runs, 1);
}

TEST_F(Clocked, IntervalZeroNeverTicksAndANewIntervalRestartsTheCountdown) {
    int ticks = 0;
    auto t = timer(0, [&] { ++ticks; });
    t->setEnabled(true);
    clock.advance(10000);
    EXPECT_EQ(ticks, 0);
    t->setInterval(200);
    clock.advance(150);
    t->setInterval(200);
    clock.advance(150);
    EXPECT_EQ(ticks, 0);
    clock.advance(50);
    EXPECT_EQ(ticks, 1);
}

TEST_F(Clocked, AFailingHandlerDoesNotStopTheClock) {
    int ticks = 0;
    auto bad = timer(100, [&] { throw rt::RuntimeError(rt::TypeMismatch); });
    auto good = timer(100, [&] { ++ticks; });
    bad->setEnabled(true);
    good->setEnabled(true);
    clock.advance(200);
    EXPECT_EQ(ticks, 2);
}

}  // namespace
