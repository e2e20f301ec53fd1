// data\maps\start.dat and, after a NUL byte, data\start.tmp (absent when the
// input holds no NUL): the game is built on the map they name, run for a
// frame, stored and ended.
#include "Cases.h"
#include "FuzzWorld.h"

#include "game/Game.h"

std::string fuzzcase::startDat(const std::string& input) {
    static const std::string shipped = fuzzworld::read("data\\maps\\start.dat");
    const std::vector<std::string> parts = fuzzworld::split(input, 2);
    fuzzworld::write("data\\maps\\start.dat", parts[0]);
    if (input.find('\0') != std::string::npos) fuzzworld::write("data\\start.tmp", parts[1]);
    {
        Game game(fuzzworld::screen());
        game.frame();
        game.saveWorkingState();
    }
    std::string problem = fuzzworld::strayWrites();
    fuzzworld::write("data\\maps\\start.dat", shipped);
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::startDat)
