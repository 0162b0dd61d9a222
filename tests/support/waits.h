#pragma once
// The one rule for waiting in tests.
//
// What must happen is waited for with `waits::until`: it returns as soon as the condition holds and
// gives up only after a generous limit (30 s unless a test names another), multiplied by the factor in
// the environment variable ZV_TEST_WAIT_FACTOR (a positive number, 1 when unset or unreadable). A slow
// or busy machine only makes such a test slower, never makes it fail.
//
// What must NOT happen is checked after a fixed settle time (`waits::settle`, `waits::happensWithin`),
// which the factor does not stretch: the program's own work is queued at once, so a short settle is
// enough to see it, and the suite stays as fast on a slow machine as the machine allows.
//
// Both run the event loop as the program's own loop would, deferred deletions included, and sleep
// while nothing is due instead of spinning.
#include <functional>

namespace waits {

constexpr int kMustHappenMs = 30000;

// The factor read from ZV_TEST_WAIT_FACTOR.
double factor();
// `ms` multiplied by the factor.
int limit(int ms = kMustHappenMs);
// Runs the event loop until `done` holds (true) or limit(ms) passed (false).
bool until(const std::function<bool()>& done, int ms = kMustHappenMs);
// Runs the event loop for `ms`, not stretched by the factor.
void settle(int ms);
// Runs the event loop for at most `ms`, not stretched; returns whether `done` held at some point.
bool happensWithin(const std::function<bool()>& done, int ms);

}  // namespace waits
