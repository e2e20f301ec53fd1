// rpg-sim [--fights N] [--seed S] [--only TEXT] [data-folder]: fights every
// hostile kind of a data folder alone, and every place of the shipped world,
// with the standard player builds, many times over with seeded dice, and
// prints a table of the share won, the HP left, the fights' length and the
// potions drunk; then walks the roads and names what blocks them and every
// creature that cannot reach a player on them (exit status 1 when there is
// any). The data folder itself is left untouched.
#include "Build.h"
#include "Fight.h"
#include "Roads.h"
#include "Sandbox.h"
#include "Scene.h"
#include "Table.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

namespace {

const char* const kUsage =
    "usage: rpg-sim [--fights N] [--seed S] [--only TEXT] [data-folder]\n"
    "Fights each hostile kind and each place of the world with the standard builds\n"
    "(default: 100 fights each, seed 1, folder data; --only: the scenes whose name\n"
    "holds TEXT), prints the table, then checks the roads.\n";

struct Options {
    int fights = 100;
    uint32_t seed = 1;
    std::string folder = "data";
    std::string only;
};

bool parse(int argc, char** argv, Options& options) {
    bool folderGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--only" && i + 1 < argc) {
            options.only = argv[++i];
        } else if ((arg == "--fights" || arg == "--seed") && i + 1 < argc) {
            const long value = std::strtol(argv[++i], nullptr, 10);
            if (value <= 0 || value > 1000000) return false;
            if (arg == "--fights")
                options.fights = static_cast<int>(value);
            else
                options.seed = static_cast<uint32_t>(value);
        } else if (arg.empty() || arg[0] == '-' || folderGiven) {
            return false;
        } else {
            options.folder = arg;
            folderGiven = true;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Sandbox sandbox(options.folder);
    if (!sandbox.ok()) {
        std::cerr << "rpg-sim: " << options.folder << " is not a data folder it can copy\n";
        return 2;
    }
    SDL_Surface* screen = nullptr;
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || !(screen = SDL_SetVideoMode(800, 600, 32, 0)) || TTF_Init() != 0) {
        std::cerr << "rpg-sim: cannot start SDL: " << SDL_GetError() << '\n';
        return 2;
    }
    const std::vector<Build> builds = standardBuilds();
    std::vector<Scene> scenes = duels();
    for (const Scene& place : places()) scenes.push_back(place);

    std::vector<std::string> buildNames;
    for (const Build& build : builds) buildNames.push_back(build.name);
    std::vector<Row> rows;
    for (const Scene& scene : scenes) {
        if (scene.name.find(options.only) == std::string::npos) continue;
        stage(sandbox, scene);
        Row row{scene.name, {}};
        for (const Build& build : builds) {
            Tally tally;
            for (int i = 0; i < options.fights; ++i) {
                std::mt19937 dice(options.seed * 1000003u + static_cast<uint32_t>(i));
                tally.add(fight(screen, scene, build, [&dice] { return static_cast<int>(dice() % 32768); }));
            }
            row.byBuild.push_back(tally);
        }
        rows.push_back(row);
        std::cerr << '.' << std::flush;
    }
    std::cerr << '\n';
    std::cout << options.fights << " fights a cell: share won, HP left when won, seconds, potions drunk\n\n";
    printTable(std::cout, buildNames, rows);
    const std::vector<std::string> findings = checkRoutes(screen, sandbox, shippedRoutes());
    if (!findings.empty()) std::cout << "\nOn the roads:\n";
    for (const std::string& finding : findings) std::cout << "- " << finding << '\n';
    TTF_Quit();
    SDL_Quit();
    return findings.empty() ? 0 : 1;
}
