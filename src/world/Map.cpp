#include "world/Map.h"

#include "characters/Characters.h"
#include "characters/Corpse.h"
#include "characters/NPC.h"
#include "characters/Player.h"

#include <algorithm>
#include <vector>

Map::~Map() {
    saveState();
    visibleCreatures.clear();
    for (auto& row : grid) {
        for (Field& field : row) {
            if (field.occupant != player) delete field.occupant;
            field.occupant = nullptr;
        }
    }
}

int Map::canEnter(int32_t column, int32_t row) const {
    if (!contains(column, row)) return kBlocked;
    const Field& field = fieldAt(column, row);
    if (blockingCodes.find(field.code) != std::string::npos) return kBlocked;
    if (field.code == kNeverEnterCode) return kBlocked;
    if (field.occupant) return kOccupied;
    if (field.code == kTravelCode) return kTravel;
    if (field.scenery != kNoScenery) return kBlocked;
    return kFree;
}

bool Map::placeCreature(int32_t column, int32_t row, Characters* creature) {
    if (!creature || !contains(column, row)) return false;
    Field& field = fieldAt(column, row);
    if (field.occupant) return false;
    field.occupant = creature;
    return true;
}

NPC* Map::adoptCreature(std::unique_ptr<NPC> creature) {
    if (!contains(creature->x, creature->y)) return nullptr;
    // The player arrives on the field a chaser stepped onto as it left, and
    // data may name a field twice: the creature stands aside rather than vanish.
    if (fieldAt(creature->x, creature->y).occupant && !findFieldAside(creature->x, creature->y)) return nullptr;
    if (!placeCreature(creature->x, creature->y, creature.get())) return nullptr;
    return creature.release();
}

bool Map::findFieldAside(int32_t& column, int32_t& row) const {
    struct Offset {
        int32_t dx, dy;
    };
    // Nearest first: the 8 neighbours, then the ring beyond them; ties row by
    // row, so a load always ends the same way. Farther would let a forged
    // file walk the whole grid for every record.
    static const std::vector<Offset> offsets = [] {
        constexpr int32_t reach = 2;
        std::vector<Offset> out;
        for (int32_t dy = -reach; dy <= reach; ++dy)
            for (int32_t dx = -reach; dx <= reach; ++dx)
                if (dx || dy) out.push_back({dx, dy});
        std::stable_sort(out.begin(), out.end(), [](Offset a, Offset b) {
            return a.dx * a.dx + a.dy * a.dy < b.dx * b.dx + b.dy * b.dy;
        });
        return out;
    }();
    for (const Offset& offset : offsets) {
        if (canEnter(column + offset.dx, row + offset.dy) != kFree) continue;
        column += offset.dx;
        row += offset.dy;
        return true;
    }
    return false;
}

void Map::moveCreature(int32_t column, int32_t row, Characters* creature) {
    if (!creature || !contains(column, row)) return;
    Field& target = fieldAt(column, row);
    // Taking a field someone else holds would lose that creature.
    if (target.occupant && target.occupant != creature) return;
    if (contains(creature->x, creature->y)) {
        Field& from = fieldAt(creature->x, creature->y);
        if (from.occupant == creature) from.occupant = nullptr;
    }
    target.occupant = creature;
}

void Map::killCreature(int32_t column, int32_t row) {
    if (!contains(column, row)) return;
    Field& field = fieldAt(column, row);
    Characters* creature = field.occupant;
    if (!creature || creature == player) return;
    const NPC* npc = dynamic_cast<const NPC*>(creature);
    field.corpses.push_back(
        std::make_unique<Corpse>(npc ? npc->name : std::string(), npc ? npc->id : std::string(), *creature));
    field.occupant = nullptr;
    // Neither the frame's creature queue nor the player's target may keep
    // a destroyed creature: both are read again before the next drawing.
    visibleCreatures.erase(std::remove(visibleCreatures.begin(), visibleCreatures.end(), creature),
                           visibleCreatures.end());
    if (Player* hero = dynamic_cast<Player*>(player); hero && hero->target == creature) hero->target = nullptr;
    delete creature;
}

Field* Map::playerField() {
    if (!player || !contains(player->x, player->y)) return nullptr;
    return &fieldAt(player->x, player->y);
}

const Field* Map::playerField() const {
    if (!player || !contains(player->x, player->y)) return nullptr;
    return &fieldAt(player->x, player->y);
}

ItemRef Map::topItem() const {
    const Field* field = playerField();
    if (!field || field->items.empty()) return nullptr;
    return field->items.back();
}

ItemRef Map::takeTopItem() {
    Field* field = playerField();
    if (!field || field->items.empty()) return nullptr;
    ItemRef item = std::move(field->items.back());
    field->items.pop_back();
    return item;
}

Corpse* Map::topCorpse() const {
    const Field* field = playerField();
    if (!field || field->corpses.empty()) return nullptr;
    return field->corpses.back().get();
}

void Map::removeTopCorpse() {
    // Nothing refers to a corpse once it is off the pile, so it goes now.
    Field* field = playerField();
    if (field && !field->corpses.empty()) field->corpses.pop_back();
}

int Map::dragCorpse(int32_t column, int32_t row) {
    int answer = canEnter(column, row);
    if (answer == kBlocked || answer == kTravel) return answer;
    Field* from = playerField();
    if (!from || from->corpses.empty()) return answer;
    std::unique_ptr<Corpse> corpse = std::move(from->corpses.back());
    from->corpses.pop_back();
    fieldAt(column, row).corpses.push_back(std::move(corpse));
    return answer;
}

std::string Map::moveTargetAt(int32_t column, int32_t row) const {
    if (!contains(column, row)) return std::string();
    return fieldAt(column, row).moveTarget;
}
