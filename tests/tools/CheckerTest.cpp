// rpg-check, the real binary, over small data folders: a clean one gives
// nothing, and each kind of mistake gives its one line naming file and line.
#include "support/MapFiles.h"
#include "tools/CheckerWorld.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

auto write(const std::string& path, const std::string& content) {
    return [=](const TempWorld& w) { w.write(path, content); };
}
auto bitmap(const std::string& path, int width, int height) {
    return [=](const TempWorld& w) { w.writeBitmap(path, width, height, 90, 90, 90); };
}
auto guardScript(const std::string& script) { return write("data\\characters\\guard\\guard.dg", script); }
auto guard(const std::string& dataIni) {
    return [=](const TempWorld& w) { writeGuard(w, dataIni); };
}
auto town(const std::string& dataIni) { return write("data\\maps\\town\\data.ini", dataIni); }

const char* const kTownIni = "data/maps/town/data.ini";
const char* const kGuardIni = "data/characters/guard/data.ini";
const char* const kGuardScript = "data/characters/guard/guard.dg";
const std::string kNode0 = "0|\"Hello.\"|\"Any work?\";checkIfnQuest(0);next(1)|\"Bye.\";next(0)\n";
const std::string kNodes12 =
    "1|\"Bring me a sword.\";startQuest(0)|\"Here it is.\";checkPlayerItem(Sword,1)[2:0]\n"
    "2|\"Thanks.\";getItem(Sword,1);increaseQuest(0)|\"Bye.\";next(0)\n";

// What a town that no longer leads to the cave, and a guard who never takes
// the sword, also bring.
const std::string kNoWayBack =
    "data/maps/cave/data.ini:5: warning: leads to map \"town\", but no travel field there leads back to \"cave\"";
const std::string kNeverFinishes =
    "data/quests/Find a sword.dat:1: quest 0 gets no further than stage 0: no increaseQuest(0) runs at it, so the "
    "quest never finishes";

const std::string kSections = "[moves]\n5:1|cave|1:1\n[npc]\n3:2|guard\n[items]\n2:2|sword\n";

std::string options(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += "|\"Go.\";next(0)";
    return out;
}

std::string line(const char* file, int n, const std::string& text) {
    return file + (":" + std::to_string(n)) + ": " + text;
}

}  // namespace

TEST(Checker, FindsNothingInACleanFolderAndWritesNothingIntoIt) {
    TempWorld world;
    writeCleanWorld(world);
    const CheckRun run = runChecker(world);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.lines.empty()) << ::testing::PrintToString(run.lines);
    EXPECT_FALSE(world.exists("data\\town.tmp"));
    EXPECT_FALSE(world.exists("data\\cave.tmp"));
}

