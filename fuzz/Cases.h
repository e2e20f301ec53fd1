// The fuzz cases by name: each feeds one input to one reader of outside data
// in the data folder of the working directory and answers what went wrong
// (empty: nothing). The fuzz targets and the regression test share them.
#pragma once

#include <string>

namespace fuzzcase {

std::string playerTmp(const std::string& input);
std::string mapTmp(const std::string& input);
std::string saveList(const std::string& input);
std::string savedGame(const std::string& input);
std::string mapDirectory(const std::string& input);
std::string itemIni(const std::string& input);
std::string characterIni(const std::string& input);
std::string dialogueScript(const std::string& input);
std::string questFiles(const std::string& input);
std::string menuLayout(const std::string& input);
std::string startDat(const std::string& input);

struct Case {
    const char* name;  // the target's file, corpus and regression folder
    std::string (*run)(const std::string&);
};

inline const Case kCases[] = {
    {"player_tmp", playerTmp},     {"map_tmp", mapTmp},           {"savelist", saveList},
    {"saved_game", savedGame},     {"map_dir", mapDirectory},     {"item_ini", itemIni},
    {"character_ini", characterIni}, {"dialogue", dialogueScript}, {"quests", questFiles},
    {"menu_layout", menuLayout},   {"start_dat", startDat},
};

}  // namespace fuzzcase
