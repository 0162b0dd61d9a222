// The job BackgroundTitle of the tab slots: the label of a tab opened in the background takes the
// page's title cut as 字数 says, the job ticking on until the label has a title, and ending at once
// for a tab that is gone or closing.
#include "support/program/jobs_fixture.h"

#include <string>

namespace {

using forms::Job;

class BackgroundTitleJob : public JobsFixture {};

struct TitleCase {
    const char* name;
    const char* title;
    const char* count;  // 字数
    const char* caption;
    bool ticksOn;
};

class BackgroundTitle : public BackgroundTitleJob, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(BackgroundTitle, LabelTakesTheCutTitle) {
    const TitleCase& c = GetParam();
    setSetting("字数", QString::fromUtf8(c.count));
    const int k = openPage("");
    doc(k).setTitle(QString::fromUtf8(c.title));
    f1().lv(k).setCaption("?");
    timer(Job::BackgroundTitle).setTag(QString::number(k));
    forms::start(f1(), Job::BackgroundTitle);
    clock.advance(1000);
    EXPECT_EQ(f1().lv(k).caption(), QString::fromUtf8(c.caption));
    EXPECT_EQ(timer(Job::BackgroundTitle).enabled(), c.ticksOn);
}

INSTANTIATE_TEST_SUITE_P(
    TabSlots, BackgroundTitle,
    ::testing::Values(TitleCase{"Fits", "abcdefghij", "10", "abcdefghij", false},
                      TitleCase{"Cut", "abcdefghijk", "10", "abcdefghij…", false},
                      TitleCase{"CountNotANumber", "whole title", "", "whole title", false},
                      TitleCase{"TwoCharactersKeepTicking", "ab", "10", "ab", true},
                      TitleCase{"CountBelowTwoKeepsTicking", "abcdef", "1", "a…", true}),
    [](const ::testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

TEST_F(BackgroundTitleJob, StopsOnceItsTabIsGone) {
    // A slot that has no browser.
    timer(Job::BackgroundTitle).setTag("7");
    forms::start(f1(), Job::BackgroundTitle);
    clock.advance(1000);
    EXPECT_FALSE(timer(Job::BackgroundTitle).enabled());
    EXPECT_EQ(f1().lv(7).caption(), "H");
}

TEST_F(BackgroundTitleJob, LeavesAClosingTabAlone) {
    const int k = openPage("");
    f1().lv(k).setVisible(false);
    f1().lv(k).setCaption("?");
    timer(Job::BackgroundTitle).setTag(QString::number(k));
    forms::start(f1(), Job::BackgroundTitle);
    clock.advance(1000);
    EXPECT_EQ(f1().lv(k).caption(), "?");
    EXPECT_FALSE(timer(Job::BackgroundTitle).enabled());
}

}  // namespace
