#include "characters/Player.h"

#include "audio/Audio.h"

#include <cstdint>
#include <limits>

namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

// Points earned past the int32 range (a damaged state file can hold any
// count) stay at the largest value instead of wrapping.
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
    const int32_t before = level;
    // levelThreshold stays at the largest int32 once a threshold no longer
    // fits (it is never a multiple of 250 otherwise): there is no level past
    // it, so the loop ends for any experience or level a file can hold.
    while (exp >= nextLevelExp && nextLevelExp != kInt32Max && level != kInt32Max) {
        addSaturated(attributePoints, 4);
        addSaturated(skillPoints, 4);
        ++level;
        nextLevelExp = levelThreshold(level);
        recomputeStats();
    }
    if (level != before) audio::play(Sound::levelUp);
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
