// A conversation script, read as its NPC is built: every node is built and
// every answer chosen, each from a fresh build of its node, with items on both
// sides for the item commands and the shipped quests for the quest commands.
#include "Cases.h"
#include "FuzzWorld.h"

#include "characters/NPC.h"
#include "characters/Player.h"

#include <algorithm>

namespace {

// Nodes past the script's end are built too; the number keys reach nine answers.
constexpr int32_t kMostNodes = 32;
constexpr size_t kMostAnswers = 9;

}  // namespace

std::string fuzzcase::dialogueScript(const std::string& input) {
    fuzzworld::write("data\\characters\\fz\\data.ini", "name=Fz\nagression=0\n[Inventory]\nwolfpelt\nbread\nbadge");
    fuzzworld::write("data\\characters\\fz\\fz.dg", input);
    {
        NPC npc(2, 2, "fz");
        Player player(2, 3, "Gracz");
        for (const char* id : {"wolfpelt", "wolfpelt", "badge", "moonstone"}) player.inventory.push_back(makeItem(id));
        Dialogue& talk = npc.dialogue;
        const int32_t nodes = std::min<int32_t>(static_cast<int32_t>(talk.scriptLines.size()) + 1, kMostNodes);
        for (int32_t node = 0; node < nodes; ++node) {
            talk.currentNode = node;
            talk.buildNode(player);
            talk.refresh(player);
            const size_t answers = std::min(talk.options.size(), kMostAnswers);
            for (size_t n = 1; n <= answers; ++n) {
                talk.currentNode = node;
                talk.builtNode = -1;
                talk.buildNode(player);
                talk.chooseOption(static_cast<int32_t>(n));
                talk.buildNode(player);
            }
        }
    }
    std::string problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::dialogueScript)
