#pragma once
// What a clock counts down: the clock calls tick() each time it is due. A timer of a form is one;
// the clock knows nothing more of it.
namespace ui {

class Clock;

class Clocked {
public:
    virtual void tick() = 0;

protected:
    Clocked() = default;
    ~Clocked() = default;
    Clocked(const Clocked&) = delete;
    Clocked& operator=(const Clocked&) = delete;
    // The clock counting this down right now, or nullptr.
    Clock* countingClock() const { return clock_; }

private:
    friend class Clock;
    Clock* clock_ = nullptr;
};

}  // namespace ui
