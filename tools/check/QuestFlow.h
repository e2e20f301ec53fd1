// Following each quest from its start to its end through every script. A
// quest is not started (state 0), at one of its stages 0 to N - 1 (states 1
// to N) or finished (state N + 1). From node 0, where every conversation
// opens, any state is possible; the answers' checks narrow down the states
// each node can be reached in, and the nodes' commands move the quest on.
// A quest that some node advances must be able to reach its end that way.
#pragma once

#include "World.h"

#include "quests/ScriptSyntax.h"

#include <cstdint>
#include <map>
#include <set>
#include <vector>

// A command as far as quests go, its numbers read once.
struct QuestCommand {
    enum Kind { kOther, kStart, kIncrease, kIfQuest, kIfDone, kIfStage, kIfNotQuest, kIfNotDone };
    Kind kind = kOther;
    bool hasQuest = false;  // the quest number could be read
    int32_t quest = 0;
    bool hasStage = false;  // checkIfStage's stage could be read
    int32_t stage = 0;
};
QuestCommand questCommand(const script::Command& c);

struct Answer {
    std::vector<QuestCommand> checks;
    std::vector<int32_t> targets;  // where its last jump leads
};
Answer answerOf(const std::vector<script::Command>& commands);

struct ScriptNode {
    std::vector<QuestCommand> commands;  // after the NPC's text
    std::vector<Answer> answers;
};

// Quest -> state -> the other states a node can move it to.
using QuestMoves = std::map<int32_t, std::map<int32_t, std::set<int32_t>>>;

// Adds the moves the nodes of one script make on quest `id`, which has
// `stages` stages.
void followQuest(const std::vector<ScriptNode>& nodes, int32_t id, int32_t stages, QuestMoves& moves);

// Each quest some node advances that cannot finish, told on the journal line
// of every stage it can get stuck at.
void checkQuestFlow(World& world, const std::set<int32_t>& advanced, const QuestMoves& moves);
