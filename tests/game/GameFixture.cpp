#include "game/GameFixture.h"

#include "game/HitEffect.h"
#include "util/Seam.h"

namespace {
void resetParity() {
    hiteffect::creatureParity = 0;
    hiteffect::playerParity = 0;
    for (uint8_t& flag : hiteffect::scrollParity) flag = 0;
}
}  // namespace

GameTest::GameTest() {
    world.copyShippedData("comic.ttf");
    writeSpriteSheet(world, "Gracz", kPlayerRed);
    resetParity();
}

GameTest::~GameTest() {
    seam::reset();
    resetParity();
}

MapFiles GameTest::grassMap(int columns, int rows) {
    MapFiles files;
    files.terrain = plainTerrain(columns, rows, 'g');
    files.tileCodes = "gs*";
    files.tileColours = {kGrass, kStone, kPath, kOutside};
    files.blockingCodes = "s";
    return files;
}
