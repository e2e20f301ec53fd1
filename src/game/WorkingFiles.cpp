#include "game/WorkingFiles.h"

#include "util/DataLine.h"
#include "util/FileSystem.h"
#include "world/Map.h"

#include <sstream>

std::vector<std::string> mapWorkingFiles() {
    std::vector<std::string> paths;
    std::istringstream maps;
    if (!fs::openText("data\\maps.dat", maps)) return paths;
    std::string name;
    // Only names that make a file of data\ itself: installed, data\'s folders
    // are links into the read-only content, never to be written or removed.
    while (dataline::readLine(maps, name)) {
        const std::string path = Map::statePathOf(name);
        if (!path.empty()) paths.push_back(path);
    }
    return paths;
}

void removeWorkingFiles() {
    for (const std::string& path : mapWorkingFiles()) fs::removeFile(path);
    fs::removeFile(kPlayerWorkingFile);
    fs::removeFile(kStartWorkingFile);
}
