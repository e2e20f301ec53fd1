// The kept state of a map, "data\<name>.tmp": the creatures (with facing and
// inventory) and the item piles as the player left them.
//
// Layout, int32 little-endian: item count, creature count; per item: id
// length, column, row, id bytes (each pile top first); per creature: id
// length, column, row, facing, id bytes, inventory count, then per item its
// id length and bytes.
#include "world/Map.h"

#include "characters/Characters.h"
#include "characters/NPC.h"
#include "util/BinaryIO.h"
#include "util/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

// Smallest records the reader can meet, to bound forged counts.
constexpr int32_t kItemRecordBytes = 12;
constexpr int32_t kCreatureRecordBytes = 20;

// A count from the file, cut to what the rest of the file could hold. The
// record loops still stop at the first short read; the cut only keeps a
// forged count from meaning billions of turns.
bool readBoundedCount(BinaryReader& in, int32_t recordBytes, int32_t& count) {
    if (!in.readInt(count)) return false;
    count = static_cast<int32_t>(std::clamp<int64_t>(count, 0, in.remaining() / recordBytes));
    return true;
}

auto hasId(const std::string& id) {
    return [&id](const ItemRef& item) { return item && item->id == id; };
}

int64_t countOf(const std::vector<ItemRef>& items, const std::string& id) {
    return std::count_if(items.begin(), items.end(), hasId(id));
}

// A caster out of mana packs its hand rune, but the file keeps no hands: the
// rebuilt creature holds it again, so the packed copy beyond what the
// definition packs is one too many. Only runes: no creature packs anything
// else itself, and a weapon in the pack may be one the player handed over.
void dropRepackedRunes(NPC& npc, const std::vector<ItemRef>& definitionPack) {
    for (const ItemRef* hand : {&npc.leftHand, &npc.rightHand}) {
        if (!*hand || (*hand)->type != kDamageRune) continue;
        if (hand == &npc.rightHand && npc.rightHand == npc.leftHand) continue;  // one rune, both hands
        const std::string& id = (*hand)->id;
        if (countOf(npc.inventory, id) <= countOf(definitionPack, id)) continue;
        auto last = std::find_if(npc.inventory.rbegin(), npc.inventory.rend(), hasId(id));
        npc.inventory.erase(std::next(last).base());
    }
}

}  // namespace

// Windows, where content may be made, folds case in file names.
bool Map::isWorkingFileName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded == "start" || folded == "player";
}

std::string Map::statePathOf(const std::string& mapName) {
    if (mapName.empty() || mapName.find_first_of(std::string("\\/\0", 3)) != std::string::npos) return std::string();
    if (isWorkingFileName(mapName)) return std::string();
    return "data\\" + mapName + ".tmp";
}

void Map::saveState() const {
    // A map without a usable name (no start map known) has no file of its own.
    const std::string path = statePath();
    if (path.empty()) return;
    std::ostringstream items;
    std::ostringstream creatures;
    BinaryWriter itemOut(items);
    BinaryWriter creatureOut(creatures);
    int32_t itemCount = 0;
    int32_t creatureCount = 0;

    for (int32_t row = 0; row < rows; ++row) {
        for (int32_t column = 0; column < cols; ++column) {
            const Field& field = fieldAt(column, row);
            const NPC* npc = field.occupant != player ? dynamic_cast<const NPC*>(field.occupant) : nullptr;
            if (npc) {
                ++creatureCount;
                creatureOut.writeInt(static_cast<int32_t>(npc->id.size()));
                creatureOut.writeInt(column);
                creatureOut.writeInt(row);
                creatureOut.writeInt(npc->direction);
                creatureOut.writeBytes(npc->id);
                int32_t carried = static_cast<int32_t>(
                    std::count_if(npc->inventory.begin(), npc->inventory.end(), [](const ItemRef& i) { return !!i; }));
                creatureOut.writeInt(carried);
                for (const ItemRef& item : npc->inventory)
                    if (item) creatureOut.writeText(item->id);
            }
            for (auto it = field.items.rbegin(); it != field.items.rend(); ++it) {
                if (!*it) continue;
                ++itemCount;
                itemOut.writeInt(static_cast<int32_t>((*it)->id.size()));
                itemOut.writeInt(column);
                itemOut.writeInt(row);
                itemOut.writeBytes((*it)->id);
            }
        }
    }

    // Whole or not at all: a cut file would lose the creatures. No fsync:
    // this runs on every travel, and the file lives only as long as the game.
    std::ostringstream file;
    BinaryWriter out(file);
    out.writeInt(itemCount);
    out.writeInt(creatureCount);
    file << items.str() << creatures.str();
    fs::writeAtomic(path, file.str(), false);
}

void Map::readState(std::istream& file) {
    BinaryReader in(file);
    int32_t itemCount = 0;
    int32_t creatureCount = 0;
    if (!readBoundedCount(in, kItemRecordBytes, itemCount) ||
        !readBoundedCount(in, kCreatureRecordBytes, creatureCount))
        return;

    for (int32_t i = 0; i < itemCount; ++i) {
        int32_t length = 0, column = 0, row = 0;
        std::string id;
        if (!in.readInt(length) || !in.readInt(column) || !in.readInt(row) || !in.readBytes(length, id)) break;
        if (contains(column, row)) fieldAt(column, row).items.push_back(makeItem(id));
    }

    for (int32_t i = 0; i < creatureCount && in.ok(); ++i) {
        int32_t length = 0, column = 0, row = 0, direction = 0;
        std::string id;
        if (!in.readInt(length) || !in.readInt(column) || !in.readInt(row) || !in.readInt(direction) ||
            !in.readBytes(length, id))
            break;
        // Off the grid: the record is read past, not made.
        NPC* npc = contains(column, row) ? adoptCreature(std::make_unique<NPC>(column, row, id)) : nullptr;
        std::vector<ItemRef> definitionPack;
        if (npc) {
            if (direction >= 1 && direction <= 4) {
                npc->direction = direction;
                npc->spriteFrame = &frameRects[frameColumn(direction)];
            }
            definitionPack.swap(npc->inventory);  // the kept inventory replaces the one of its definition
        }
        int32_t carried = 0;
        if (!readBoundedCount(in, 4, carried)) break;
        for (int32_t k = 0; k < carried; ++k) {
            std::string itemId;
            if (!in.readText(itemId)) break;
            if (npc) npc->inventory.push_back(makeItem(itemId));
        }
        if (npc) dropRepackedRunes(*npc, definitionPack);
    }

    // The file lists each pile top first; reading appended in file order.
    for (auto& row : grid)
        for (Field& field : row) std::reverse(field.items.begin(), field.items.end());
}
