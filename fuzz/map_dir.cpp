// A map directory: data.ini, map.map and scenery.dat, the input's three parts
// (split at NUL bytes). The map is built with the player on it and drawn.
#include "Cases.h"
#include "FuzzWorld.h"

#include "characters/Player.h"
#include "world/Map.h"

std::string fuzzcase::mapDirectory(const std::string& input) {
    const std::vector<std::string> parts = fuzzworld::split(input, 3);
    fuzzworld::write("data\\maps\\fz\\data.ini", parts[0]);
    fuzzworld::write("data\\maps\\fz\\map.map", parts[1]);
    fuzzworld::write("data\\maps\\fz\\scenery.dat", parts[2]);
    {
        Player player(3, 3, "Gracz");
        Map map(fuzzworld::screen(), "fz", &player);
        SurfacePtr buffer(SDL_CreateRGBSurface(SDL_SWSURFACE, 850, 650, 32, 0, 0, 0, 0));
        map.draw(buffer.get());
    }
    std::string problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::mapDirectory)
