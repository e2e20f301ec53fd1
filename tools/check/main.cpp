// rpg-check [data-folder]: reads a data folder with the game's own loaders
// and prints every mistake a player would meet, one line each. Exits 1 when
// there is a mistake, 0 when there is none or only warnings.
// rpg-check --picture MAP FILE.bmp [data-folder]: draws the whole map.
#include "PanelNames.h"
#include "Picture.h"
#include "Report.h"
#include "RuneGifts.h"
#include "Shadow.h"
#include "World.h"

#include "util/FileSystem.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <vector>

namespace {

const char* const kUsage =
    "usage: rpg-check [data-folder]\n"
    "       rpg-check --picture MAP FILE.bmp [data-folder]\n"
    "Checks a game data folder (default: data) and prints one line per mistake,\n"
    "or draws the whole of one of its maps into a bitmap.\n";

void runChecks(Report& report) {
    World world(report);
    checkBitmaps(world);
    checkItems(world);
    checkMaps(world);
    checkStart(world);
    checkCharacters(world);
    checkQuests(world);
    checkScripts(world);
    checkPanelNames(world);
    checkRuneGifts(world);
    checkSounds(world);
}

// Images are converted to the display format, so a video mode is needed; no window is.
bool startSdl() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) == 0 && SDL_SetVideoMode(800, 600, 32, 0) && TTF_Init() == 0) return true;
    std::cerr << "rpg-check: cannot start SDL: " << SDL_GetError() << std::endl;
    return false;
}

void stopSdl() {
    TTF_Quit();
    SDL_Quit();
}

int check(const std::string& folder) {
    Report report(folder);
    Shadow shadow(folder);
    if (!shadow.ok()) {
        std::cout << folder << ": not a folder the checker can read" << std::endl;
        return 1;
    }
    if (!startSdl()) return 2;
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
        status = report.hasErrors() ? 1 : 0;
    }
    stopSdl();
    return status;
}

// The bitmap as SDL writes it, kept in memory so the file layer writes it whole.
bool bitmapBytes(SDL_Surface* picture, std::string& bytes) {
    bytes.assign(256 + size_t(4) * picture->w * picture->h, '\0');
    SDL_RWops* out = SDL_RWFromMem(&bytes[0], static_cast<int>(bytes.size()));
    if (!out) return false;
    const bool saved = SDL_SaveBMP_RW(picture, out, 0) == 0;
    const int size = SDL_RWtell(out);
    SDL_RWclose(out);
    if (!saved || size <= 0) return false;
    bytes.resize(static_cast<size_t>(size));
    return true;
}

int picture(const std::string& map, const std::string& file, const std::string& folder) {
    // The checker works from a directory of its own: the file is named from here.
    std::error_code ec;
    const std::string target = std::filesystem::absolute(file, ec).string();
    Shadow shadow(folder);
    if (!shadow.ok()) {
        std::cerr << "rpg-check: " << folder << ": not a folder the checker can read" << std::endl;
        return 1;
    }
    if (!startSdl()) return 2;
    int status = 1;
    {
        QuietLog log;  // the loaders' own lines are not what was asked for
        std::string why;
        SDL_Surface* drawn = drawMapPicture(map, why);
        std::string bytes;
        if (!drawn)
            std::cerr << "rpg-check: " << why << std::endl;
        else if (!bitmapBytes(drawn, bytes) || !fs::writeAtomic(target, bytes, false))
            std::cerr << "rpg-check: cannot write " << file << std::endl;
        else
            status = 0;
        if (drawn) SDL_FreeSurface(drawn);
    }
    stopSdl();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const bool help = !args.empty() && (args[0] == "-h" || args[0] == "--help");
    if (!args.empty() && args[0] == "--picture") {
        if (args.size() == 3 || args.size() == 4) return picture(args[1], args[2], args.size() == 4 ? args[3] : "data");
    } else if (args.size() <= 1 && !help) {
        return check(args.empty() ? "data" : args[0]);
    }
    (help ? std::cout : std::cerr) << kUsage;
    return help ? 0 : 2;
}
