// The saved-game file data\saves\<slot>.sav: copies of the working files.
//
// Layout: start.tmp and player.tmp, each as an int32 byte count and the
// bytes; then, for each map file in the order of data\maps.dat, its path as a
// text, an int32 byte count and the bytes, up to the end of the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SavedFile {
    std::string path;
    std::string bytes;
};

struct SavedGame {
    std::string start;
    std::string player;
    std::vector<SavedFile> maps;
};

std::string saveFilePath(int32_t slot);

// The working files as they lie now; a missing start.tmp or player.tmp is
// an empty section, a missing map file no section.
SavedGame collectWorkingFiles();
std::string packSavedGame(const SavedGame& game);

// A save comes from outside. False when a section is cut short; a map file
// stored under any path but that of a listed map is dropped, so nothing
// outside the working files is ever written.
bool unpackSavedGame(const std::string& bytes, SavedGame& game);

// The save's working files, written beside their places. False, with
// nothing left behind, when one can't be written.
bool stageSavedGame(const SavedGame& game);
// Puts the staged files in place and removes the map files the save lacks.
void commitSavedGame(const SavedGame& game);
