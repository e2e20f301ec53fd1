#include "game/Game.h"

#include "audio/Audio.h"
#include "characters/Player.h"
#include "game/WorkingFiles.h"
#include "ui/Interface.h"
#include "util/DataLine.h"
#include "util/FileSystem.h"
#include "util/Log.h"
#include "world/Map.h"

#include <fstream>
#include <sstream>

namespace {

const char* const kStartFile = "data\\maps\\start.dat";
const char* const kCurrentMapFile = "data\\start.tmp";
const char* const kPlayerId = "Gracz";

struct StartPoint {
    std::string mapName;
    int32_t column = 0;
    int32_t row = 0;
};

// "village 20 15" or "village 20,15". Without the file or the blank there is
// no start map: the game then runs on an empty, field-less map (unless
// start.tmp names one), which is reported once.
StartPoint readStartPoint() {
    StartPoint start;
    std::istringstream file;
    std::string line;
    bool opened = fs::openText(kStartFile, file);
    if (opened) dataline::readLine(file, line);
    const size_t blank = line.find(' ');
    if (!opened || blank == std::string::npos) {
        logging::failure(logging::kLoadingFile, kStartFile);
        return start;
    }
    start.mapName = line.substr(0, blank);
    dataline::readPair(line.substr(blank), start.column, start.row);
    return start;
}

// The map the running game is on, when a game is being continued.
void readCurrentMap(std::string& mapName) {
    std::istringstream file;
    if (!fs::openText(kCurrentMapFile, file)) return;
    std::string word;
    if (file >> word) mapName = word;
}

// Same layout as the screen, so the copy of the view is a plain one. The
// screen's own depth goes with its masks: 32 bits with the masks of a screen
// of another depth would mix up the colours.
SDL_Surface* createWorldBuffer(SDL_Surface* screen) {
    const SDL_PixelFormat* format = screen ? screen->format : nullptr;
    if (!format) return SDL_CreateRGBSurface(SDL_SWSURFACE, Game::kBufferWidth, Game::kBufferHeight, 32, 0, 0, 0, 0);
    return SDL_CreateRGBSurface(SDL_ANYFORMAT, Game::kBufferWidth, Game::kBufferHeight, format->BitsPerPixel,
                                format->Rmask, format->Gmask, format->Bmask, format->Amask);
}

SDL_Rect frameStrip(int index) {
    return SDL_Rect{static_cast<Sint16>(25 * index), 0, 25, 25};
}

}  // namespace

Game::Game(SDL_Surface* screen) : screen(screen) {
    StartPoint start = readStartPoint();
    readCurrentMap(start.mapName);
    player = std::make_unique<Player>(start.column, start.row, kPlayerId);
    map = std::make_unique<Map>(screen, start.mapName, player.get());
    interface = std::make_unique<Interface>(player.get(), screen);
    worldBuffer.reset(createWorldBuffer(screen));
    effectImages[0].reset(loadImage("data\\smog.bmp"));
    effectImages[1].reset(loadImage("data\\blood.bmp"));
    for (int d = 0; d < 4; ++d) missileFrames[d] = frameStrip(d);
    for (int i = 0; i < 3; ++i) effectFrames[i] = frameStrip(i);
    audio::mood(mapMusicPath(map->name));
}

Game::~Game() {
    interface.reset();
    map.reset();  // writes the map's .tmp
    player.reset();  // writes player.tmp
    effectImages[0].reset();
    effectImages[1].reset();
    worldBuffer.reset();
    if (wipeWorkingFiles) removeWorkingFiles();
    missiles.clear();
}

void Game::saveWorkingState() {
    player->saveState();
    std::ofstream current;
    if (fs::openBinaryWrite(kCurrentMapFile, current)) current << map->name;
    current.close();
    map->saveState();
}
