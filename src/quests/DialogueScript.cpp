// The conversation script: each line a node, '|' between the NPC's part and
// the player's options, ';' between a text and its commands.
#include "quests/Dialogue.h"

#include "characters/Player.h"
#include "quests/QuestBook.h"
#include "quests/ScriptSyntax.h"
#include "util/DataLine.h"

#include <algorithm>
#include <climits>

namespace {

int32_t number(const std::string& text) {
    int32_t value = 0;
    return dataline::readSigned(text, value) ? value : 0;  // not a number counts as 0
}

// A command with its numbers read.
struct Command {
    std::string name, first, second;
    int32_t nodeA = 0;
    int32_t nodeB = 0;

    explicit Command(const std::string& part) {
        const script::Command c = script::parseCommand(part);
        name = c.name;
        first = c.first;
        second = c.second;
        nodeA = number(c.nodeA);
        nodeB = number(c.nodeB);
    }
};

// Inventory entries of that name; each counts once, whatever its amount.
int64_t countNamed(const std::vector<ItemRef>& items, const std::string& name) {
    return std::count_if(items.begin(), items.end(), [&name](const ItemRef& i) { return i && i->name == name; });
}

void addExperience(Player& player, int32_t gained) {
    const int64_t exp = std::clamp<int64_t>(int64_t(player.exp) + gained, INT32_MIN, INT32_MAX);
    player.exp = static_cast<int32_t>(exp);
    player.checkLevelUp();
}

// Commands of the NPC's part run as the node is built.
void runNpcCommand(const Command& c, Player& player, std::vector<ItemRef>& npc) {
    if (c.name == "giveItem") {
        // Everything of that name the NPC carries goes to the player.
        std::vector<ItemRef> given;
        for (auto it = npc.begin(); it != npc.end();) {
            if (*it && (*it)->name == c.first) {
                given.push_back(*it);
                it = npc.erase(it);
            } else {
                ++it;
            }
        }
        for (const ItemRef& item : given) player.addItem(item);
    } else if (c.name == "giveExp") {
        addExperience(player, number(c.first));
    } else if (c.name == "startQuest") {
        startQuest(number(c.first), player);
    } else if (c.name == "increaseQuest") {
        increaseQuest(number(c.first), player);
    } else if (c.name == "getItem") {
        // One at a time, each search from the start of the pack.
        for (int32_t moved = 0; moved < number(c.second); ++moved) {
            auto it = std::find_if(player.inventory.begin(), player.inventory.end(),
                                   [&c](const ItemRef& i) { return i && i->name == c.first; });
            if (it == player.inventory.end()) break;
            npc.push_back(*it);
            player.inventory.erase(it);
        }
    }
}

OptionAction jumpTo(int32_t node) {
    OptionAction action;
    action.kind = OptionAction::kJump;
    action.node = node;
    return action;
}

// Commands of an option are looked at as the node is built: jumps and
// gives are kept for the choice, the checks decide whether it is shown.
void applyOptionCommand(const Command& c, const Player& player, const std::vector<ItemRef>& npc,
                        DialogueOption& option, bool& visible) {
    if (c.name == "next") {
        option.actions.push_back(jumpTo(number(c.first)));
    } else if (c.name == "giveItem") {
        OptionAction give;
        give.kind = OptionAction::kGive;
        give.itemName = c.first;
        option.actions.push_back(give);
    } else if (c.name == "checkItem" || c.name == "checkPlayerItem") {
        const std::vector<ItemRef>& items = c.name == "checkItem" ? npc : player.inventory;
        const int32_t wanted = number(c.second);
        const bool enough = wanted >= 1 && countNamed(items, c.first) >= wanted;
        option.actions.push_back(jumpTo(enough ? c.nodeA : c.nodeB));
    } else if (c.name == "checkIfQuest") {
        visible = hasActiveQuest(player, number(c.first));
    } else if (c.name == "checkIfnQuest") {
        if (hasActiveQuest(player, number(c.first))) visible = false;
    } else if (c.name == "checkIfDoneQuest") {
        visible = hasFinishedQuest(player, number(c.first));
    } else if (c.name == "checkIfnDoneQuest") {
        if (hasFinishedQuest(player, number(c.first))) visible = false;
    } else if (c.name == "checkIfStage") {
        visible = isQuestAtStage(player, number(c.first), number(c.second));
    }
}

}  // namespace

bool Dialogue::buildNode(Player& player) {
    if (currentNode == builtNode) return false;
    interpret(player, true);
    builtNode = currentNode;
    return true;
}

void Dialogue::refresh(Player& player) { interpret(player, false); }

void Dialogue::interpret(Player& player, bool runCommands) {
    options.clear();
    speech.clear();

    // Past the last line the node is empty, unless the file's last line has
    // no line feed: then that line stands for every node beyond it.
    std::string node;
    if (currentNode >= 0 && static_cast<size_t>(currentNode) < scriptLines.size())
        node = scriptLines[static_cast<size_t>(currentNode)];
    else if (currentNode >= 0 && !lastLineTerminated && !scriptLines.empty())
        node = scriptLines.back();

    const std::vector<std::string> fields = script::split(node, '|');
    if (fields.size() > 1) {
        const std::vector<std::string> parts = script::split(fields[1], ';');
        speech = script::textOf(parts[0]);
        if (runCommands)
            for (size_t p = 1; p < parts.size(); ++p) runNpcCommand(Command(parts[p]), player, ownerInventory);
    }
    for (size_t f = 2; f < fields.size(); ++f) {
        const std::vector<std::string> parts = script::split(fields[f], ';');
        DialogueOption option;
        option.text = script::textOf(parts[0]);
        bool visible = true;
        for (size_t p = 1; p < parts.size(); ++p)
            applyOptionCommand(Command(parts[p]), player, ownerInventory, option, visible);
        if (visible) options.push_back(std::move(option));
    }
}

void Dialogue::chooseOption(int32_t n) {
    if (n < 1 || static_cast<size_t>(n) > options.size()) return;
    // A give does nothing when chosen: items change hands in the NPC's part.
    for (const OptionAction& action : options[static_cast<size_t>(n) - 1].actions)
        if (action.kind == OptionAction::kJump) currentNode = action.node;
}
