#include "platform/ui/timer.h"

#include "platform/ui/clock.h"
#include "platform/ui/events.h"

namespace ui {

Timer::Timer(QWidget*) : Control(nullptr) {}

Timer::~Timer() {
    *alive_ = false;
    halt();
}

void Timer::halt() {
    if (Clock* c = countingClock()) c->stop(*this);
}

void Timer::restart() {
    halt();
    if (enabled_ && interval_ > 0) clock().start(*this, interval_);
}

void Timer::setInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    restart();
}

void Timer::setEnabled(bool enabled) {
    if (enabled && enabled_ && running()) return;  // keeps its countdown
    enabled_ = enabled;
    restart();
}

void Timer::tick() {
    if (!enabled_ || inHandler_ || !onTimer) return;
    std::shared_ptr<bool> alive = alive_;
    Handler<void()> handler = onTimer;
    inHandler_ = true;
    dispatch(handler);
    if (*alive) inHandler_ = false;
}

}  // namespace ui

namespace ui {

void Timer::copyStateFrom(const Control& other) {
    Control::copyStateFrom(other);
    if (auto* o = dynamic_cast<const Timer*>(&other)) {
        interval_ = o->interval_;
        enabled_ = o->enabled_;
        restart();
    }
}

}  // namespace ui
