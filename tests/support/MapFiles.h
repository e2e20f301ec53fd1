// Writes map and character directories into a TempWorld for map tests.
#pragma once

#include "support/TestWorld.h"

#include <cstdint>
#include <string>

// "data\maps\<name>\<file>"
std::string mapFile(const std::string& name, const std::string& file);

// A map.map of cols by rows fields, every field `fill`, LF line ends.
std::string terrain(int cols, int rows, char fill = '.');

// The three data.ini header lines followed by the three sections.
std::string mapDataIni(const std::string& moves, const std::string& npcs, const std::string& items,
                       const std::string& header = "tiles=3\n\"ab\"\n\"#\"\n");

// data.ini, map.map and an empty scenery.dat; a 75x25 fields.bmp.
void writeMap(const TempWorld& world, const std::string& name, const std::string& dataIni,
              const std::string& mapMap);

// "data\characters\<id>\data.ini" plus sprite sheet and dead.bmp.
void writeCharacter(const TempWorld& world, const std::string& id, const std::string& dataIni);

// Little-endian int32 as four bytes, for hand-built state files.
std::string le32(int32_t value);
