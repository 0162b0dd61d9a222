// The job HomeRefresh of the document connections: a second after F5 in the home page it presses the
// skin command Command2(20) and the link hint bar's Command8.
#include "support/program/jobs_fixture.h"

#include <QList>

namespace {

using forms::Job;

class HomeRefreshJob : public JobsFixture {};

TEST_F(HomeRefreshJob, FollowUpPressesSkinAndHintBar) {
    setSetting("连接提示", "0");
    QList<int> pressed;
    f1().Command2.onClick = nullptr;  // the test takes the slot over from its owner
    f1().Command2.onClick = [&](int index) { pressed << index; };
    forms::restart(f1(), Job::HomeRefresh);
    clock.advance(1000);
    EXPECT_EQ(pressed, QList<int>{20});
    EXPECT_EQ(hintPresses, 1);
}

}  // namespace
