// Conversation scripts, node by node, split the way the game splits them:
// '|' between the NPC's part and the options, ';' before each command.
#include "Files.h"
#include "QuestFlow.h"
#include "Wording.h"
#include "World.h"

#include "quests/Dialogue.h"
#include "quests/ScriptSyntax.h"
#include "util/DataLine.h"
#include "util/FileSystem.h"

#include <map>
#include <set>

namespace {

const char* const kNpcCommands[] = {"giveItem", "giveExp", "startQuest", "increaseQuest", "getItem"};
const char* const kOptionCommands[] = {"next",         "giveItem",      "checkItem",        "checkPlayerItem",
                                       "checkIfQuest", "checkIfnQuest", "checkIfDoneQuest", "checkIfnDoneQuest",
                                       "checkIfStage"};
const char* const kQuestCommands[] = {"startQuest",       "increaseQuest",     "checkIfQuest", "checkIfnQuest",
                                      "checkIfDoneQuest", "checkIfnDoneQuest", "checkIfStage"};
const char* const kItemCommands[] = {"giveItem", "getItem", "checkItem", "checkPlayerItem"};
const char* const kCountCommands[] = {"getItem", "checkItem", "checkPlayerItem"};

using script::split;
using Command = script::Command;

struct Field {
    bool quoted = false;
    std::vector<Command> commands;
};

struct Script {
    World& world;
    std::string file;
    std::string speaker;
    std::vector<std::string> nodes;
    std::map<int32_t, std::vector<int>>& started;  // quest -> lines of this script
    std::set<int32_t>& advanced;                   // by any script
    std::set<std::string> carried;                 // names the speaker can hand over
    int line = 0;
    std::vector<ScriptNode> parsed;                // every node, for following the quests

    void add(const std::string& text) { world.report.add(file, line, text); }

    // What the speaker starts with, and whatever the player hands over here.
    void collectCarried() {
        for (const std::string& id : world.inventories[speaker])
            if (const Item* item = world.item(id)) carried.insert(item->name);
        for (const std::string& node : nodes)
            for (const std::string& f : split(node, '|'))
                for (const std::string& part : split(f, ';')) {
                    const Command c = script::parseCommand(part);
                    if (c.name == "getItem") carried.insert(c.first);
                }
    }

    void jump(const Command& c, const std::string& target) {
        int32_t node = 0;
        const int32_t last = static_cast<int32_t>(nodes.size()) - 1;
        if (!dataline::readSigned(target, node))
            add(c.text + " jumps to " + quote(target) + ", which is no node number; the game jumps to node 0");
        else if (node < 0)
            add(c.text + " jumps to node " + str(node) + ", below 0");
        else if (node > last)
            add(c.text + " jumps to node " + str(node) + ", past the last node " + str(last));
    }

    void stage(const Command& c, int32_t id) {
        int32_t wanted = 0;
        if (id < 0 || static_cast<size_t>(id) >= world.questStages.size() || world.questStages[id] <= 0) return;
        const int32_t last = world.questStages[id] - 1;
        if (!dataline::readSigned(c.second, wanted) || wanted < 0 || wanted > last)
            add(c.text + ": quest " + str(id) + (last == 0 ? " has only stage 0" : " has stages 0 to " + str(last)) +
                ", one for each line of " + world.report.shown("data\\quest\\" + world.questNames[id] + ".dat") +
                "; this answer never shows");
    }

    void quest(const Command& c) {
        int32_t id = 0;
        const long long count = static_cast<long long>(world.questNames.size());
        if (!dataline::readSigned(c.first, id)) {
            add(c.text + " names no quest number");
            return;
        }
        if (id < 0 || id >= count)
            add(c.text + ": quest " + str(id) + " is not in the quest list (" + str(count) + " quests, from 0)");
        if (c.name == "startQuest") started[id].push_back(line);
        if (c.name == "increaseQuest") advanced.insert(id);
        if (c.name == "checkIfStage") stage(c, id);
    }

    void items(const Command& c, bool npcPart) {
        if (!world.itemNames.count(c.first)) {
            add(c.text + ": no item is named " + quote(c.first));
            return;
        }
        if (npcPart && c.name == "giveItem" && !carried.count(c.first))
            add(c.text + ": " + quote(speaker) + " carries no " + quote(c.first) +
                "; only the items under [Inventory] of " +
                world.report.shown("data\\characters\\" + speaker + "\\data.ini") + " can be given");
        int32_t count = 0;
        if (among(kCountCommands, c.name) && (!dataline::readSigned(c.second, count) || count < 1))
            add(c.text + " needs a count of 1 or more");
    }

