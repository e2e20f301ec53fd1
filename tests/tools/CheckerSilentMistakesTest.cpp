// rpg-check over the mistakes a content maker makes that the game takes in
// silence: rewards never given, quests never finished, answers never shown,
// creatures and items where nobody meets them, maps with no way back,
// pictures keyed the wrong way. One broken copy of the clean world each.
#include "support/MapFiles.h"
#include "tools/CheckerWorld.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const kGuardScript = "data/characters/guard/guard.dg";
const char* const kTownIni = "data/maps/town/data.ini";
const std::string kNode0 = "0|\"Hello.\"|\"Any work?\";checkIfnQuest(0);next(1)|\"Bye.\";next(0)\n";
const std::string kNode1 = "1|\"Bring me a sword.\";startQuest(0)|\"Here it is.\";checkPlayerItem(Sword,1)[2:0]\n";
const std::string kNode2 = "2|\"Thanks.\";getItem(Sword,1);increaseQuest(0)|\"Bye.\";next(0)\n";

std::string at(const char* file, int n, const std::string& text) {
    return file + (":" + std::to_string(n)) + ": " + text;
}
std::string warning(const char* file, int n, const std::string& text) { return at(file, n, "warning: " + text); }

auto write(const std::string& path, const std::string& content) {
    return [=](const TempWorld& w) { w.write(path, content); };
}
auto script(const std::string& nodes) { return write("data\\characters\\guard\\guard.dg", nodes); }
auto town(const std::string& moves, const std::string& npcs, const std::string& items) {
    return write("data\\maps\\town\\data.ini", townIni(moves, npcs, items));
}
auto journal(const std::string& lines) {
    return [=](const TempWorld& w) {
        w.write("data\\quests\\Find a sword.dat", lines);
        w.write("data\\quest\\Find a sword.dat", lines);
    };
}
auto item(const std::string& id, const std::string& ini) {
    return [=](const TempWorld& w) { writeItemFolder(w, id, ini); };
}
auto both(std::function<void(const TempWorld&)> a, std::function<void(const TempWorld&)> b) {
    return [=](const TempWorld& w) {
        a(w);
        b(w);
    };
}

const std::string kTwoStages = "Bring the guard a sword.\nThe guard has his sword.\n";

}  // namespace

