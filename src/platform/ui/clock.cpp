#include "platform/ui/clock.h"

#include <QPointer>
#include <QTimer>

#include <map>

namespace ui {

Clock::~Clock() {
    // A derived clock has already dropped its schedule; the timers only forget it.
    for (Clocked* t : timers_) t->clock_ = nullptr;
}

void Clock::start(Clocked& timer, int intervalMs) {
    if (timer.clock_ && timer.clock_ != this) timer.clock_->stop(timer);
    timers_.insert(&timer);
    timer.clock_ = this;
    schedule(timer, intervalMs);
}

void Clock::stop(Clocked& timer) {
    if (!timers_.erase(&timer)) return;
    timer.clock_ = nullptr;
    unschedule(timer);
}

bool Clock::running(const Clocked& timer) const { return timers_.count(const_cast<Clocked*>(&timer)) != 0; }

void Clock::releaseAll() {
    while (!timers_.empty()) stop(**timers_.begin());
}

namespace {

// The program's clock: one QTimer per running timer, ticking on the event loop of the one thread.
class RealClock : public Clock {
public:
    ~RealClock() override {
        releaseAll();
    }

protected:
    void schedule(Clocked& timer, int intervalMs) override {
        QTimer*& qt = timers_[&timer];
        if (!qt) {
            qt = new QTimer();
            qt->setTimerType(Qt::PreciseTimer);
            Clocked* t = &timer;
            QObject::connect(qt, &QTimer::timeout, [t] { t->tick(); });
        }
        qt->start(intervalMs);
    }
    void unschedule(Clocked& timer) override {
        auto it = timers_.find(&timer);
        if (it == timers_.end()) return;
        it->second->stop();
        it->second->deleteLater();  // may be the QTimer whose signal is running right now
        timers_.erase(it);
    }

private:
    std::map<Clocked*, QTimer*> timers_;
};

Clock* installed = nullptr;

RealClock& realClock() {
    static RealClock* real = new RealClock();  // lives to the end of the process
    return *real;
}

}  // namespace

Clock& clock() { return installed ? *installed : realClock(); }

void setClock(Clock* c) { installed = c == &realClock() ? nullptr : c; }

}  // namespace ui
