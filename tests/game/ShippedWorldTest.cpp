// The world that ships with the game starts, draws, walks and travels
// without a single load failure.
#include "characters/Player.h"
#include "game/Game.h"
#include "support/TestWorld.h"
#include "world/Map.h"

#include <gtest/gtest.h>

namespace {

// Puts the player beside the first travel field it can reach, facing it.
bool standBesideTravelField(Game& game) {
    Map& map = *game.map;
    const int32_t dx[] = {0, 0, 0, 1, -1};  // the travel field, seen from the player, per facing
    const int32_t dy[] = {0, 1, -1, 0, 0};
    for (int32_t row = 0; row < map.rows; ++row)
        for (int32_t column = 0; column < map.cols; ++column) {
            if (map.fieldAt(column, row).moveTarget.empty()) continue;
            for (int32_t facing = 1; facing <= 4; ++facing) {
                const int32_t standColumn = column + dx[facing];
                const int32_t standRow = row + dy[facing];
                if (map.canEnter(standColumn, standRow) != kFree) continue;
                map.moveCreature(standColumn, standRow, game.player.get());
                game.player->x = standColumn;
                game.player->y = standRow;
                game.player->direction = facing;
                return true;
            }
        }
    return false;
}

TEST(ShippedWorld, StartsDrawsWalksAndTravels) {
    SdlSession sdl;
    TempWorld world;
    world.copyShippedData();
    testing::internal::CaptureStdout();
    {
        Game game(sdl.screen);
        EXPECT_GT(game.map->rows, 0);
        EXPECT_EQ(game.map->fieldAt(game.player->x, game.player->y).occupant, game.player.get());
        for (int pass = 0; pass < 5; ++pass) EXPECT_TRUE(game.frame());
        for (bool (Game::*move)() : {&Game::moveRight, &Game::moveDown, &Game::moveLeft, &Game::moveUp})
            for (int press = 0; press < 3; ++press) EXPECT_TRUE((game.*move)());

        const std::string before = game.map->name;
        ASSERT_TRUE(standBesideTravelField(game));
        // Facing 1 up means the field above: step that way.
        bool (Game::*toward[])() = {nullptr, &Game::moveUp, &Game::moveDown, &Game::moveLeft, &Game::moveRight};
        EXPECT_TRUE((game.*toward[game.player->direction])());
        EXPECT_NE(game.map->name, before);
        EXPECT_EQ(game.map->fieldAt(game.player->x, game.player->y).occupant, game.player.get());
        EXPECT_TRUE(game.frame());
    }
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("FAILURE"), std::string::npos) << out;
    EXPECT_FALSE(world.exists("data\\village.tmp"));
    EXPECT_FALSE(world.exists("data\\player.tmp"));
}

}  // namespace
