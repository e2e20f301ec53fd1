// A creature other than the player, built from "data\characters\<id>\data.ini".
#pragma once

#include "characters/Characters.h"
#include "quests/Dialogue.h"

#include <cstdint>
#include <string>

class NPC : public Characters {
public:
    NPC(int32_t x, int32_t y, const std::string& id);
    ~NPC() override;

    void checkLevelUp() override {}

    // Distinct for every NPC made in this run of the program.
    static int32_t nextSerial;

    std::string id;
    Dialogue dialogue;
    int32_t serial = 0;
    std::string name;
    bool agression = true;
    int32_t moveState = 0;
    int32_t offsetX = 0;
    int32_t offsetY = 0;
};
