#include "characters/Player.h"

#include <cstdint>
#include <limits>

namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

// The level-up loop must end even for a level or experience read from a
// damaged file: a threshold that no longer fits in 32 bits is kept at the
// largest value, and that value (never a multiple of 250) means "no further
// level".
int32_t thresholdAfter(int32_t level) {
    int64_t next = 250LL * (static_cast<int64_t>(level) + 1) * (static_cast<int64_t>(level) + 2);
    return next > kInt32Max ? kInt32Max : static_cast<int32_t>(next);
}

void addSaturated(int32_t& counter, int32_t amount) {
    counter = counter > kInt32Max - amount ? kInt32Max : counter + amount;
}

}  // namespace

Player::Player(int32_t x, int32_t y, const std::string& id) : Characters(x, y, id) {
    HP = maxHP;
    MP = maxMP;
    loadState();
}

Player::~Player() {
    // The state must reach the disk before any member is released; a failure
    // here must not take the game down with it.
    try {
        saveState();
    } catch (...) {
    }
}

void Player::checkLevelUp() {
    while (exp >= nextLevelExp && nextLevelExp != kInt32Max && level != kInt32Max) {
        addSaturated(attributePoints, 4);
        addSaturated(skillPoints, 4);
        ++level;
        nextLevelExp = thresholdAfter(level);
        recomputeStats();
    }
}

bool Player::spendPoint(int attributeIndex) {
    if (attributeIndex < 0 || attributeIndex >= Item::kAttributeCount) return false;
    int32_t& counter = attributeIndex < 6 ? attributePoints : skillPoints;
    int32_t& value = attribute(attributeIndex);
    if (counter <= 0 || value == kInt32Max) return false;
    ++value;
    --counter;
    recomputeStats();
    return true;
}
