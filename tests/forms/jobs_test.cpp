// The delayed jobs by name: start, restart and stop, each job switching itself off after one
// interval, the timer without a job, and a job body set twice.
#include "support/program/jobs_fixture.h"

#include "platform/ui/handler.h"

#include <string>
#include <vector>

namespace {

using forms::Job;

class Jobs : public JobsFixture {};

// --- start, restart, stop ------------------------------------------------------------------------

struct Op {
    int at;  // ms
    enum Kind { Start, Restart, Stop } kind;
};

struct ScheduleCase {
    const char* name;
    std::vector<Op> ops;
    std::vector<int> runs;  // when the hint re-arm ran, ms
};

class Schedule : public Jobs, public ::testing::WithParamInterface<ScheduleCase> {};

TEST_P(Schedule, JobRunsWhenItsTimerSays) {
    const ScheduleCase& c = GetParam();
    std::vector<int> runs;
    for (int t = 0; t <= 12000; t += 100) {
        for (const Op& op : c.ops) {
            if (op.at != t) continue;
            if (op.kind == Op::Start) forms::start(f1(), Job::HintRearm);
            if (op.kind == Op::Restart) forms::restart(f1(), Job::HintRearm);
            if (op.kind == Op::Stop) forms::stop(f1(), Job::HintRearm);
        }
        const int before = hintPresses;
        clock.advance(100);
        if (hintPresses != before) runs.push_back(t + 100);
    }
    EXPECT_EQ(runs, c.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, Schedule,
    ::testing::Values(
        ScheduleCase{"StartOnce", {{0, Op::Start}}, {3000}},
        ScheduleCase{"StartTwiceKeepsTheCountdown", {{0, Op::Start}, {2000, Op::Start}}, {3000}},
        ScheduleCase{"RestartPushesBack", {{0, Op::Start}, {2000, Op::Restart}}, {5000}},
        ScheduleCase{"RestartsInABurstRunOnce", {{0, Op::Restart}, {1000, Op::Restart}, {2000, Op::Restart}}, {5000}},
        ScheduleCase{"StopDropsTheRun", {{0, Op::Start}, {2900, Op::Stop}}, {}},
        ScheduleCase{"StartAgainAfterTheRun", {{0, Op::Start}, {4000, Op::Start}}, {3000, 7000}},
        ScheduleCase{"NavigationThenRefresh", {{0, Op::Restart}, {1000, Op::Start}}, {3000}}),
    [](const ::testing::TestParamInfo<ScheduleCase>& info) { return std::string(info.param.name); });

// --- every job switches itself off -----------------------------------------------------------------

struct OffCase {
    const char* name;
    Job job;
    int index;
    int interval;
};

class SwitchesItselfOff : public Jobs, public ::testing::WithParamInterface<OffCase> {};

TEST_P(SwitchesItselfOff, AfterOneInterval) {
    const OffCase& c = GetParam();
    EXPECT_EQ(&timer(c.job), &f1().Timer4(c.index));
    forms::start(f1(), c.job);
    clock.advance(c.interval - 1);
    EXPECT_TRUE(f1().Timer4(c.index).enabled());
    clock.advance(1);
    EXPECT_FALSE(f1().Timer4(c.index).enabled());
}

INSTANTIATE_TEST_SUITE_P(Jobs, SwitchesItselfOff,
                         ::testing::Values(OffCase{"HintRearm", Job::HintRearm, 0, 3000},
                                           OffCase{"GraceEnd", Job::GraceEnd, 1, 3000},
                                           OffCase{"BackgroundTitle", Job::BackgroundTitle, 2, 1000},
                                           OffCase{"FlashReparent", Job::FlashReparent, 3, 400},
                                           OffCase{"ShortUrlAnswer", Job::ShortUrlAnswer, 4, 1000},
                                           OffCase{"HintHide", Job::HintHide, 6, 10000},
                                           OffCase{"ElementListStep", Job::ElementListStep, 7, 70},
                                           OffCase{"IframeHiding", Job::IframeHiding, 8, 100},
                                           OffCase{"HomeRefresh", Job::HomeRefresh, 9, 1000},
                                           OffCase{"DefaultBrowserCheck", Job::DefaultBrowserCheck, 10, 1000}),
                         [](const ::testing::TestParamInfo<OffCase>& info) { return std::string(info.param.name); });

// --- the timer without a job, and the one owner of a body --------------------------------------------

TEST_F(Jobs, JobFiveDoesNothing) {
    f1().Timer4(5).setEnabled(true);
    clock.advance(2000);
    EXPECT_EQ(hintPresses, 0);
    EXPECT_TRUE(services.boxes().empty());
}

TEST_F(Jobs, ABodySetTwiceIsAConflict) {
    ASSERT_TRUE(ui::handlerConflicts().isEmpty());
    forms::jobBody(f1(), Job::HintHide) = [] {};
    EXPECT_EQ(ui::handlerConflicts().size(), 1);
    ui::clearHandlerConflicts();  // the conflict was the point of this test
}

}  // namespace
