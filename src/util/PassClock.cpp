#include "util/PassClock.h"

#include "util/Seam.h"

void PassClock::endPass() {
    const uint32_t now = seam::ticks();
    // Signed, so the clock's wrap after 49 days is a small step like any other.
    int32_t left = static_cast<int32_t>(deadline - now);
    if (left < static_cast<int32_t>(kLeastSleep)) {
        left = kLeastSleep;
        deadline = now + kLeastSleep;
    } else if (left > static_cast<int32_t>(kPeriod)) {
        // A deadline further off than a period: the clock was set back.
        left = kPeriod;
        deadline = now + kPeriod;
    }
    seam::delay(static_cast<uint32_t>(left));
    deadline += kPeriod;
}

PassClock& passClock() {
    static PassClock clock;
    return clock;
}
