#include "forms/jobtable.h"

namespace forms {

namespace {

// The rows, in the order of the enum.
const JobRow kRows[kJobCount] = {
    {Job::HintRearm, 0, 3000},        {Job::GraceEnd, 1, 3000},         {Job::BackgroundTitle, 2, 1000},
    {Job::FlashReparent, 3, 400},     {Job::ShortUrlAnswer, 4, 1000},   {Job::HintHide, 6, 10000},
    {Job::ElementListStep, 7, 70},    {Job::IframeHiding, 8, 100},      {Job::HomeRefresh, 9, 1000},
    {Job::DefaultBrowserCheck, 10, 1000},
};

// The timer that carries no job keeps the interval the window gives it.
constexpr int kFreeTimer = 5;
constexpr int kFreeTimerInterval = 500;

}  // namespace

const JobRow& jobRow(Job job) { return kRows[static_cast<int>(job)]; }

int jobTimerInterval(int index) {
    if (index == kFreeTimer) return kFreeTimerInterval;
    for (const JobRow& row : kRows)
        if (row.timer == index) return row.interval;
    return 0;
}

JobBodies::JobBodies()
    : bodies_{ui::Handler<void()>("Job::HintRearm"),       ui::Handler<void()>("Job::GraceEnd"),
              ui::Handler<void()>("Job::BackgroundTitle"), ui::Handler<void()>("Job::FlashReparent"),
              ui::Handler<void()>("Job::ShortUrlAnswer"),  ui::Handler<void()>("Job::HintHide"),
              ui::Handler<void()>("Job::ElementListStep"), ui::Handler<void()>("Job::IframeHiding"),
              ui::Handler<void()>("Job::HomeRefresh"),     ui::Handler<void()>("Job::DefaultBrowserCheck")} {}

ui::Handler<void()>& JobBodies::operator[](Job job) { return bodies_[static_cast<int>(job)]; }

void JobBodies::run(int index) {
    for (const JobRow& row : kRows) {
        if (row.timer != index) continue;
        const ui::Handler<void()>& body = bodies_[static_cast<int>(row.job)];
        if (body) body();
        return;
    }
}

}  // namespace forms
