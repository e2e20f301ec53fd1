// One loaded map: the grid of fields with its creatures, piles, scenery and
// travel fields, built from "data\maps\<name>\" and, on a later visit, from
// the map's kept state "data\<name>.tmp".
#pragma once

#include "util/Image.h"
#include "world/Field.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <deque>
#include <istream>
#include <memory>
#include <string>
#include <vector>

class Characters;
class Corpse;
class NPC;

// Answers of Map::canEnter.
constexpr int kFree = 0;
constexpr int kBlocked = 1;
constexpr int kOccupied = 2;
constexpr int kTravel = -1;

// Pixel size of a field and of a terrain tile.
constexpr int kFieldSize = 25;

struct SceneryType {
    std::string name;
    int32_t width = 0;   // in fields
    int32_t height = 0;  // in fields
};

class Map {
public:
    // Loads the map directory (or the kept state) and puts the player on the
    // field of its position. player may be outside the grid: it is then
    // simply not placed.
    Map(SDL_Surface* screen, const std::string& name, Characters* player);
    // Writes the kept state, then frees every creature but the player, the
    // piles and the images.
    ~Map();
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    // 0 free, 1 blocked (off the grid too), 2 a creature stands there,
    // -1 travel field.
    int canEnter(int32_t column, int32_t row) const;
    // Moves the creature's grid entry only; the caller updates its x and y.
    void moveCreature(int32_t column, int32_t row, Characters* creature);
    // The creature there (never the player) becomes a corpse on top of the
    // field's pile and is destroyed.
    void killCreature(int32_t column, int32_t row);

    // The piles under the player.
    ItemRef topItem() const;
    ItemRef takeTopItem();
    Corpse* topCorpse() const;
    void removeTopCorpse();
    // Moves the top corpse under the player to (column, row) unless that
    // field answers 1 or -1; returns the canEnter answer.
    int dragCorpse(int32_t column, int32_t row);

    std::string moveTargetAt(int32_t column, int32_t row) const;

    // Paints the 34 by 26 fields around the player into the world buffer
    // (terrain and top items, then scenery and top corpses), appends every
    // creature in view but the player to visibleCreatures and sets the
    // player's target.
    void draw(SDL_Surface* destination);
    // The same for any window of the map: `across` by `down` fields whose
    // top-left one is (left, top), drawn from pixel (x, y) on; fields off
    // the grid get the outside tile.
    void drawFields(SDL_Surface* destination, int64_t left, int64_t top, int across, int down, int x = 0, int y = 0);

    // Writes "data\<name>.tmp", replacing any earlier one; a failed write
    // leaves the earlier one whole.
    void saveState() const;
    // "data\<name>.tmp", or empty when the name can't be a file of data\ of
    // its own: empty, holding a separator or a NUL, or "start" or "player"
    // in any case (a damaged start.tmp could otherwise send the state out of
    // data\ or over the current-map file or the player's state).
    std::string statePath() const { return statePathOf(name); }
    static std::string statePathOf(const std::string& mapName);
    // "data\start.tmp" and "data\player.tmp" hold the current map and the
    // player: a map of either name keeps no state.
    static bool isWorkingFileName(const std::string& name);

    bool contains(int32_t column, int32_t row) const {
        return column >= 0 && row >= 0 && column < cols && row < rows;
    }
    // Trusts its coordinates: ask contains first.
    Field& fieldAt(int32_t column, int32_t row) { return grid[row][column]; }
    const Field& fieldAt(int32_t column, int32_t row) const { return grid[row][column]; }

    // A grid too large for memory is cut to this many fields.
    static constexpr int64_t kMaxFields = int64_t(1) << 20;
    // Tile x offsets must fit an SDL_Rect (int16).
    static constexpr int32_t kMaxTiles = 32767 / kFieldSize;

    std::string name;
    SDL_Surface* screen = nullptr;
    std::vector<std::vector<Field>> grid;  // grid[row][column]
    // Never below 1: the last tile is the one drawn outside the map, so a
    // map without a usable count still has that one.
    int32_t tileCount = 1;
    std::string tileCodes;
    std::string blockingCodes;
    std::string mapPath;
    std::string fieldsImagePath;
    std::string sceneryPath;
    int32_t rows = 0;
    int32_t cols = 0;
    int32_t sceneryTypeCount = 0;
    SurfacePtr fieldsImage;
    std::vector<SDL_Rect> tileRects;
    std::vector<SceneryType> sceneryTypes;
    std::vector<SurfacePtr> sceneryImages;  // one per type, null when missing
    Characters* player = nullptr;           // never destroyed by the map
    std::deque<Characters*> visibleCreatures;

private:
    // Field under the player, or null when the player is off the grid.
    Field* playerField();
    const Field* playerField() const;
    // Makes the creature the occupant of a free field on the grid; false
    // (nothing changed) otherwise.
    bool placeCreature(int32_t column, int32_t row, Characters* creature);
    // Puts a new NPC on the field of its position, or when someone holds that
    // field on the nearest free one around it (its position follows); the
    // map owns it from then on. Returns it, or null (and it is gone) when
    // its position is off the grid or no field near it is free.
    NPC* adoptCreature(std::unique_ptr<NPC> creature);
    // Moves (column, row) to the nearest field around it that a creature
    // could walk onto; false (unchanged) when there is none close by.
    bool findFieldAside(int32_t& column, int32_t& row) const;

    // Loading steps, in the order the constructor runs them.
    void readHeader(std::istream& dataIni);
    void readTerrain();
    void readTiles();
    void placePlayer();
    void readScenery();
    void placeSceneryObject(const SceneryType& type, int32_t typeIndex, int32_t column, int32_t row);
    void readMoves(std::istream& dataIni);
    void readCreatures(std::istream& dataIni);
    void readItems(std::istream& dataIni);
    // The kept state: creatures and items of an earlier visit.
    void readState(std::istream& in);
};
