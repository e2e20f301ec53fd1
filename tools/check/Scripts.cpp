// Conversation scripts, node by node, split the way the game splits them:
// '|' between the NPC's part and the options, ';' before each command.
#include "Files.h"
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

using script::split;
using Command = script::Command;

struct Script {
    World& world;
    std::string file;
    std::vector<std::string> nodes;
    std::map<int32_t, std::vector<int>>& started;  // quest -> lines of this script
    std::set<int32_t>& advanced;                   // by any script
    int line = 0;

    void add(const std::string& text) { world.report.add(file, line, text); }

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
    }

    void command(const std::string& part, bool npcPart) {
        const Command c = script::parseCommand(part);
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
        if (among(kItemCommands, c.name) && !world.itemNames.count(c.first))
            add(c.text + ": no item is named " + quote(c.first));
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

    // Text and commands of one field; false when it has no text in quotes.
    bool field(const std::string& text, bool npcPart, const std::string& lead) {
        const std::vector<std::string> parts = split(text, ';');
        const size_t first = parts[0].find('"');
        const size_t last = parts[0].rfind('"');
        const bool quoted = first != std::string::npos && last != first;
        if (quoted)
            checkWords(world, file, line, parts[0].substr(first + 1, last - first - 1), lead,
                       lead.empty() ? "" : "   ");
        for (size_t p = 1; p < parts.size(); ++p) command(parts[p], npcPart);
        return quoted;
    }

    void node(size_t index) {
        line = static_cast<int>(index) + 1;
        const std::vector<std::string> fields = split(nodes[index], '|');
        if (fields.size() < 2 || !field(fields[1], true, ""))
            add("the NPC's text needs double quotes after the first \"|\"");
        const size_t options = fields.size() < 2 ? 0 : fields.size() - 2;
        if (options > 9) add(str(options) + " options, only 1 to 9 can be chosen");
        for (size_t k = 0; k < options; ++k)
            if (!field(fields[k + 2], false, str(k + 1) + ". "))
                add("option " + str(k + 1) + " needs its text in double quotes");
    }
};

}  // namespace

void checkScripts(World& world) {
    std::set<int32_t> advanced;
    std::vector<std::pair<std::string, std::map<int32_t, std::vector<int>>>> starts;
    for (const std::string& id : foldersIn("data\\characters")) {
        const std::string path = "data\\characters\\" + id + "\\" + id + ".dg";
        if (!fs::exists(path)) continue;
        std::vector<ItemRef> carried;
        Dialogue dialogue(carried);
        dialogue.open(path);  // the game's own reading of the lines
        std::map<int32_t, std::vector<int>> here;
        Script script{world, path, dialogue.scriptLines, here, advanced};
        for (size_t i = 0; i < script.nodes.size(); ++i) script.node(i);
        starts.emplace_back(path, here);
    }
    for (const auto& [path, quests] : starts)
        for (const auto& [id, lines] : quests)
            if (!advanced.count(id))
                for (int line : lines)
                    world.report.add(path, line, "starts quest " + str(id) + ", but no script advances it");
}