TEST(CheckerSilentMistakes, RewardsQuestsAndAnswers) {
    expectFindings({
        {"a reward the speaker does not carry",
         both(item("coin", "name=Coin\n"), script(kNode0 + kNode1 +
                                                  "2|\"Thanks.\";getItem(Sword,1);giveItem(Coin);"
                                                  "increaseQuest(0)|\"Bye.\";next(0)\n")),
         {at(kGuardScript, 3,
             "giveItem(Coin): \"guard\" carries no \"Coin\"; only the items under [Inventory] of "
             "data/characters/guard/data.ini can be given")}},
        {"what the player handed over can be handed back",
         script(kNode0 + kNode1 + "2|\"Thanks.\";getItem(Sword,1);increaseQuest(0);giveItem(Sword)|\"Bye.\";next(0)\n"),
         {}},
        {"a quest one advance short of its end",
         journal(kTwoStages),
         {"data/quests/Find a sword.dat:2: quest 0 gets no further than stage 1: no increaseQuest(0) runs at it, so "
          "the quest never finishes"}},
        {"an advance shown only at a stage the quest never reaches",
         both(journal(kTwoStages), script(kNode0 +
                                          "1|\"Bring me a sword.\";startQuest(0)|\"Here it is.\";checkIfStage(0,1);"
                                          "checkPlayerItem(Sword,1)[2:0]\n" +
                                          kNode2)),
         {"data/quests/Find a sword.dat:1: quest 0 gets no further than stage 0: no increaseQuest(0) runs at it, so "
          "the quest never finishes"}},
        {"a stage past the quest's last line",
         script("0|\"Hello.\"|\"Any work?\";checkIfnQuest(0);next(1)|\"Done?\";checkIfStage(0,1);next(0)\n" + kNode1 +
                kNode2),
         {at(kGuardScript, 1,
             "checkIfStage(0,1): quest 0 has only stage 0, one for each line of data/quest/Find a sword.dat; this "
             "answer never shows")}},
        {"a count of 0",
         script(kNode0 + "1|\"Bring me a sword.\";startQuest(0)|\"Here.\";checkPlayerItem(Sword,0)[2:0]\n" + kNode2),
         {at(kGuardScript, 2, "checkPlayerItem(Sword,0)[2:0] needs a count of 1 or more")}},
        {"experience that is no number",
         script(kNode0 + kNode1 + "2|\"Thanks.\";getItem(Sword,1);giveExp(lots);increaseQuest(0)|\"Bye.\";next(0)\n"),
         {at(kGuardScript, 3, "giveExp(lots) gives no experience: \"lots\" is no number")}},
        {"commands in node 0",
         script("0|\"Hello.\";giveExp(5)|\"Any work?\";checkIfnQuest(0);next(1)\n" + kNode1 + kNode2),
         {warning(kGuardScript, 1, "giveExp(5) in node 0 runs again each time the conversation opens")}},
        {"an empty journal",
         journal(""),
         {"data/quests/Find a sword.dat: empty: the quest starts without a journal line and finishes at its first "
          "advance"}},
        {"an empty journal line",
         journal("Bring the guard a sword.\n\n"),
         {warning("data/quests/Find a sword.dat", 2,
                  "an empty journal line: reaching stage 1 adds nothing to the quest log"),
          "data/quests/Find a sword.dat:2: quest 0 gets no further than stage 1: no increaseQuest(0) runs at it, so "
          "the quest never finishes"}},
    });
}

TEST(CheckerSilentMistakes, ConversationFileNames) {
    const auto rename = [](const char* to) {
        return [=](const TempWorld& w) {
            std::filesystem::rename(w.root() + "/data/characters/guard/guard.dg",
                                    w.root() + "/data/characters/guard/" + to);
        };
    };
    expectFindings({
        {"named after the wrong folder",
         rename("Guard.dg"),
         {"data/characters/guard/Guard.dg: the game reads only guard.dg in this folder, so this conversation is never "
          "used and \"guard\" cannot be talked to"}},
        {"a second one beside it",
         write("data\\characters\\guard\\talk.dg", kNode0),
         {"data/characters/guard/talk.dg: warning: the game reads only guard.dg in this folder, so this conversation "
          "is never used"}},
    });
}

TEST(CheckerSilentMistakes, WhereCreaturesAndItemsStand) {
    expectFindings({
        {"a creature on a travel field",
         town("5:1|cave|1:1\n", "3:2|guard\n5:1|guard\n", "2:2|sword\n"),
         {at(kTownIni, 8, "\"guard\" stands on 5:1, a travel field: it closes the way while it stands there")}},
        {"a creature on blocking terrain",
         write("data\\maps\\town\\map.map", "gggggg\nggggg*\nggg#gg\ngggggg\n"),
         {warning(kTownIni, 7, "\"guard\" stands on 3:2, whose terrain '#' nobody can enter")}},
        {"scenery on a creature's field",
         write("data\\maps\\town\\scenery.dat", "[rock] 1 1\n0 3\n3 2\n"),
         {warning(kTownIni, 7, "\"guard\" stands on 3:2 under the \"rock\" of scenery.dat line 3")}},
        {"items nobody can pick up",
         both(town("5:1|cave|1:1\n", "3:2|guard\n", "0:3|sword\n5:1|sword\n2:2|sword\n"),
              write("data\\maps\\town\\map.map", "gggggg\nggggg*\ngg#ggg\ngggggg\n")),
         {at(kTownIni, 9,
             "item \"sword\" lies on 0:3 under the \"rock\" of scenery.dat line 2: it can never be picked up"),
          at(kTownIni, 10,
             "item \"sword\" lies on 5:1, a travel field: stepping there travels, so it can never be picked up"),
          at(kTownIni, 11,
             "item \"sword\" lies on 2:2, whose terrain '#' nobody can enter: it can never be picked up")}},
    });
}

