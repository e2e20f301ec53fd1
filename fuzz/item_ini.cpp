// An item's data.ini, read as the item is built; then worn and taken off
// again, drunk and put into a pack, as the player would.
#include "Cases.h"
#include "FuzzWorld.h"

#include "characters/Player.h"

std::string fuzzcase::itemIni(const std::string& input) {
    fuzzworld::write("data\\items\\fz\\data.ini", input);
    {
        Player player(0, 0, "Gracz");
        ItemRef item = makeItem("fz");
        player.leftHand = item;
        player.equip(item);
        player.unequip(item);
        player.consume(makeItem("fz"));
        player.addItem(makeItem("fz"));
        player.addItem(makeItem("fz"));
    }
    std::string problem = fuzzworld::strayWrites();
    fuzzworld::clearWorkingFiles();
    return problem;
}

RPG_FUZZ_TARGET(fuzzcase::itemIni)
