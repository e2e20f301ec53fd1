#include "game/WorkingFiles.h"

#include "util/DataLine.h"
#include "util/FileSystem.h"

#include <sstream>
#include <string>

void removeWorkingFiles() {
    std::istringstream maps;
    if (fs::openText("data\\maps.dat", maps)) {
        std::string name;
        while (dataline::readLine(maps, name)) fs::removeFile("data\\" + name + ".tmp");
    }
    fs::removeFile("data\\player.tmp");
    fs::removeFile("data\\start.tmp");
}
