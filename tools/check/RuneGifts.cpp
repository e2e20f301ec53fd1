#include "RuneGifts.h"

#include "Files.h"

#include "quests/Dialogue.h"
#include "quests/ScriptSyntax.h"
#include "util/DataLine.h"
#include "util/FileSystem.h"

#include <set>

namespace {

// Ids of the damage runes in the character's hands, as its data.ini names them.
std::set<std::string> heldRunes(World& world, const std::string& id) {
    std::set<std::string> runes;
    std::vector<std::string> lines;
    readLines("data\\characters\\" + id + "\\data.ini", lines);
    for (size_t i = 0; i < lines.size() && lines[i] != "[Inventory]"; ++i) {
        const dataline::KeyValue kv = dataline::split(lines[i]);
        if (kv.key != "leftHand" && kv.key != "rightHand") continue;
        const Item* item = world.item(kv.value);
        if (item && item->type == kDamageRune) runes.insert(kv.value);
    }
    return runes;
}

}  // namespace

void checkRuneGifts(World& world) {
    for (const std::string& id : foldersIn("data\\characters")) {
        const std::string path = "data\\characters\\" + id + "\\" + id + ".dg";
        if (!fs::exists(path)) continue;
        const std::set<std::string> runes = heldRunes(world, id);
        if (runes.empty()) continue;
        std::vector<ItemRef> carried;
        Dialogue dialogue(carried);
        dialogue.open(path);
        for (size_t n = 0; n < dialogue.scriptLines.size(); ++n) {
            const std::vector<std::string> fields = script::split(dialogue.scriptLines[n], '|');
            if (fields.size() < 2) continue;
            const std::vector<std::string> parts = script::split(fields[1], ';');
            for (size_t p = 1; p < parts.size(); ++p) {
                const script::Command c = script::parseCommand(parts[p]);
                if (c.name != "getItem") continue;
                for (const std::string& rune : runes)
                    if (world.item(rune)->name == c.first)
                        world.report.warn(path, static_cast<int>(n) + 1,
                                         c.text + " hands " + quote(id) + " a damage rune like the " + quote(rune) +
                                             " it holds; its map's kept state cannot tell the two apart, and the "
                                             "next visit drops the one given");
            }
        }
    }
}
