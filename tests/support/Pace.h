// The pace of passes under a test's control.
#pragma once

#include "util/ScreenUpdates.h"
#include "util/Seam.h"

#include <cstdint>
#include <vector>

// A clock that stands still while the game works and moves on by exactly
// what it sleeps: a pass's period shows in it, and nothing really sleeps.
class TestClock {
public:
    TestClock() {
        seam::setTicks([this] { return now; });
        seam::setDelay([this](uint32_t ms) {
            sleeps.push_back(ms);
            now += ms;
        });
    }
    ~TestClock() {
        seam::setTicks({});
        seam::setDelay({});
    }
    uint32_t slept() const {
        uint32_t total = 0;
        for (uint32_t ms : sleeps) total += ms;
        return total;
    }

    uint32_t now = 100000;
    std::vector<uint32_t> sleeps;
};

// A display fast enough to take every pass's picture, for tests that look at
// each one.
class EveryPassShown {
public:
    EveryPassShown() { screenUpdates().setRefreshRate(1000); }
    ~EveryPassShown() { screenUpdates().setRefreshRate(ScreenUpdates::kDefaultRefreshRate); }
};
