// The files under data\ that hold a running game: start.tmp, player.tmp and
// one <map>.tmp per map listed in data\maps.dat.
#pragma once

#include <string>
#include <vector>

inline const char* const kStartWorkingFile = "data\\start.tmp";
inline const char* const kPlayerWorkingFile = "data\\player.tmp";

// "data\<map>.tmp" for every line of data\maps.dat that names a file of
// data\ itself (see Map::statePathOf), in its order; none without the file.
std::vector<std::string> mapWorkingFiles();

// Removes every working file; missing files are skipped silently.
void removeWorkingFiles();
