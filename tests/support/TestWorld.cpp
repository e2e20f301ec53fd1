#include "support/TestWorld.h"

#include "support/Events.h"

#include <SDL/SDL_ttf.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace stdfs = std::filesystem;

namespace {
std::string native(std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}
}  // namespace

TempWorld::TempWorld() {
    char pattern[] = "/tmp/rpgtest-XXXXXX";
    char* made = mkdtemp(pattern);
    if (!made) throw std::runtime_error("mkdtemp failed");
    dir = made;
    previous = stdfs::current_path().string();
    stdfs::create_directories(dir + "/data/saves");
    stdfs::current_path(dir);
}

TempWorld::~TempWorld() {
    std::error_code ec;
    stdfs::current_path(previous, ec);
    stdfs::remove_all(dir, ec);
}

void TempWorld::write(const std::string& path, const std::string& content) const {
    stdfs::path p = stdfs::path(dir) / native(path);
    stdfs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string TempWorld::read(const std::string& path) const {
    std::ifstream in(stdfs::path(dir) / native(path), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool TempWorld::exists(const std::string& path) const { return stdfs::exists(stdfs::path(dir) / native(path)); }

void TempWorld::writeBitmap(const std::string& path, int w, int h, uint8_t r, uint8_t g, uint8_t b) const {
    stdfs::path p = stdfs::path(dir) / native(path);
    stdfs::create_directories(p.parent_path());
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    SDL_SaveBMP(s, p.string().c_str());
    SDL_FreeSurface(s);
}

void TempWorld::copyShippedData(const std::string& below) const {
    stdfs::copy(stdfs::path(RPG_SOURCE_DIR) / "data" / below, stdfs::path(dir) / "data" / below,
                stdfs::copy_options::recursive | stdfs::copy_options::overwrite_existing);
}

SdlSession::SdlSession() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error("SDL_Init failed");
    screen = SDL_SetVideoMode(800, 600, 32, 0);
    if (!screen) throw std::runtime_error("SDL_SetVideoMode failed");
    drainEvents();  // a test's first pushed event is the first one taken
    TTF_Init();
}

SdlSession::~SdlSession() {
    TTF_Quit();
    SDL_Quit();
}

void pixelAt(SDL_Surface* surface, int x, int y, uint8_t& r, uint8_t& g, uint8_t& b) {
    SDL_LockSurface(surface);
    const uint8_t* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    uint32_t value = 0;
    switch (surface->format->BytesPerPixel) {
        case 4: value = reinterpret_cast<const uint32_t*>(row)[x]; break;
        case 2: value = reinterpret_cast<const uint16_t*>(row)[x]; break;
        default: value = row[x]; break;
    }
    SDL_UnlockSurface(surface);
    SDL_GetRGB(value, surface->format, &r, &g, &b);
}
