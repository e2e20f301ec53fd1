// The quest list and one quest's files (the input's three parts, split at NUL
// bytes: the list, the quest's start texts, its stage texts, both under the
// name "Fz"). Quests are started and advanced to their end; the player's
// quest log must read back from player.tmp as it stood.
#include "Cases.h"
#include "FuzzWorld.h"

#include "characters/Player.h"
#include "quests/QuestBook.h"

namespace {

bool sameLog(const Player& a, const Player& b) {
    if (a.doneQuests != b.doneQuests || a.quests.size() != b.quests.size()) return false;
    for (size_t i = 0; i < a.quests.size(); ++i) {
        const Quest& x = a.quests[i];
        const Quest& y = b.quests[i];
        if (x.id != y.id || x.stage != y.stage || x.name != y.name || x.description != y.description) return false;
    }
    return true;
}

}  // namespace

std::string fuzzcase::questFiles(const std::string& input) {
    const std::vector<std::string> parts = fuzzworld::split(input, 3);
    fuzzworld::write("data\\quests\\questlist.dat", parts[0]);
    fuzzworld::write("data\\quests\\Fz.dat", parts[1]);
    fuzzworld::write("data\\quest\\Fz.dat", parts[2]);
    std::string problem;
    {
        auto player = std::make_unique<Player>(0, 0, "Gracz");
        for (int32_t id = -1; id < 6; ++id) startQuest(id, *player);
        for (int32_t step = 0; step < 40 && !player->quests.empty(); ++step) {
            const int32_t id = player->quests[static_cast<size_t>(step) % player->quests.size()].id;
            increaseQuest(id, *player);
            isQuestAtStage(*player, id, step);
        }
        player->saveState();
        const Player back(0, 0, "Gracz");
        if (!sameLog(*player, back)) problem = "the quest log reads back other than it was written";
    }
    if (problem.empty()) problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::questFiles)