TEST(CheckerSilentMistakes, MapsAndTiles) {
    expectFindings({
        {"travel one way only",
         town("5:1|town|1:1\n", "3:2|guard\n", "2:2|sword\n"),
         {warning("data/maps/cave/data.ini", 5,
                  "leads to map \"town\", but no travel field there leads back to \"cave\"")}},
        {"a map with no way out",
         both(write("data\\maps\\cave\\map.map", "gggg\ngggg\ngggg\n"),
              write("data\\maps\\cave\\data.ini", mapDataIni("", "", "", "tileCount=4\n\"g*#\"\n\"#\"\n"))),
         {at(kTownIni, 5, "leads to map \"cave\", which has no travel field: the player can never leave it")}},
        {"fewer codes than tiles",
         write("data\\maps\\town\\data.ini",
               mapDataIni("5:1|cave|1:1\n", "3:2|guard\n", "2:2|sword\n", "tileCount=5\n\"g*\"\n\"\"\n")),
         {warning(kTownIni, 2,
                  "2 codes for the 4 tiles before the last: tiles 2 to 3 of fields.bmp are never drawn, as no code "
                  "names them"),
          "data/maps/town/fields.bmp: is 100x25, should be 125x25"}},
    });
}

TEST(CheckerSilentMistakes, ItemsAndPictures) {
    const auto white = [](const std::string& path, int w, int h) {
        return [=](const TempWorld& world) { world.writeBitmap(path, w, h, 255, 255, 255); };
    };
    expectFindings({
        {"a sprite sheet larger than its frames",
         [](const TempWorld& w) { w.writeBitmap("data\\characters\\guard\\guard.bmp", 206, 162, 255, 0, 255); },
         {"data/characters/guard/guard.bmp: warning: is 206x162, larger than its eight frames (103x81): the game draws "
          "only the 25x40 at x 0, 26, 52, 78 and y 0, 41"}},
        {"an item on white",
         white("data\\items\\sword\\sword.bmp", 25, 25),
         {"data/items/sword/sword.bmp: warning: its corners are white, which the game draws: outside GUI/ the "
          "see-through colour is magenta (255, 0, 255)"}},
        {"scenery on white",
         white("data\\maps\\town\\rock.bmp", 25, 25),
         {"data/maps/town/rock.bmp: warning: its corners are white, which the game draws: outside GUI/ the see-through "
          "colour is magenta (255, 0, 255)"}},
        {"two items of one name",
         item("sword2", "type=onehanded\nname=Sword\n"),
         {warning(
             "data/items/sword2/data.ini", 2,
             "the name \"Sword\" is item \"sword\"'s too: conversations go by name and cannot tell the two apart")}},
        {"an item without a name",
         item("thing", "type=ring\n"),
         {"data/items/thing/data.ini: warning: no name: the game shows none, and no conversation can give, take or "
          "check the item"}},
        {"a bow that shows no arrow",
         item("bow", "name=Bow\ntype=bow\n"),
         {"data/items/bow/data.ini: warning: a bow without a missileName: nothing is seen flying"}},
        {"arrows without an amount",
         item("arrows", "name=Arrows\ntype=arrow\n"),
         {"data/items/arrows/data.ini: warning: a stack without an amount is gone after one shot"}},
        {"a caster who cannot pay a spell",
         both(
             item("rune", "name=Rune\ntype=dmgRune\nMP=200\nmissileName=arrow\n"),
             [](const TempWorld& w) { writeGuard(w, "name=Guard\nagression=0\nleftHand=rune\n[Inventory]\nsword\n"); }),
         {warning("data/characters/guard/data.ini", 3,
                  "\"rune\" costs 200 MP a spell, but its bearer has only 80: it never casts and fights on foot")}},
    });
}
