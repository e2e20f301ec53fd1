// A saved game, data\saves\1.sav, loaded from the main menu's list; the game
// is then built from it, run for a frame, stored and ended.
#include "Cases.h"
#include "FuzzWorld.h"

#include "game/Game.h"
#include "menu/MainMenu.h"
#include "util/BinaryIO.h"

#include <sstream>

std::string fuzzcase::savedGame(const std::string& input) {
    std::ostringstream list;
    BinaryWriter out(list);
    out.writeInt(1);
    out.writeInt(1);
    out.writeText(" 12:00     1 Jan 2026");
    out.writeInt(1);
    out.writeInt(1);
    fuzzworld::write("data\\saves\\savelist.sav", list.str());
    fuzzworld::write("data\\saves\\1.sav", input);

    SDL_Event event{};
    uint8_t fullScreen = 0;
    Game* running = nullptr;
    bool loaded = false;
    {
        MainMenu menu(&event, fuzzworld::screen(), &fullScreen, &running);
        loaded = menu.loadGame(0);
    }
    if (loaded) {
        Game game(fuzzworld::screen());
        game.frame();
        game.saveWorkingState();
    }
    std::string problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::savedGame)