    void command(const Command& c, bool npcPart) {
        if (c.text.empty()) return;  // a ';' with nothing after it
        const bool known = npcPart ? among(kNpcCommands, c.name) : among(kOptionCommands, c.name);
        if (!known) {
            if (npcPart ? among(kOptionCommands, c.name) : among(kNpcCommands, c.name))
                add("command " + quote(c.name) +
                    (npcPart ? " belongs in an option; after the NPC's text the game ignores it"
                             : " belongs after the NPC's text; in an option the game ignores it"));
            else
                add("unknown command " + quote(c.name) + ", the game ignores it");
            return;
        }
        if (!npcPart && c.name == "giveItem")
            add(c.text + " does nothing in an option; it gives only in the NPC's part of a node");
        if (npcPart && line == 1)
            world.report.warn(file, line, c.text + " in node 0 runs again each time the conversation opens");
        int32_t exp = 0;
        if (c.name == "giveExp" && !dataline::readSigned(c.first, exp))
            add(c.text + " gives no experience: " + quote(c.first) + " is no number");
        if (among(kItemCommands, c.name)) items(c, npcPart);
        if (among(kQuestCommands, c.name)) quest(c);
        if (c.name == "next") jump(c, c.first);
        if (c.name == "checkItem" || c.name == "checkPlayerItem") {
            if (!c.hasNodes) {
                add(c.text + " needs the two nodes in brackets after it, such as [6:8]");
            } else {
                jump(c, c.nodeA);
                jump(c, c.nodeB);
            }
        }
    }

    // Text and commands of one field.
    Field field(const std::string& text, bool npcPart, const std::string& lead) {
        Field out;
        const std::vector<std::string> parts = split(text, ';');
        const size_t first = parts[0].find('"');
        const size_t last = parts[0].rfind('"');
        out.quoted = first != std::string::npos && last != first;
        if (out.quoted)
            checkWords(world, file, line, parts[0].substr(first + 1, last - first - 1), lead,
                       lead.empty() ? "" : "   ");
        for (size_t p = 1; p < parts.size(); ++p) {
            out.commands.push_back(script::parseCommand(parts[p]));
            command(out.commands.back(), npcPart);
        }
        return out;
    }

    void node(size_t index) {
        line = static_cast<int>(index) + 1;
        const std::vector<std::string> fields = split(nodes[index], '|');
        const Field speech = fields.size() < 2 ? Field{} : field(fields[1], true, "");
        if (!speech.quoted) add("the NPC's text needs double quotes after the first \"|\"");
        ScriptNode& here = parsed.emplace_back();
        for (const Command& c : speech.commands) here.commands.push_back(questCommand(c));
        const size_t options = fields.size() < 2 ? 0 : fields.size() - 2;
        if (options > 9) add(str(options) + " options, only 1 to 9 can be chosen");
        for (size_t k = 0; k < options; ++k) {
            const Field answer = field(fields[k + 2], false, str(k + 1) + ". ");
            if (!answer.quoted) add("option " + str(k + 1) + " needs its text in double quotes");
            here.answers.push_back(answerOf(answer.commands));
        }
    }

    // What this script's nodes do to each quest they start or advance.
    void follow(QuestMoves& moves) {
        std::set<int32_t> quests;
        for (const ScriptNode& n : parsed)
            for (const QuestCommand& c : n.commands)
                if ((c.kind == QuestCommand::kStart || c.kind == QuestCommand::kIncrease) && c.hasQuest &&
                    c.quest >= 0 && static_cast<size_t>(c.quest) < world.questStages.size())
                    quests.insert(c.quest);
        for (int32_t id : quests) followQuest(parsed, id, world.questStages[id], moves);
    }
};

// The game opens only <id>.dg: a conversation under another name is never read.
void checkScriptNames(World& world, const std::string& id) {
    const std::string folder = "data\\characters\\" + id + "\\";
    const bool named = fs::exists(folder + id + ".dg");
    for (const std::string& name : filesIn(folder, ".dg")) {
        if (name == id + ".dg") continue;
        const std::string text = "the game reads only " + id + ".dg in this folder, so this conversation is never used";
        if (named)
            world.report.warn(folder + name, 0, text);
        else
            world.report.add(folder + name, 0, text + " and " + quote(id) + " cannot be talked to");
    }
}

}  // namespace

void checkScripts(World& world) {
    std::set<int32_t> advanced;
    QuestMoves moves;
    std::vector<std::pair<std::string, std::map<int32_t, std::vector<int>>>> starts;
    for (const std::string& id : foldersIn("data\\characters")) {
        checkScriptNames(world, id);
        const std::string path = "data\\characters\\" + id + "\\" + id + ".dg";
        if (!fs::exists(path)) continue;
        std::vector<ItemRef> carried;
        Dialogue dialogue(carried);
        dialogue.open(path);  // the game's own reading of the lines
        std::map<int32_t, std::vector<int>> here;
        Script script{world, path, id, dialogue.scriptLines, here, advanced, {}, 0, {}};
        script.collectCarried();
        for (size_t i = 0; i < script.nodes.size(); ++i) script.node(i);
        script.follow(moves);
        starts.emplace_back(path, here);
    }
    for (const auto& [path, quests] : starts)
        for (const auto& [id, lines] : quests)
            if (!advanced.count(id))
                for (int line : lines)
                    world.report.add(path, line, "starts quest " + str(id) + ", but no script advances it");
    checkQuestFlow(world, advanced, moves);
}
