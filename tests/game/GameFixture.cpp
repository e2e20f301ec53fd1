#include "game/GameFixture.h"

#include "util/Seam.h"

GameTest::GameTest() {
    world.copyShippedData("comic.ttf");
    writeSpriteSheet(world, "Gracz", kPlayerRed);
}

GameTest::~GameTest() {
    seam::reset();
}

MapFiles GameTest::grassMap(int columns, int rows) {
    MapFiles files;
    files.terrain = plainTerrain(columns, rows, 'g');
    files.tileCodes = "gs*";
    files.tileColours = {kGrass, kStone, kPath, kOutside};
    files.blockingCodes = "s";
    return files;
}
