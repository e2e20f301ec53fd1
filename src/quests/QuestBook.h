// Starting and advancing the player's quests, and what the conversation
// scripts ask about them. A quest's texts live in "data\quests\<name>.dat"
// (read when it starts) and "data\quest\<name>.dat" (read as it advances),
// one journal entry a line; its name is line <id> of
// "data\quests\questlist.dat".
#pragma once

#include <cstdint>

class Player;

// Appends quest `id` at stage 0 with the first journal entry as its text,
// whether or not the player already has or finished it.
void startQuest(int32_t id, Player& player);
// Moves the first active quest `id` one stage on: its text becomes every
// entry up to the new stage, each followed by a blank line; past the last
// entry the quest is finished.
void increaseQuest(int32_t id, Player& player);

bool hasActiveQuest(const Player& player, int32_t id);
bool isQuestAtStage(const Player& player, int32_t id, int32_t stage);
bool hasFinishedQuest(const Player& player, int32_t id);
