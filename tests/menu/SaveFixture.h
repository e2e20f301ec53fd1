// Map "a" to stand on, maps.dat listing a to e, the working files of a game
// on a. List box (100, 100) 400 by 200: nine lines, line r around y 115 + 20 r.
// Buttons save, load, back, delete at x 150 + 120 i, y 340; the menu's load
// button at (400, 300).
#pragma once

#include "game/Game.h"
#include "menu/MainMenu.h"
#include "support/Events.h"
#include "support/WorldFiles.h"

#include <gtest/gtest.h>

inline std::string le(int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    return {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
}
inline std::string text(const std::string& s) { return le(static_cast<int32_t>(s.size())) + s; }
inline std::string entry(const std::string& label, int32_t slot, int32_t sequence) {
    return text(label) + le(slot) + le(sequence);
}

class SaveTest : public testing::Test {
protected:
    SaveTest() {
        MapFiles a;
        a.terrain = plainTerrain(12, 10, 'g');
        a.tileCodes = "g";
        a.tileColours = {{0, 160, 0}, {0, 0, 90}};
        writeMap(world, "a", a);
        world.write("data/maps/start.dat", "a 5 4");
        world.write("data/maps.dat", "a\nb\nc\nd\ne\n");
        world.write("data/start.tmp", "a");
        world.write("data/player.tmp", "P");
        world.write("data/menu/menu.dat", "0 0 0 0 m\n0 0 0 0 m\n0 0 0 0 m\n300 280 200 40 m\n");
        world.write("data/menu/slmenu.dat", "100 100 400 200 box\n100 320 100 40 b\n220 320 100 40 b\n"
                                            "340 320 100 40 b\n460 320 100 40 b\n");
        world.copyShippedData("comic.ttf");
    }
    ~SaveTest() override { delete game; }

    MainMenu& menu() {
        if (!built) built = std::make_unique<MainMenu>(&event, sdl.screen, &fullScreen, &game);
        return *built;
    }
    void restart() { built.reset(); }
    static void clickLine(int r) { pushClick(200, 115 + 20 * r); }
    static void clickButton(int i) { pushClick(150 + 120 * i, 340); }

    SdlSession sdl;
    TempWorld world;
    SDL_Event event{};
    uint8_t fullScreen = 0;
    Game* game = nullptr;
    std::unique_ptr<MainMenu> built;
};
