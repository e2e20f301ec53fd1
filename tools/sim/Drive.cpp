#include "Drive.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/Game.h"
#include "util/Seam.h"
#include "world/Map.h"

namespace drive {

void setClock(uint32_t& now) {
    seam::setTicks([&now] { return now; });
    seam::setDelay([&now](uint32_t ms) { now += ms; });
}

void tick(Game& game, uint32_t& now) {
    now += kTickMs;
    // The world buffer may be gone: with nothing to draw into, drawing only
    // collects the creatures in view, which is all a fight needs of it.
    game.map->draw(game.worldBuffer.get());
    game.updateCreatures();
}

void press(Game& game, int32_t direction) {
    switch (direction) {
        case 1: game.moveUp(); break;
        case 2: game.moveDown(); break;
        case 3: game.moveLeft(); break;
        default: game.moveRight(); break;
    }
}

std::vector<CreatureLink> keepOnly(Map& map, const std::function<bool(const NPC&)>& keep) {
    std::vector<CreatureLink> kept;
    for (int32_t row = 0; row < map.rows; ++row)
        for (int32_t column = 0; column < map.cols; ++column) {
            NPC* npc = dynamic_cast<NPC*>(map.fieldAt(column, row).occupant);
            if (!npc) continue;
            if (keep(*npc))
                kept.push_back(npc->link());
            else
                map.killCreature(column, row);
        }
    return kept;
}

}  // namespace drive