TEST(Checker, MapsTravelAndStart) {
    expectFindings({
        {"listed map without directory", write("data\\maps.dat", "town\ncave\nkeep\n"),
         {"data/maps.dat:3: map \"keep\" has no directory data/maps/keep/"}},
        {"a map named as a working file", write("data\\maps.dat", "town\ncave\nStart\n"),
         {"data/maps.dat:3: map \"Start\" keeps no state: data/Start.tmp is one of the game's own working files",
          "data/maps.dat:3: map \"Start\" has no directory data/maps/Start/"}},
        {"directory not listed", write("data\\maps.dat", "town\n"),
         {"data/maps/cave/: map directory not listed in data/maps.dat, so a new game finds the last game's "
          "creatures and items on it"}},
        {"target map missing", town(townIni("5:1|cavern|1:1\n")),
         {kNoWayBack, line(kTownIni, 5, "leads to map \"cavern\", which has no directory data/maps/cavern/")}},
        {"target field off the map", town(townIni("5:1|cave|9:9\n")),
         {line(kTownIni, 5, "leads to field 9:9 of map \"cave\", which cannot be entered (off the map)")}},
        {"target field blocked", write("data\\maps\\cave\\map.map", "gggg\n*#gg\ngggg\n"),
         {line(kTownIni, 5, "leads to field 1:1 of map \"cave\", which cannot be entered (terrain '#' blocks)")}},
        {"target without a field", town(townIni("5:1|cave 1:1\n")),
         {kNoWayBack, line(kTownIni, 5,
               "the target \"cave 1:1\" needs a map name, \"|\" and a column and row, such as "
               "\"forest|1:19\"")}},
        {"travel field without entry", write("data\\maps\\town\\map.map", "gggggg\nggggg*\nggggg*\ngggggg\n"),
         {"data/maps/town/map.map:3: travel field 5:2 has no entry in the moves section of data.ini, it leads "
          "nowhere"}},
        {"entry on no travel field", town(townIni("5:1|cave|1:1\n2:1|cave|1:1\n")),
         {line(kTownIni, 6, "2:1 is no travel field (its code is 'g', not '*'), the entry is never used")}},
        {"entry replaced", town(townIni("5:1|cave|2:1\n5:1|cave|1:1\n")),
         {line(kTownIni, 5, "a later line gives 5:1 another target, this one is lost")}},
        {"start on scenery", write("data\\maps\\start.dat", "town 0 3\n"),
         {"data/maps/start.dat:1: starts on field 0:3 of map \"town\", which cannot be entered (scenery stands "
          "there)"}},
        {"start on a creature", write("data\\maps\\start.dat", "town 3,2\n"),
         {"data/maps/start.dat:1: starts on field 3:2 of map \"town\", which cannot be entered (\"guard\" stands "
          "there)"}},
        {"start map missing", write("data\\maps\\start.dat", "village 1 1\n"),
         {"data/maps/start.dat:1: starts on map \"village\", which has no directory data/maps/village/"}},
        {"start without blank", write("data\\maps\\start.dat", "town\n"),
         {"data/maps/start.dat:1: needs the start map's name, a blank, then the column and row, such as \"village 25 "
          "19\""}},
    });
}

TEST(Checker, MapLinesTheLoaderSkipsOrCuts) {
    expectFindings({
        {"character off the map", town(townIni("5:1|cave|1:1\n", "30:2|guard\n")),
         {line(kTownIni, 7, "30:2 is off the map (6 by 4 fields), the game skips the line")}},
        {"two characters on one field", town(townIni("5:1|cave|1:1\n", "3:2|guard\n3:2|guard\n")),
         {line(kTownIni, 8, "3:2 already holds the character of line 7, this one is not made")}},
        {"line without column and row", town(townIni("5:1|cave|1:1\n", "guard\n3:2|guard\n")),
         {line(kTownIni, 7, "has no column:row, the game ignores it")}},
        {"items section cut", town(townIni("5:1|cave|1:1\n", "3:2|guard\n", "2:2|sword\n\n1:2|sword\n")),
         {line(kTownIni, 11,
               "comes after line 10, which has no column:row and ends the items section; the game does "
               "not read it")}},
        {"entry that ends its section", town(townIni("5:1|cave|1:1\n4:1|npcland|1:1\n")),
         {line(kTownIni, 6, "holds \"npc\", so it ends the moves section and its entry is not read"),
          line(kTownIni, 7, "has no column:row, the game ignores it")}},
        {"line before moves", town("tileCount=4\n\"g*#\"\n\"#\"\njunk\n" + kSections),
         {line(kTownIni, 4, "comes before the \"moves\" line, the game ignores it")}},
        {"blocking codes unquoted", town("tileCount=4\n\"g*#\"\n#\n" + kSections),
         {line(kTownIni, 3, "the blocking codes belong in double quotes; the game takes the whole line")}},
        {"tile count too small", town("tileCount=3\n\"g*#\"\n\"#\"\n" + kSections),
         {line(kTownIni, 2,
               "codes \"#\" have no tile: a tile count of 3 leaves 2 codes, the last tile is the one drawn outside the "
               "map"),
          "data/maps/town/fields.bmp: is 100x25, should be 75x25"}},
        {"tile count unreadable", town("tiles\n\"g*#\"\n\"#\"\n" + kSections),
         {line(kTownIni, 1, "needs the number of tiles after \"=\", such as \"tileCount=14\"; the game takes 1"),
          line(kTownIni, 2,
               "codes \"g*#\" have no tile: a tile count of 1 leaves 0 codes, the last tile is the one drawn outside "
               "the map"),
          "data/maps/town/map.map:1: terrain code 'g' (column 0) has no tile in fields.bmp, nothing is drawn there",
          "data/maps/town/map.map:2: terrain code '*' (column 5) has no tile in fields.bmp, nothing is drawn there",
          "data/maps/town/fields.bmp: is 100x25, should be 25x25"}},
        {"terrain code without tile", write("data\\maps\\town\\map.map", "gggggg\nggggg*\nxggggg\ngggggg\n"),
         {"data/maps/town/map.map:3: terrain code 'x' (column 0) has no tile in fields.bmp, nothing is drawn there"}},
        {"short row", write("data\\maps\\town\\map.map", "gggggg\nggggg*\ngggggg\nggggg\n"),
         {"data/maps/town/map.map:4: has 5 fields, the first row 6; the game reads the fields on across the line "
          "ends"}},
        {"scenery before its type", write("data\\maps\\town\\scenery.dat", "0 0\n[rock] 1 1\n0 3\n"),
         {"data/maps/town/scenery.dat:1: comes before the first type line, the game skips it"}},
        {"scenery off the map", write("data\\maps\\town\\scenery.dat", "[rock] 1 1\n0 3\n9 9\n"),
         {"data/maps/town/scenery.dat:3: 9:9 is off the map (6 by 4 fields), the game skips it"}},
        {"scenery type without size", write("data\\maps\\town\\scenery.dat", "[rock]\n0 3\n"),
         {"data/maps/town/scenery.dat:1: type \"rock\" needs a width and a height in fields, such as \"[oak] 2 2\""}},
        {"scenery type without bitmap", write("data\\maps\\town\\scenery.dat", "[tree] 1 1\n0 0\n"),
         {"data/maps/town/scenery.dat:1: scenery type \"tree\" has no bitmap data/maps/town/tree.bmp"}},
    });
}

