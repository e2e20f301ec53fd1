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
#include <fstream>
#include <sstream>

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

}  // namespace

std::string Map::statePath() const {
    if (name.empty() || name.find_first_of(std::string("\\/\0", 3)) != std::string::npos) return std::string();
    return "data\\" + name + ".tmp";
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

    std::ofstream file;
    if (!fs::openBinaryWrite(path, file)) return;
    BinaryWriter out(file);
    out.writeInt(itemCount);
    out.writeInt(creatureCount);
    file << items.str() << creatures.str();
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
        // Off the grid or on a taken field: the record is read past, not made.
        NPC* npc = canHold(column, row) ? adoptCreature(std::make_unique<NPC>(column, row, id)) : nullptr;
        if (npc) {
            if (direction >= 1 && direction <= 4) {
                npc->direction = direction;
                npc->spriteFrame = &frameRects[frameColumn(direction)];
            }
            npc->inventory.clear();  // the kept inventory replaces the one of its definition
        }
        int32_t carried = 0;
        if (!readBoundedCount(in, 4, carried)) break;
        for (int32_t k = 0; k < carried; ++k) {
            std::string itemId;
            if (!in.readText(itemId)) break;
            if (npc) npc->inventory.push_back(makeItem(itemId));
        }
    }

    // The file lists each pile top first; reading appended in file order.
    for (auto& row : grid)
        for (Field& field : row) std::reverse(field.items.begin(), field.items.end());
}
