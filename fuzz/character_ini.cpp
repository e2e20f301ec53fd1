// A character's data.ini, read as the NPC is built; it must start unhurt.
#include "Cases.h"
#include "FuzzWorld.h"

#include "characters/NPC.h"

std::string fuzzcase::characterIni(const std::string& input) {
    fuzzworld::write("data\\characters\\fz\\data.ini", input);
    std::string problem;
    {
        NPC npc(2, 2, "fz");
        if (npc.HP != npc.maxHP || npc.MP != npc.maxMP) problem = "the NPC does not start unhurt";
    }
    if (problem.empty()) problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::characterIni)
