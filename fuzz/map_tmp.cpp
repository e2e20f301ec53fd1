// A map's kept state, read as the shipped village is built again. What it
// keeps of a damaged file must be written back so that it reads the same.
#include "Cases.h"
#include "FuzzWorld.h"

#include "characters/Player.h"
#include "world/Map.h"

std::string fuzzcase::mapTmp(const std::string& input) {
    fuzzworld::write("data\\village.tmp", input);
    std::string written, rewritten;
    {
        Player player(25, 19, "Gracz");
        { Map map(fuzzworld::screen(), "village", &player); }
        written = fuzzworld::read("data\\village.tmp");
        { Map map(fuzzworld::screen(), "village", &player); }
        rewritten = fuzzworld::read("data\\village.tmp");
    }
    std::string problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    if (problem.empty() && written != rewritten) problem = "village.tmp reads back other than it was written";
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::mapTmp)