TEST(Checker, CharactersAndItems) {
    auto withItem = [](const char* id, const char* ini, const std::string& guardIni) {
        return [=](const TempWorld& w) {
            writeItemFolder(w, id, ini);
            writeGuard(w, guardIni);
        };
    };
    expectFindings({
        {"character without directory", town(townIni("5:1|cave|1:1\n", "3:2|gaurd\n")),
         {line(kTownIni, 7, "character \"gaurd\" has no directory data/characters/gaurd/")}},
        {"item on the map without directory", town(townIni("5:1|cave|1:1\n", "3:2|guard\n", "2:2|swrod\n")),
         {line(kTownIni, 9, "item \"swrod\" has no directory data/items/swrod/")}},
        {"carried item without directory", guard("name=Guard\n[Inventory]\nshield\n"),
         {line(kGuardIni, 3, "item \"shield\" has no directory data/items/shield/")}},
        {"empty inventory line", guard("name=Guard\n[Inventory]\n\nsword\n"),
         {line(kGuardIni, 3, "an empty item id: the game makes an item without one")}},
        {"worn item of the wrong type", guard("name=Guard\nhelmet=sword\n"),
         {line(kGuardIni, 2, "helmet \"sword\" is of type \"onehanded\", not \"helmet\"; the game drops it")}},
        {"bow without arrows",
         withItem("bow", "name=Bow\ntype=bow\nmissileName=arrow\n", "name=Guard\nrightHand=bow\n"),
         {line(kGuardIni, 2, "\"bow\" needs arrows in the other hand; the game puts it in the pack")}},
        {"crossbow beside a sword",
         withItem("xbow", "name=Xbow\ntype=crossbow\nmissileName=arrow\n", "leftHand=xbow\nrightHand=sword\n"),
         {line(kGuardIni, 1, "\"xbow\" needs bolts in the other hand; the game puts it in the pack")}},
        {"two-handed beside another", withItem("axe", "name=Axe\ntype=twohanded\n", "leftHand=axe\nrightHand=sword\n"),
         {line(kGuardIni, 2, "two-handed \"axe\" beside \"sword\": it needs both hands")}},
        {"potion in a hand", withItem("potion", "name=Potion\ntype=mixtureHP\n", "rightHand=potion\n"),
         {line(kGuardIni, 1,
               "rightHand \"potion\" is of type \"mixtureHP\", which cannot be held; the game drops it")}},
        {"a name wider than the creature panel", guard("name=Guard\nname=Guard of the north gate\nagression=0\n"),
         {line(kGuardIni, 2,
               "warning: the name \"Guard of the north gate\" is {n} pixels wide; the creature panel shows 60 and "
               "cuts it off")}},
        {"a name that just fits", guard("name=Bone archer\nagression=0\n"), {}},
        {"character key misspelt", guard("name=Guard\nhelmett=0\nlevel=high\n"),
         {line(kGuardIni, 2, "key \"helmett\" is not a character key, the line is ignored"),
          line(kGuardIni, 3, "\"high\" is not a number, the line is ignored")}},
        {"character without data.ini", [](const TempWorld& w) { erase(w, "data/characters/guard/data.ini"); },
         {"data/characters/guard/data.ini: missing"}},
        {"item lines the loader skips",
         write("data\\items\\sword\\data.ini", "name=Sword\ntype=Sword\natack=5\nattack=five\nmissileName=bolt\n"),
         {"data/items/sword/data.ini:2: type \"Sword\" is not an item type, the line is ignored",
          "data/items/sword/data.ini:3: key \"atack\" is not an item key, the line is ignored",
          "data/items/sword/data.ini:4: \"five\" is not a number, the line is ignored",
          "data/items/sword/data.ini:5: missile \"bolt\" has no bitmap data/missiles/bolt.bmp",
          line(kGuardIni, 3, "rightHand \"sword\" is of type \"no type\", which cannot be held; the game drops it")}},
        {"item without data.ini", [](const TempWorld& w) { erase(w, "data/items/sword/data.ini"); },
         {"data/items/sword/data.ini: missing",
          line(kGuardIni, 3, "rightHand \"sword\" is of type \"no type\", which cannot be held; the game drops it"),
          line(kGuardScript, 2, "checkPlayerItem(Sword,1)[2:0]: no item is named \"Sword\""),
          line(kGuardScript, 3, "getItem(Sword,1): no item is named \"Sword\"")}},
    });
}

