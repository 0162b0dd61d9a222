#pragma once
// The clock behind the timers of the forms. The program runs on a real clock driven by Qt's event
// loop; tests install a manual clock and move time on by hand.
#include "platform/ui/clocked.h"

#include <set>

namespace ui {

class Clock {
public:
    Clock() = default;
    virtual ~Clock();
    Clock(const Clock&) = delete;
    Clock& operator=(const Clock&) = delete;

    // Starts a fresh countdown of `intervalMs` for the timer (replacing a running one); its tick()
    // runs when it is due and then again every interval until stop().
    void start(Clocked& timer, int intervalMs);
    // Drops the timer's countdown; a tick that was due does not run.
    void stop(Clocked& timer);
    bool running(const Clocked& timer) const;

protected:
    virtual void schedule(Clocked& timer, int intervalMs) = 0;
    virtual void unschedule(Clocked& timer) = 0;
    // A clock that goes away first lets go of its timers.
    void releaseAll();

private:
    std::set<Clocked*> timers_;
};

// The clock in use; the real one unless a test installed another.
Clock& clock();
// Installs a clock (not owned); nullptr restores the real one.
void setClock(Clock* clock);

}  // namespace ui
