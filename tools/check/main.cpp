// rpg-check [data-folder]: reads a data folder with the game's own loaders
// and prints every mistake a player would meet, one line each. Exits 0 when
// there is none, 1 when there are findings.
#include "Report.h"
#include "Shadow.h"
#include "World.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <exception>
#include <iostream>

namespace {

const char* const kUsage =
    "usage: rpg-check [data-folder]\n"
    "Checks a game data folder (default: data) and prints one line per mistake.\n";

void runChecks(Report& report) {
    World world(report);
    checkBitmaps(world);
    checkItems(world);
    checkMaps(world);
    checkStart(world);
    checkCharacters(world);
    checkQuests(world);
    checkScripts(world);
    checkSounds(world);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string argument = argc > 1 ? argv[1] : "";
    if (argc > 2 || argument == "-h" || argument == "--help") {
        (argc > 2 ? std::cerr : std::cout) << kUsage;
        return argc > 2 ? 2 : 0;
    }
    const std::string folder = argc > 1 ? argument : "data";
    // Images are converted to the display format, so a video mode is needed; no window is.
    setenv("SDL_VIDEODRIVER", "dummy", 0);

    Report report(folder);
    Shadow shadow(folder);
    if (!shadow.ok()) {
        std::cout << folder << ": not a folder the checker can read" << std::endl;
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || !SDL_SetVideoMode(800, 600, 32, 0) || TTF_Init() != 0) {
        std::cerr << "rpg-check: cannot start SDL: " << SDL_GetError() << std::endl;
        return 2;
    }
    int status = 0;
    {
        QuietLog log;
        try {
            runChecks(report);
        } catch (const std::exception& e) {
            report.add("data\\", 0, std::string("the check stopped early: ") + e.what());
        }
        report.noteLog(log.take());
        report.addUnexplainedFailures();
        for (const std::string& line : report.lines()) log.out() << line << '\n';
        log.out().flush();
        status = report.lines().empty() ? 0 : 1;
    }
    TTF_Quit();
    SDL_Quit();
    return status;
}
