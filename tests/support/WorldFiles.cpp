#include "support/WorldFiles.h"

#include "support/ItemFiles.h"

namespace {

std::string nativeIn(const TempWorld& world, std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return world.root() + "/" + path;
}

SDL_Surface* newSurface(int w, int h) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
}

void fill(SDL_Surface* s, int x, int y, int w, int h, Colour c) {
    SDL_Rect r{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, c.r, c.g, c.b));
}

void save(const TempWorld& world, const std::string& path, SDL_Surface* s) {
    world.write(path, "");  // makes the folders
    SDL_SaveBMP(s, nativeIn(world, path).c_str());
    SDL_FreeSurface(s);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Colour& c) {
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

Colour colourAt(SDL_Surface* surface, int x, int y) {
    Colour c;
    pixelAt(surface, x, y, c.r, c.g, c.b);
    return c;
}

void paint(SDL_Surface* surface, Colour colour) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, colour.r, colour.g, colour.b));
}

void writeStrip(const TempWorld& world, const std::string& path, const std::vector<Colour>& colours, int frameWidth,
                int frameHeight) {
    SDL_Surface* s = newSurface(frameWidth * static_cast<int>(colours.size()), frameHeight);
    for (size_t i = 0; i < colours.size(); ++i) fill(s, frameWidth * static_cast<int>(i), 0, frameWidth, frameHeight, colours[i]);
    save(world, path, s);
}

Colour spriteColour(uint8_t red, int frame) {
    return Colour{red, static_cast<uint8_t>(20 + 25 * frame), 60};
}

void writeSpriteSheet(const TempWorld& world, const std::string& id, uint8_t red) {
    SDL_Surface* s = newSurface(103, 81);
    fill(s, 0, 0, 103, 81, Colour{255, 0, 255});
    for (int f = 0; f < 8; ++f) fill(s, 26 * (f % 4), 41 * (f / 4), 25, 40, spriteColour(red, f));
    save(world, "data\\characters\\" + id + "\\" + id + ".bmp", s);
}

void writeCorpseImage(const TempWorld& world, const std::string& id, Colour colour) {
    writeStrip(world, "data\\characters\\" + id + "\\dead.bmp", {colour}, 25, 25);
}

void writeColouredItem(const TempWorld& world, const std::string& id, Colour colour) {
    writeItem(world, id, "name=" + id + "\n", false);
    writeStrip(world, "data\\items\\" + id + "\\" + id + ".bmp", {colour}, 25, 25);
}

void writeMap(const TempWorld& world, const std::string& name, const MapFiles& files) {
    const std::string folder = "data\\maps\\" + name + "\\";
    std::string ini = "tiles=" + std::to_string(files.tileCodes.size() + 1) + "\n";
    ini += "\"" + files.tileCodes + "\"\n\"" + files.blockingCodes + "\"\n[moves]\n";
    for (const std::string& m : files.moves) ini += m + "\n";
    ini += "[npc]\n";
    for (const std::string& n : files.npcs) ini += n + "\n";
    ini += "[items]\n";
    for (const std::string& i : files.items) ini += i + "\n";
    world.write(folder + "data.ini", ini);

    std::string terrain;
    for (const std::string& row : files.terrain) terrain += row + "\n";
    world.write(folder + "map.map", terrain);
    world.write(folder + "scenery.dat", files.scenery);
    writeStrip(world, folder + "fields.bmp", files.tileColours, 25, 25);
}

std::vector<std::string> plainTerrain(int columns, int rows, char code) {
    return std::vector<std::string>(static_cast<size_t>(rows), std::string(static_cast<size_t>(columns), code));
}
