#include "tools/CheckerWorld.h"

#include "support/MapFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace {

bool matches(const std::string& line, const std::string& expected) {
    const size_t hole = expected.find("{n}");
    if (hole == std::string::npos) return line == expected;
    const std::string head = expected.substr(0, hole);
    const std::string tail = expected.substr(hole + 3);
    if (line.size() <= head.size() + tail.size() || line.compare(0, head.size(), head) != 0 ||
        line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    return line.substr(head.size(), line.size() - head.size() - tail.size()).find_first_not_of("0123456789") ==
           std::string::npos;
}

bool anError(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (line.find(": warning: ") == std::string::npos) return true;
    return false;
}

struct Picture {
    const char* path;
    int w, h;
};

const Picture kPictures[] = {
    {"GUI\\adds.bmp", 9, 19},
    {"GUI\\emptyStripes.bmp", 200, 40},
    {"GUI\\fullStripes.bmp", 198, 34},
    {"GUI\\field.bmp", 35, 34},
    {"GUI\\NPCPanel.bmp", 100, 140},
    {"GUI\\NPCStripesPanel.bmp", 60, 9},
    {"GUI\\mAttack.bmp", 80, 16},
    {"GUI\\mSearch.bmp", 80, 16},
    {"GUI\\mTrade.bmp", 80, 16},
    {"GUI\\mTalk.bmp", 80, 16},
    {"GUI\\mPickUp.bmp", 80, 16},
    {"GUI\\panelStats.bmp", 300, 210},
    {"GUI\\panelPSPA.bmp", 60, 35},
    {"GUI\\panelIventChar.bmp", 219, 160},
    {"GUI\\panelIventory.bmp", 385, 280},
    {"GUI\\arrows.bmp", 18, 21},
    {"GUI\\enemyInventory.bmp", 290, 175},
    {"GUI\\enemyButtons.bmp", 56, 73},
    {"GUI\\textPanel.bmp", 445, 250},
    {"GUI\\questPanel.bmp", 445, 250},
    {"menu\\menubk.bmp", 800, 600},
    {"menu\\loadsavebk.bmp", 800, 600},
    {"menu\\arrows.bmp", 18, 21},
    {"menu\\button.bmp", 20, 30},
    {"menu\\box.bmp", 40, 30},
    {"smog.bmp", 75, 25},
    {"blood.bmp", 75, 25},
    {"missiles\\arrow.bmp", 100, 25},
    {"characters\\Gracz\\Gracz.bmp", 103, 81},
    {"maps\\town\\rock.bmp", 25, 25},
};

const char* const kHeader = "tileCount=4\n\"g*#\"\n\"#\"\n";

}  // namespace

std::string townIni(const std::string& moves, const std::string& npcs, const std::string& items) {
    return mapDataIni(moves, npcs, items, kHeader);
}

void writeGuard(const TempWorld& world, const std::string& dataIni) { writeCharacter(world, "guard", dataIni); }

void writeItemFolder(const TempWorld& world, const std::string& id, const std::string& dataIni) {
    world.write("data\\items\\" + id + "\\data.ini", dataIni);
    world.writeBitmap("data\\items\\" + id + "\\" + id + ".bmp", 25, 25, 200, 100, 50);
}

void erase(const TempWorld& world, const std::string& path) {
    std::string native = world.root() + "/" + path;
    for (char& c : native)
        if (c == '\\') c = '/';
    std::filesystem::remove(native);
}

void writeCleanWorld(const TempWorld& world) {
    for (const Picture& p : kPictures) world.writeBitmap(std::string("data\\") + p.path, p.w, p.h, 90, 90, 90);
    world.copyShippedData("comic.ttf");
    const std::string button = "10 10 20 10 button\n";
    world.write("data\\menu\\menu.dat", button + button + button + button + button);
    world.write("data\\menu\\slmenu.dat", "0 0 40 30 box\n" + button + button + button + button);

    world.write("data\\maps.dat", "town\ncave\n");
    world.write("data\\maps\\start.dat", "town 1 1\n");
    writeMap(world, "town", townIni(), "gggggg\nggggg*\ngggggg\ngggggg\n");
    world.write("data\\maps\\town\\scenery.dat", "[rock] 1 1\n0 3\n");
    writeMap(world, "cave", mapDataIni("0:1|town|4:1\n", "", "", kHeader), "gggg\n*ggg\ngggg\n");
    world.writeBitmap("data\\maps\\town\\fields.bmp", 100, 25, 90, 90, 90);
    world.writeBitmap("data\\maps\\cave\\fields.bmp", 100, 25, 90, 90, 90);

    writeItemFolder(world, "sword", "name=Sword\ntype=onehanded\nattack=5\n");
    writeGuard(world, "name=Guard\nagression=0\nrightHand=sword\n[Inventory]\nsword\n");
    world.write("data\\characters\\guard\\guard.dg",
                "0|\"Hello.\"|\"Any work?\";checkIfnQuest(0);next(1)|\"Bye.\";next(0)\n"
                "1|\"Bring me a sword.\";startQuest(0)|\"Here it is.\";checkPlayerItem(Sword,1)[2:0]\n"
                "2|\"Thanks.\";getItem(Sword,1);increaseQuest(0)|\"Bye.\";next(0)\n");
    world.write("data\\quests\\questlist.dat", "Find a sword\n");
    world.write("data\\quests\\Find a sword.dat", "Bring the guard a sword.\n");
    world.write("data\\quest\\Find a sword.dat", "Bring the guard a sword.\n");
}

CheckRun runChecker(const TempWorld& world, const std::string& folder) {
    return runCheckerWith(world, "'" + folder + "'");
}

CheckRun runCheckerWith(const TempWorld& world, const std::string& arguments, const std::string& environment) {
    CheckRun run;
    const std::string command =
        "cd '" + world.root() + "' && " + environment + " '" RPG_CHECK_BINARY "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::string out;
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
    const int status = pclose(pipe);
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    size_t start = 0;
    for (size_t end = out.find('\n'); end != std::string::npos; end = out.find('\n', start)) {
        run.lines.push_back(out.substr(start, end - start));
        start = end + 1;
    }
    if (start < out.size()) run.lines.push_back(out.substr(start));
    return run;
}

void expectFindings(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempWorld world;
        writeCleanWorld(world);
        c.breakIt(world);
        const CheckRun run = runChecker(world);
        EXPECT_EQ(run.status, anError(c.expected) ? 1 : 0);
        EXPECT_EQ(run.lines.size(), c.expected.size()) << ::testing::PrintToString(run.lines);
        if (run.lines.size() != c.expected.size()) continue;
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_TRUE(matches(run.lines[i], c.expected[i])) << run.lines[i];
    }
}
