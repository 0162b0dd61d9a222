#include "support/waits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace waits {

namespace {

// Runs the event loop until `done` holds or `ms` passed, waking at least every 10 ms to look.
bool run(const std::function<bool()>& done, qint64 ms) {
    QElapsedTimer clock;
    clock.start();
    QTimer tick;
    tick.start(10);
    for (;;) {
        if (done()) return true;
        if (clock.elapsed() >= ms) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace

double factor() {
    static const double value = [] {
        bool ok = false;
        const double f = qEnvironmentVariable("ZV_TEST_WAIT_FACTOR").toDouble(&ok);
        return ok && std::isfinite(f) && f > 0 ? f : 1.0;
    }();
    return value;
}

int limit(int ms) {
    const double scaled = ms * factor();
    return scaled >= 2e9 ? 2000000000 : static_cast<int>(scaled);
}

bool until(const std::function<bool()>& done, int ms) { return run(done, limit(ms)); }

void settle(int ms) { run([] { return false; }, ms); }

bool happensWithin(const std::function<bool()>& done, int ms) { return run(done, ms); }

}  // namespace waits
