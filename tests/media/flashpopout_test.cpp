// The job FlashReparent of the Flash pop-out: with no popped-out player back in the front page it
// moves nothing and switches itself off.
#include "support/program/jobs_fixture.h"

#include "forms/windowowner.h"
#include "media/form12.h"
#include "platform/sys/windows.h"
#include "platform/web/flashstandin.h"

namespace {

using forms::Job;

class FlashReparentJob : public JobsFixture {};

TEST_F(FlashReparentJob, WithoutAPlayerMovesNothing) {
    openPage("<p>no player</p>");
    // An open pop-out window: the job would have a container to move a player into.
    Form12& w = forms::window<Form12>();
    const int container = w.containerHandle();
    ASSERT_NE(container, 0);
    const QString players = QString::fromLatin1(web::kFlashPlayerClass);
    const auto before = sys::childWindows(container, players);
    forms::start(f1(), Job::FlashReparent);
    clock.advance(400);
    EXPECT_EQ(sys::childWindows(container, players), before);
    EXPECT_FALSE(timer(Job::FlashReparent).enabled());
}

}  // namespace