TEST(Checker, ScriptsAndQuests) {
    const std::string wide(90, 'W');
    expectFindings({
        {"jump past the last node", guardScript("0|\"Hi.\"|\"Go.\";next(5)\n" + kNodes12),
         {line(kGuardScript, 1, "next(5) jumps to node 5, past the last node 2")}},
        {"jump below 0", guardScript("0|\"Hi.\"|\"Go.\";next(-1)\n" + kNodes12),
         {line(kGuardScript, 1, "next(-1) jumps to node -1, below 0")}},
        {"check jumping nowhere",
         guardScript(kNode0 + "1|\"Sword?\";startQuest(0)|\"Yes.\";checkPlayerItem(Sword,1)[2:9]\n" +
                     kNodes12.substr(kNodes12.find("\n2|") + 1)),
         {line(kGuardScript, 2, "checkPlayerItem(Sword,1)[2:9] jumps to node 9, past the last node 2")}},
        {"check without nodes", guardScript(kNode0 + "1|\"Sword?\";startQuest(0)|\"Yes.\";checkPlayerItem(Sword,1)\n" +
                     kNodes12.substr(kNodes12.find("\n2|") + 1)),
         {line(kGuardScript, 2, "checkPlayerItem(Sword,1) needs the two nodes in brackets after it, such as [6:8]"),
          kNeverFinishes}},
        {"ten options", guardScript("0|\"Hi.\"" + options(10) + "\n" + kNodes12),
         {line(kGuardScript, 1, "10 options, only 1 to 9 can be chosen")}},
        {"unknown or misplaced command", guardScript("0|\"Hi.\";next(1)|\"Go.\";nxt(0);startQuest(0)\n" + kNodes12),
         {line(kGuardScript, 1, "command \"next\" belongs in an option; after the NPC's text the game ignores it"),
          line(kGuardScript, 1, "unknown command \"nxt\", the game ignores it"),
          line(kGuardScript, 1,
               "command \"startQuest\" belongs after the NPC's text; in an option the game ignores it")}},
        {"give in an option", guardScript("0|\"Hi.\"|\"Go.\";giveItem(Sword)\n" + kNodes12),
         {line(kGuardScript, 1,
               "giveItem(Sword) does nothing in an option; it gives only in the NPC's part of a node")}},
        {"item name nobody has", guardScript("0|\"Hi.\"|\"Go.\";checkItem(Swrod,1)[0:0]\n" + kNodes12),
         {line(kGuardScript, 1, "checkItem(Swrod,1)[0:0]: no item is named \"Swrod\"")}},
        {"quest past the list", guardScript("0|\"Hi.\"|\"Go.\";checkIfQuest(3);next(0)\n" + kNodes12),
         {line(kGuardScript, 1, "checkIfQuest(3): quest 3 is not in the quest list (1 quests, from 0)")}},
        {"quest without number", guardScript("0|\"Hi.\"|\"Go.\";checkIfStage(x,0);next(0)\n" + kNodes12),
         {line(kGuardScript, 1, "checkIfStage(x,0) names no quest number")}},
        {"quest started, never advanced", guardScript(kNode0 + "1|\"Sword?\";startQuest(0)|\"Bye.\";next(0)\n"),
         {line(kGuardScript, 2, "starts quest 0, but no script advances it")}},
        {"a '|' ending a node is no option", guardScript(kNode0.substr(0, kNode0.size() - 1) + "|\n" + kNodes12), {}},
        {"quest name too long for the log", [](const TempWorld& w) {
             const std::string name = "Find a sword for the guard who stands in the town before the bandits come back";
             w.write("data\\quests\\questlist.dat", name + "\n");
             for (const char* folder : {"data\\quests\\", "data\\quest\\"}) w.write(folder + name + ".dat", "Go.\n");
         },
         {"data/quests/questlist.dat:1: the quest log row \"1. Find a sword for the guard who stands in the town "
          "before the bandits come back\" is {n} pixels wide, wider than its 405; the log cuts the name at its last "
          "blanks and adds \"...\""}},
        {"a damage rune handed to one who holds the same", [](const TempWorld& w) {
             writeItemFolder(w, "firerune", "name=Fire rune\ntype=dmgRune\nMP=10\nmissileName=arrow\n");
             writeGuard(w, "name=Guard\nagression=0\nleftHand=firerune\n");
             w.write("data\\characters\\guard\\guard.dg",
                     kNode0 + "1|\"A rune?\";startQuest(0)|\"Here.\";checkPlayerItem(Fire rune,1)[2:0]\n"
                              "2|\"Thanks.\";getItem(Fire rune,1);increaseQuest(0)|\"Bye.\";next(0)\n");
         },
         {line(kGuardScript, 3,
               "warning: getItem(Fire rune,1) hands \"guard\" a damage rune like the \"firerune\" it holds; its map's kept "
               "state cannot tell the two apart, and the next visit drops the one given")}},
        {"texts without quotes", guardScript("0|Hello|Bye;next(0)\n" + kNodes12),
         {line(kGuardScript, 1, "the NPC's text needs double quotes after the first \"|\""),
          line(kGuardScript, 1, "option 1 needs its text in double quotes")}},
        {"word wider than the panel", guardScript("0|\"Hi " + wide + ".\"|\"Go.\";next(0)\n" + kNodes12),
         {line(kGuardScript, 1,
               "the word \"" + wide + ".\" is {n} pixels wide, wider than the text panel's 405; the game breaks it")}},
        {"wide word in a journal", [&](const TempWorld& w) {
             w.write("data\\quests\\Find a sword.dat", wide + "\n");
             w.write("data\\quest\\Find a sword.dat", wide + "\n");
         },
         {"data/quests/Find a sword.dat:1: the word \"" + wide +
          "\" is {n} pixels wide, wider than the text panel's 405; the game breaks it"}},
        {"quest file missing", [](const TempWorld& w) { erase(w, "data/quest/Find a sword.dat"); },
         {"data/quests/questlist.dat:1: quest 0 has no file data/quest/Find a sword.dat"}},
        {"quest files differ", write("data\\quest\\Find a sword.dat", "Something else.\n"),
         {"data/quest/Find a sword.dat: differs from data/quests/Find a sword.dat: the journal would show the first "
          "line of one and the later lines of the other"}},
    });
}

