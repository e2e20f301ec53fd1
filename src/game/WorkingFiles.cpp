#include "game/WorkingFiles.h"

#include "util/DataLine.h"
#include "util/FileSystem.h"

#include <sstream>

std::vector<std::string> mapWorkingFiles() {
    std::vector<std::string> paths;
    std::istringstream maps;
    if (!fs::openText("data\\maps.dat", maps)) return paths;
    std::string name;
    while (dataline::readLine(maps, name)) paths.push_back("data\\" + name + ".tmp");
    return paths;
}

void removeWorkingFiles() {
    for (const std::string& path : mapWorkingFiles()) fs::removeFile(path);
    fs::removeFile(kPlayerWorkingFile);
    fs::removeFile(kStartWorkingFile);
}
