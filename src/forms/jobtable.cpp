#include "forms/jobtable.h"

#include <utility>

namespace forms {

namespace {

// The rows, in the order of the enum.
const JobRow kRows[kJobCount] = {
    {Job::HintRearm, "Job::HintRearm", 0, 3000},
    {Job::GraceEnd, "Job::GraceEnd", 1, 3000},
    {Job::BackgroundTitle, "Job::BackgroundTitle", 2, 1000},
    {Job::FlashReparent, "Job::FlashReparent", 3, 400},
    {Job::ShortUrlAnswer, "Job::ShortUrlAnswer", 4, 1000},
    {Job::HintHide, "Job::HintHide", 6, 10000},
    {Job::ElementListStep, "Job::ElementListStep", 7, 70},
    {Job::IframeHiding, "Job::IframeHiding", 8, 100},
    {Job::HomeRefresh, "Job::HomeRefresh", 9, 1000},
    {Job::DefaultBrowserCheck, "Job::DefaultBrowserCheck", 10, 1000},
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

// One slot a row, named after its job (the name a conflict report gives).
template <std::size_t... I>
std::array<ui::Handler<void()>, kJobCount> namedBodies(std::index_sequence<I...>) {
    return {ui::Handler<void()>(kRows[I].name)...};
}

JobBodies::JobBodies() : bodies_(namedBodies(std::make_index_sequence<kJobCount>())) {}

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
