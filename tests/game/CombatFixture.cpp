#include "game/CombatFixture.h"

#include "support/ItemFiles.h"
#include "support/MapFiles.h"
#include "util/Seam.h"

CombatTest::CombatTest() {
    seam::setTicks([this] { return now; });
    seam::setRoll([this] {
        if (queued.empty()) return 0;
        const int value = queued.front();
        queued.pop_front();
        return value;
    });
}

CombatTest::~CombatTest() { game.reset(); }

void CombatTest::writeCreature(const std::string& id, const std::string& dataIni, uint8_t red) const {
    world.write("data\\characters\\" + id + "\\data.ini", dataIni);
    writeSpriteSheet(world, id, red);
    writeCorpseImage(world, id, {90, 0, 0});
}

void CombatTest::writeArmoury() const {
    writeStrip(world, "data\\missiles\\arrow.bmp", {kArrowFrames[0], kArrowFrames[1], kArrowFrames[2], kArrowFrames[3]},
               25, 25);
    writeItem(world, "bow", "type=bow\nattack=8\nmissileName=arrow\n");
    writeItem(world, "crossbow", "type=crossbow\nattack=12\nmissileName=arrow\n");
    writeItem(world, "arrows", "type=arrow\namount=20\n");
    writeItem(world, "bolts", "type=carrow\namount=15\n");
    writeItem(world, "firerune", "type=dmgRune\nMP=10\nmagicAttack=15\nmissileName=arrow\n");
    writeItem(world, "healrune", "type=healRune\nMP=15\nmagicAttack=30\n");
    writeItem(world, "sword", "type=onehanded\nattack=7\n");
}

void CombatTest::start(const std::vector<std::string>& npcs) {
    field.npcs = npcs;
    writeMap(world, "field", field);
    writeStart("field 10 10");
    world.write("data\\maps.dat", "field\n");  // so that ending a game wipes the map's kept state
    game = startGame();
}

void CombatTest::hold(Characters& creature, ItemRef Characters::*hand, const std::string& id) const {
    ItemRef item = makeItem(id);
    creature.*hand = item;
    creature.equip(item);
}

NPC* CombatTest::npcAt(int32_t column, int32_t row) const {
    if (!game->map->contains(column, row)) return nullptr;
    return dynamic_cast<NPC*>(game->map->fieldAt(column, row).occupant);
}

void CombatTest::tick(uint32_t step) {
    game->frame();
    now += step;
}
