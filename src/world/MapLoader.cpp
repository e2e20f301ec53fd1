// Building a map from its directory: data.ini, map.map, fields.bmp and
// scenery.dat, or the kept state of an earlier visit for creatures and items.
#include "world/Map.h"

#include "characters/Characters.h"
#include "characters/NPC.h"
#include "util/DataLine.h"
#include "util/FileSystem.h"
#include "util/Log.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

bool has(const std::string& line, const char* word) { return line.find(word) != std::string::npos; }

// A list entry is "column:row|text". A pair may use any separator, so a line
// with a "|" counts as an entry even without a ":".
bool isEntry(const std::string& line) { return has(line, ":") || has(line, "|"); }

}  // namespace

Map::Map(SDL_Surface* screen, const std::string& name, Characters* player)
    : name(name), screen(screen), player(player) {
    const std::string folder = "data\\maps\\" + name + "\\";
    std::istringstream dataIni;
    if (!fs::openText(folder + "data.ini", dataIni)) logging::failure(logging::kLoadingFile, folder + "data.ini");
    readHeader(dataIni);

    mapPath = folder + "map.map";
    fieldsImagePath = folder + "fields.bmp";
    sceneryPath = folder + "scenery.dat";
    readTerrain();
    readTiles();
    placePlayer();
    readScenery();
    readMoves(dataIni);

    std::ifstream state;
    if (!statePath().empty() && fs::openBinaryRead(statePath(), state)) {
        readState(state);
    } else {
        readCreatures(dataIni);
        readItems(dataIni);
    }
}

void Map::readHeader(std::istream& dataIni) {
    std::string line;
    dataline::readLine(dataIni, line);
    size_t eq = line.find('=');
    int32_t count = 1;
    if (eq != std::string::npos) dataline::readSigned(line.substr(eq + 1), count);
    tileCount = std::clamp(count, int32_t(1), kMaxTiles);

    dataline::readLine(dataIni, line);
    tileCodes = dataline::quoted(line);
    dataline::readLine(dataIni, line);
    blockingCodes = dataline::quoted(line);
}

void Map::readTerrain() {
    std::istringstream file;
    if (!fs::openText(mapPath, file)) logging::failure(logging::kLoadingFile, mapPath);
    const std::string text = file.str();

    size_t firstBreak = text.find('\n');
    int64_t width = firstBreak == std::string::npos ? int64_t(text.size()) : int64_t(firstBreak);
    int64_t height = std::count(text.begin(), text.end(), '\n');
    if (!text.empty() && text.back() != '\n') ++height;  // last line without a line feed
    // A grid this file could not fill sensibly would not fit in memory:
    // keep the whole rows that fit and say so.
    int64_t keptWidth = std::min(width, kMaxFields);
    int64_t keptHeight = std::min(height, kMaxFields / std::max<int64_t>(keptWidth, 1));
    if (keptWidth != width || keptHeight != height) logging::failure(logging::kLoadingFile, mapPath);
    cols = static_cast<int32_t>(keptWidth);
    rows = static_cast<int32_t>(keptHeight);

    grid.resize(static_cast<size_t>(rows));
    size_t pos = 0;
    char code = kNeverEnterCode;  // at the end of the file the last character read is used again
    for (auto& row : grid) {
        row.resize(static_cast<size_t>(cols));
        for (Field& field : row) {
            if (pos < text.size()) {
                code = text[pos++];
                if (code == '\n' && pos < text.size()) code = text[pos++];
            }
            field.code = code;
        }
    }
}

void Map::readTiles() {
    fieldsImage.reset(loadImage(fieldsImagePath));
    tileRects.resize(static_cast<size_t>(tileCount));
    for (int32_t i = 0; i < tileCount; ++i) {
        tileRects[i] = SDL_Rect{static_cast<Sint16>(kFieldSize * i), 0, kFieldSize, kFieldSize};
    }
}

void Map::placePlayer() {
    if (player) placeCreature(player->x, player->y, player);
}

void Map::readScenery() {
    std::istringstream file;
    if (!fs::openText(sceneryPath, file)) logging::failure(logging::kLoadingFile, sceneryPath);

    std::vector<std::string> lines;
    std::string line;
    while (dataline::readLine(file, line)) lines.push_back(line);
    sceneryTypeCount = static_cast<int32_t>(std::count_if(lines.begin(), lines.end(),
                                                          [](const std::string& l) { return has(l, "["); }));
    sceneryTypes.assign(static_cast<size_t>(sceneryTypeCount), SceneryType{});

    int32_t current = -1;  // placements before the first type have no type and are skipped
    int32_t next = 0;
    for (const std::string& entry : lines) {
        if (has(entry, "[")) {
            SceneryType& type = sceneryTypes[static_cast<size_t>(next)];
            size_t open = entry.find('[');
            size_t close = entry.find(']', open + 1);
            type.name = entry.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
            if (close != std::string::npos && close + 2 <= entry.size())
                dataline::readPair(entry.substr(close + 2), type.width, type.height);
            current = next++;
            continue;
        }
        // An empty line holds no place: reading it as (0, 0) would block that field.
        if (entry.empty() || current < 0) continue;
        int32_t column = 0;
        int32_t row = 0;
        dataline::readPair(entry, column, row);
        if (contains(column, row))
            placeSceneryObject(sceneryTypes[static_cast<size_t>(current)], current, column, row);
    }

    sceneryImages.clear();
    for (const SceneryType& type : sceneryTypes) {
        const std::string path = "data\\maps\\" + name + "\\" + type.name + ".bmp";
        sceneryImages.emplace_back(loadImage(path));
        if (!sceneryImages.back()) logging::failure(logging::kLoadingSceneryImage, path);
    }
}

void Map::placeSceneryObject(const SceneryType& type, int32_t typeIndex, int32_t column, int32_t row) {
    const int64_t right = std::min<int64_t>(int64_t(column) + type.width, cols);
    const int64_t bottom = std::min<int64_t>(int64_t(row) + type.height, rows);
    for (int64_t r = row; r < bottom; ++r)
        for (int64_t c = column; c < right; ++c)
            fieldAt(static_cast<int32_t>(c), static_cast<int32_t>(r)).scenery = kCoveredByScenery;
    fieldAt(column, row).scenery = typeIndex;
}

void Map::readMoves(std::istream& dataIni) {
    std::string line;
    while (dataline::readLine(dataIni, line) && !has(line, "moves")) {
    }
    while (dataline::readLine(dataIni, line) && !has(line, "npc")) {
        if (!isEntry(line)) continue;
        dataline::PairText entry = dataline::readPairText(line);
        if (contains(entry.column, entry.row)) fieldAt(entry.column, entry.row).moveTarget = entry.text;
    }
}

void Map::readCreatures(std::istream& dataIni) {
    std::string line;
    while (dataline::readLine(dataIni, line) && !has(line, "items")) {
        if (!isEntry(line)) continue;
        dataline::PairText entry = dataline::readPairText(line);
        // One creature per field: one for a taken field stands beside it.
        if (contains(entry.column, entry.row)) adoptCreature(std::make_unique<NPC>(entry.column, entry.row, entry.text));
    }
}

void Map::readItems(std::istream& dataIni) {
    std::string line;
    while (dataline::readLine(dataIni, line) && isEntry(line)) {
        dataline::PairText entry = dataline::readPairText(line);
        if (contains(entry.column, entry.row)) fieldAt(entry.column, entry.row).items.push_back(makeItem(entry.text));
    }
}