TEST(Checker, BitmapsFontAndMenus) {
    expectFindings({
        {"missing bitmap", write("data\\GUI\\adds.bmp", ""), {"data/GUI/adds.bmp: missing bitmap"}},
        {"fixed size", bitmap("data\\GUI\\adds.bmp", 10, 19), {"data/GUI/adds.bmp: is 10x19, should be 9x19"}},
        {"about a size", bitmap("data\\GUI\\textPanel.bmp", 300, 250),
         {"data/GUI/textPanel.bmp: is 300x250, should be about 445x250"}},
        {"sprite sheet too small", bitmap("data\\characters\\Gracz\\Gracz.bmp", 100, 81),
         {"data/characters/Gracz/Gracz.bmp: is 100x81, should be at least 103x81"}},
        {"corpse", bitmap("data\\characters\\guard\\dead.bmp", 40, 40),
         {"data/characters/guard/dead.bmp: is 40x40, should be about 25x25"}},
        {"item picture", bitmap("data\\items\\sword\\sword.bmp", 32, 32),
         {"data/items/sword/sword.bmp: is 32x32, should be about 25x25"}},
        {"missile", bitmap("data\\missiles\\arrow.bmp", 100, 20),
         {"data/missiles/arrow.bmp: is 100x20, should be 100x25"}},
        {"scenery", bitmap("data\\maps\\town\\rock.bmp", 25, 50),
         {"data/maps/town/rock.bmp: is 25x50, should be 25x25"}},
        {"button frames", bitmap("data\\menu\\button.bmp", 20, 20),
         {"data/menu/button.bmp: is 20x20, should be 20x30"}},
        {"list box", bitmap("data\\menu\\box.bmp", 40, 40), {"data/menu/box.bmp: is 40x40, should be 40x30"}},
        {"menu line",
         write("data\\menu\\menu.dat", "1 1 20 10 button\n1 1 button\n1 1 20 10 nothing\n1 1 20 10 button\n"),
         {"data/menu/menu.dat: 4 lines, the game reads 5: resume, new game, save, load and quit",
          "data/menu/menu.dat:2: needs x, y, width, height and a bitmap name, such as \"290 270 220 46 save\"",
          "data/menu/menu.dat:3: names bitmap data/menu/nothing.bmp, which is missing"}},
        {"font", write("data\\comic.ttf", ""), {"data/comic.ttf: the game cannot open this font"}},
    });
}

