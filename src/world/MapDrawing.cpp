// The view around the player: 34 by 26 fields, the player's field at buffer
// pixel (400, 300); and any other window of the map drawn the same way.
#include "world/Map.h"

#include "characters/Player.h"
#include "util/Blit.h"

#include <algorithm>

namespace {

constexpr int kViewColumns = 34;
constexpr int kViewRows = 26;
// View cell of the player's own field.
constexpr int kPlayerCellColumn = 16;
constexpr int kPlayerCellRow = 12;

// A position read from a damaged file may sit at the edge of the int32 range,
// so the view's coordinates are worked out in 64 bits.
bool onGrid(const Map& map, int64_t column, int64_t row) {
    return column >= 0 && row >= 0 && column < map.cols && row < map.rows;
}

}  // namespace

void Map::drawFields(SDL_Surface* destination, int64_t left, int64_t top, int across, int down, int x, int y) {
    SDL_Surface* tiles = fieldsImage.get();
    const int32_t lastTile = tileCount - 1;
    // Only tiles with a code can match a field.
    const int32_t matchable = std::min<int32_t>(lastTile, static_cast<int32_t>(tileCodes.size()));

    // Terrain and the top item of every pile.
    for (int i = 0; i < down; ++i) {
        for (int j = 0; j < across; ++j) {
            const int px = x + kFieldSize * j;
            const int py = y + kFieldSize * i;
            const int64_t column = left + j;
            const int64_t row = top + i;
            if (!onGrid(*this, column, row)) {
                blitAt(tiles, &tileRects[lastTile], destination, px, py);
                continue;
            }
            const Field& field = grid[row][column];
            for (int32_t k = 0; k < matchable; ++k)
                if (tileCodes[k] == field.code) blitAt(tiles, &tileRects[k], destination, px, py);
            if (!field.items.empty() && field.items.back())
                blitAt(field.items.back()->image, nullptr, destination, px, py);
        }
    }

    // Scenery, the creatures in view and the top corpses: row by row, so
    // what stands lower overlaps what stands higher.
    for (int i = 0; i < down; ++i) {
        for (int j = 0; j < across; ++j) {
            const int64_t column = left + j;
            const int64_t row = top + i;
            if (!onGrid(*this, column, row)) continue;
            const Field& field = grid[row][column];
            const int px = x + kFieldSize * j;
            const int py = y + kFieldSize * i;
            if (field.scenery >= 0 && field.scenery < static_cast<int32_t>(sceneryImages.size()))
                blitAt(sceneryImages[field.scenery].get(), nullptr, destination, px, py);
            const bool playerField = player && column == player->x && row == player->y;
            if (field.occupant && !playerField && field.occupant != player) visibleCreatures.push_back(field.occupant);
            if (!field.corpses.empty()) blitAt(field.corpses.back()->image, nullptr, destination, px, py);
        }
    }
}

void Map::draw(SDL_Surface* destination) {
    drawFields(destination, int64_t(player ? player->x : 0) - kPlayerCellColumn,
               int64_t(player ? player->y : 0) - kPlayerCellRow, kViewColumns, kViewRows);

    // The creature the player faces.
    Player* hero = dynamic_cast<Player*>(player);
    if (!hero) return;
    int64_t column = hero->x;
    int64_t row = hero->y;
    switch (hero->direction) {
        case 1: --row; break;
        case 2: ++row; break;
        case 3: --column; break;
        case 4: ++column; break;
        default: return;
    }
    hero->target = onGrid(*this, column, row) ? grid[row][column].occupant : nullptr;
}
