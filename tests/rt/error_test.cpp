#include "platform/rt/error.h"

#include <QStringList>
#include <gtest/gtest.h>

using rt::guard;
using rt::step;

TEST(StepGuard, FailingStatementIsSkippedAndTheNextOneRuns) {
    QStringList done;
    step([&] { done << "a"; });
    step([&] { rt::raise(rt::TypeMismatch); done << "never"; });
    step([&] { done << "c"; });
    EXPECT_EQ(done, QStringList({"a", "c"}));
}

TEST(StepGuard, WorkBeforeTheFailureInAStatementStays) {
    int written = 0;
    EXPECT_FALSE(step([&] { written = 1; rt::raise(rt::SubscriptOutOfRange); }));
    EXPECT_EQ(written, 1);
}

TEST(StepGuard, TestThatFailsToEvaluateRunsTheBranch) {
    EXPECT_TRUE(guard([] { return false || (rt::raise(rt::TypeMismatch), false); }));
    EXPECT_TRUE(guard([] { return true; }));
    EXPECT_FALSE(guard([] { return false; }));
}

TEST(StepGuard, ErrorCarriesItsNumber) {
    try {
        rt::raise(rt::ControlArrayElementMissing);
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), 340);
    }
}
