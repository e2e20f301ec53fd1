// The creature the user controls. Its whole state lives in "data\player.tmp"
// between two lives of the object: the constructor reads it, the destructor
// writes it.
#pragma once

#include "characters/Characters.h"
#include "quests/Quest.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Player : public Characters {
public:
    Player(int32_t x, int32_t y, const std::string& id);
    ~Player() override;

    // Raises levels while exp has reached the next threshold.
    void checkLevelUp() override;

    // Writes "data\player.tmp".
    void saveState();
    // Reads "data\player.tmp" if it exists (called by the constructor).
    void loadState();

    // Spend one point on attribute/skill index 0..9 (strength first); false
    // when no point of the matching kind is left.
    bool spendPoint(int attributeIndex);

    std::vector<Quest> quests;
    std::vector<int32_t> doneQuests;
    int32_t attributePoints = 0;
    int32_t skillPoints = 0;
    Characters* target = nullptr;
    std::array<ItemRef, 10> quickSlots;
};
