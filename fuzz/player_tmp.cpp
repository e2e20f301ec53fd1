// data\player.tmp, read by the Player's constructor. Whatever it keeps of a
// damaged file, its destructor must write back so that it reads the same.
#include "Cases.h"
#include "FuzzWorld.h"

#include "characters/Player.h"

std::string fuzzcase::playerTmp(const std::string& input) {
    fuzzworld::write("data\\player.tmp", input);
    { Player player(0, 0, "Gracz"); }
    const std::string written = fuzzworld::read("data\\player.tmp");
    { Player again(0, 0, "Gracz"); }
    const std::string rewritten = fuzzworld::read("data\\player.tmp");
    std::string problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    if (problem.empty() && written != rewritten) problem = "player.tmp reads back other than it was written";
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::playerTmp)
