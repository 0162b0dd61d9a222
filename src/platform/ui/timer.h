#pragma once
// A timer of a form: no widget, an interval and an enabled flag. While enabled with an interval above
// zero it ticks once per interval. Enabling a timer that is already enabled keeps its running
// countdown; disabling and enabling again starts a fresh one; changing the interval of an enabled timer
// starts a fresh countdown too. A tick that comes while the timer's own handler is still running (a
// modal box inside the handler) is dropped, so a handler never runs inside itself.
#include "platform/ui/clocked.h"
#include "platform/ui/control.h"

#include <functional>
#include <memory>

class QWidget;

namespace ui {

class Timer : public Control, public Clocked {
public:
    // The parent is accepted for the control-array interface; a timer has no widget.
    explicit Timer(QWidget* parent = nullptr);
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    // Counting down right now.
    bool running() const { return countingClock() != nullptr; }

    Handler<void()> onTimer{"Timer.onTimer"};

    // Called by the clock when the timer is due.
    void tick() override;

    void copyStateFrom(const Control& other) override;

private:
    void restart();
    void halt();

    int interval_ = 0;
    bool enabled_ = true;
    bool inHandler_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui
