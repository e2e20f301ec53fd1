// A small world rpg-check finds nothing wrong with, and a run of the real
// rpg-check binary over a folder of it.
#pragma once

#include "support/TestWorld.h"

#include <functional>
#include <string>
#include <vector>

// Two maps joined both ways ("town" 6 by 4 with a rock at 0:3, "cave" 4 by
// 3), a peaceful guard at 3:2 of town who gives quest 0 for a sword, a
// sword at 2:2, and every picture and layout file the game reads.
void writeCleanWorld(const TempWorld& world);

// town's data.ini: header, then the three sections as given.
std::string townIni(const std::string& moves = "5:1|cave|1:1\n", const std::string& npcs = "3:2|guard\n",
                    const std::string& items = "2:2|sword\n");
// A character folder with its pictures and data.ini.
void writeGuard(const TempWorld& world, const std::string& dataIni);
void writeItemFolder(const TempWorld& world, const std::string& id, const std::string& dataIni);
void erase(const TempWorld& world, const std::string& path);

struct CheckRun {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::vector<std::string> lines;
};
// rpg-check <folder>, run in the world's root.
CheckRun runChecker(const TempWorld& world, const std::string& folder = "data");
// rpg-check with the arguments as a shell would split them, run in the
// world's root under `environment` ("env -u DISPLAY" and the like).
CheckRun runCheckerWith(const TempWorld& world, const std::string& arguments, const std::string& environment = "");

// One broken copy of the clean world and the checker's whole output for it.
struct Case {
    const char* what;
    std::function<void(const TempWorld&)> breakIt;
    // "{n}" stands for a number the font decides; a line with ": warning: "
    // is a warning, and warnings alone leave the exit status 0.
    std::vector<std::string> expected;
};
void expectFindings(const std::vector<Case>& cases);
