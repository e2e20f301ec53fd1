// The world's pace. Every pass of a loop, and every picture of a slide, takes
// the same period whatever its drawing costs on this machine and display
// library: what the work leaves of the period is slept. A pass that overran
// still sleeps a little and the next one starts afresh; the world is never
// hurried to catch up.
#pragma once

#include <cstdint>

class PassClock {
public:
    // About the old pace of a pass on the classic library: its work plus a
    // flat 5 ms sleep.
    static constexpr uint32_t kPeriod = 6;
    static constexpr uint32_t kLeastSleep = 1;

    // Sleeps until this pass's period is over (seam clock and sleep).
    void endPass();

private:
    uint32_t deadline = 0;
};

// The one clock every loop and slide of the process shares.
PassClock& passClock();
