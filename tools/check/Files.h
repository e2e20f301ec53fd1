// Looking at a data folder: which folders and files it holds, and the lines
// of a text file as the game's loaders read them.
#pragma once

#include <string>
#include <vector>

// Game paths ("data\items\sword"), as everywhere in the game.
bool isFolder(const std::string& gamePath);
// Names of the folders (or of the files ending in `extension`) directly
// inside, sorted.
std::vector<std::string> foldersIn(const std::string& gamePath);
std::vector<std::string> filesIn(const std::string& gamePath, const std::string& extension);

// The lines of a text file, CR LF read as LF; false when it can't be read.
bool readLines(const std::string& gamePath, std::vector<std::string>& lines);

// The folder of an item or a character id; an empty id has none.
bool hasFolder(const std::string& parent, const std::string& id);
