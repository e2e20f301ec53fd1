#include "support/MapFiles.h"

std::string mapFile(const std::string& name, const std::string& file) {
    return "data\\maps\\" + name + "\\" + file;
}

std::string terrain(int cols, int rows, char fill) {
    std::string out;
    for (int r = 0; r < rows; ++r) out += std::string(static_cast<size_t>(cols), fill) + "\n";
    return out;
}

std::string mapDataIni(const std::string& moves, const std::string& npcs, const std::string& items,
                       const std::string& header) {
    return header + "[moves]\n" + moves + "[npc]\n" + npcs + "[items]\n" + items;
}

void writeMap(const TempWorld& world, const std::string& name, const std::string& dataIni,
              const std::string& mapMap) {
    world.write(mapFile(name, "data.ini"), dataIni);
    world.write(mapFile(name, "map.map"), mapMap);
    world.write(mapFile(name, "scenery.dat"), "");
    world.writeBitmap(mapFile(name, "fields.bmp"), 75, 25, 10, 120, 10);
}

void writeCharacter(const TempWorld& world, const std::string& id, const std::string& dataIni) {
    const std::string folder = "data\\characters\\" + id + "\\";
    world.write(folder + "data.ini", dataIni);
    world.writeBitmap(folder + id + ".bmp", 103, 81, 255, 0, 255);
    world.writeBitmap(folder + "dead.bmp", 25, 25, 90, 0, 0);
}

std::string le32(int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}