TEST(Checker, SeesTheFolderAsANewGameDoesAndNamesItAsGiven) {
    TempWorld world;
    writeCleanWorld(world);
    // A game's kept state of town would hide its character list from the loader.
    world.write("data\\town.tmp", le32(0) + le32(0));
    world.write("data\\maps\\town\\data.ini", townIni("5:1|cave|1:1\n", "3:2|gaurd\n"));
    std::filesystem::rename(world.root() + "/data", world.root() + "/mine");
    const std::vector<std::string> expected = {
        "mine/maps/town/data.ini:7: character \"gaurd\" has no directory mine/characters/gaurd/"};
    EXPECT_EQ(runChecker(world, "mine").lines, expected);
    EXPECT_EQ(world.read("mine/town.tmp"), le32(0) + le32(0));

    const CheckRun none = runChecker(world, "nothere");
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.lines, std::vector<std::string>{"nothere: not a folder the checker can read"});
}

TEST(Checker, ReportsGarbageInEveryTextFileWithoutCrashing) {
    std::string garbage;
    for (int i = 0; i < 2000; ++i) garbage += static_cast<char>((i * 7919 + i / 3) % 256);
    garbage += "\n99999999999:-5|[|]|(;\"\n[x] -9 99999999999\n";
    TempWorld world;
    writeCleanWorld(world);
    for (const char* file : {"maps.dat", "maps\\start.dat", "maps\\town\\data.ini", "maps\\town\\map.map",
                             "maps\\town\\scenery.dat", "characters\\guard\\data.ini", "characters\\guard\\guard.dg",
                             "items\\sword\\data.ini", "quests\\questlist.dat", "menu\\menu.dat", "menu\\slmenu.dat"})
        world.write(std::string("data\\") + file, garbage);
    const CheckRun run = runChecker(world);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.lines.empty());
}
