// Damaged files through the real binary in a real window: truncated, forged
// and random versions of each working file (carried into the game by a save
// that is otherwise whole), of the saves themselves and of the save list,
// loaded through the menus one after another. After each the game is still
// up and answers Escape.
#include "support/RealWindow.h"
#include "util/BinaryIO.h"

#include <cctype>
#include <random>
#include <sstream>

namespace {

struct Variant {
    std::string name;
    std::string bytes;
};

std::string le(std::initializer_list<int32_t> numbers, std::initializer_list<std::string> texts = {}) {
    std::ostringstream out;
    BinaryWriter w(out);
    for (int32_t n : numbers) w.writeInt(n);
    for (const std::string& t : texts) w.writeText(t);
    return out.str();
}

// A fresh player by the village's start, written as the game writes it.
std::string playerFile() {
    std::string bytes = le({25, 19, 0, 0, 0, 0}) + le({}, {"", "", "", "", "", "", "", "", "", ""});
    bytes += le({0}, {"", "", ""}) + le({-2, -2}, {"", "", ""});
    return bytes + le({0, 0, 500, 100, 100, 80, 80, 5, 5, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5});
}

// The village with a loaf by the player and the guard holding a badge.
std::string villageFile() {
    return le({1, 1, 5, 26, 19}) + "bread" + le({5, 43, 16, 2}) + "guard" + le({1}, {"badge"});
}

std::string saveOf(const std::string& start, const std::string& player, const std::string& village) {
    return le({}, {start, player, "data\\village.tmp", village});
}

std::string noise(size_t size, uint32_t seed) {
    std::minstd_rand dice(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(dice() & 0xFF);
    return bytes;
}

// Truncated, forged and random versions of one file.
std::vector<Variant> damaged(const std::string& file, const std::string& forged, uint32_t seed) {
    return {{"truncated", file.substr(0, file.size() / 2)},
            {"cut after four bytes", file.substr(0, 4)},
            {"forged", forged},
            {"random", noise(file.size(), seed)}};
}

// Saves 1..n, the first variant listed at the top.
std::string listOf(size_t count) {
    std::ostringstream out;
    BinaryWriter w(out);
    w.writeInt(static_cast<int32_t>(count));
    w.writeInt(static_cast<int32_t>(count));
    for (size_t slot = 1; slot <= count; ++slot) {
        w.writeText(" 12:" + std::to_string(slot) + "     1 Jan 2026");
        w.writeInt(static_cast<int32_t>(slot));
        w.writeInt(static_cast<int32_t>(count + 1 - slot));
    }
    return out.str();
}

// The saves that carry each kind of damaged file, by the name of the file.
std::vector<Variant> savesFor(const std::string& kind) {
    const std::string player = playerFile();
    const std::string village = villageFile();
    std::vector<Variant> saves;
    if (kind == "player.tmp") {
        // A quest count of two billion, then a text of a billion bytes.
        for (const Variant& v : damaged(player, le({25, 19, 2000000000, 0, 1000000000}), 7))
            saves.push_back({v.name, saveOf("village", v.bytes, village)});
    } else if (kind == "village.tmp") {
        // A billion items, a creature far off the grid with a negative id length.
        for (const Variant& v : damaged(village, le({1000000000, 1, -5, 26, 19, 12, 99999, -99999, 7}), 11))
            saves.push_back({v.name, saveOf("village", player, v.bytes)});
    } else if (kind == "start.tmp") {
        for (const Variant& v : damaged("village", "forest\n\x01\x02 ..\\..\\x", 13))
            saves.push_back({v.name, saveOf(v.bytes, player, village)});
    } else {
        const std::string whole = saveOf("village", player, village);
        saves = damaged(whole, le({7}) + "village" + le({2000000000}) + player, 17);
    }
    return saves;
}

class DamagedFiles : public RealWindow, public testing::WithParamInterface<const char*> {
protected:
    void adjustWorld() override {
        const std::string kind = GetParam();
        if (kind == "savelist.sav") {
            lists = damaged(listOf(3), le({5, 1000000000, 2000000000}) + "x" + le({-1, 1, 0, 3, 3}), 19);
            world.write("data/saves/savelist.sav", lists.front().bytes);
            world.write("data/saves/1.sav", saveOf("village", playerFile(), villageFile()));
            return;
        }
        saves = savesFor(kind);
        for (size_t i = 0; i < saves.size(); ++i)
            world.write("data/saves/" + std::to_string(i + 1) + ".sav", saves[i].bytes);
        world.write("data/saves/savelist.sav", listOf(saves.size()));
    }

    void click(int px, int py) {
        xdotool("mousemove --window " + window + " " + std::to_string(px) + " " + std::to_string(py) + " click 1");
        pause(600);
    }
    // Escape changes what the window shows, and the game is still running.
    void expectEscapeAnswered(const std::string& what) {
        const std::string before = screenshot(x, window);
        xdotool("key --window " + window + " Escape");
        bool changed = false;
        for (int i = 0; i < 30 && !changed; ++i) {
            pause(200);
            changed = screenshot(x, window) != before;
        }
        EXPECT_TRUE(changed) << what << ": Escape went unanswered";
        EXPECT_EQ(game->waitExit(0), -1) << what << ": the game is gone; it said:\n" << game->output();
    }
    // Quit in the main menu (0) or the in-game menu (1), at (290, 438).
    void quitFromTheMenuOrGame() {
        click(400, 461);
        const int code = game->waitExit(20);
        EXPECT_TRUE(code == 0 || code == 1) << "quitting answered " << code;
    }
    // The shipped layout: the menus' load button below (290, 382), the
    // list's lines from (140, 112) 20 pixels apart, the screen's load button
    // at (140, 452).
    // True when a game came up from it.
    bool loadLine(size_t line) {
        click(400, 405);
        click(300, 125 + 20 * static_cast<int>(line));
        click(215, 473);
        for (int i = 0; i < 20; ++i, pause(200))
            if (hpBarShown(screenshot(x, window))) return true;
        return false;
    }

    std::vector<Variant> saves;
    std::vector<Variant> lists;
};

TEST_P(DamagedFiles, EveryVersionLoadsOrIsRefusedAndTheGameAnswersEscape) {
    const std::string kind = GetParam();
    if (kind == "savelist.sav") {
        for (size_t i = 0; i < lists.size(); ++i) {
            if (i > 0) {
                world.write("data/saves/savelist.sav", lists[i].bytes);
                game = std::make_unique<GameProcess>(x, world.root());
                window.clear();
                for (int k = 0; k < 100 && window.empty(); ++k, pause(200))
                    std::istringstream(runOn(x, "xdotool search --onlyvisible --name '^RPG$'")) >> window;
                ASSERT_FALSE(window.empty()) << lists[i].name << ": the game did not start";
                pause(500);
            }
            loadLine(0);
            expectEscapeAnswered("savelist.sav, " + lists[i].name);
            quitFromTheMenuOrGame();
        }
        return;
    }
    for (size_t i = 0; i < saves.size(); ++i) {
        const bool loaded = loadLine(i);
        // The save around a damaged player or map file is whole: the game
        // must come up from it, reading what it can of that file.
        if (kind == "player.tmp" || kind == "village.tmp") {
            EXPECT_TRUE(loaded) << kind << ", " << saves[i].name;
        }
        expectEscapeAnswered(kind + ", " + saves[i].name);
        if (HasFailure()) return;
    }
    quitFromTheMenuOrGame();
}

INSTANTIATE_TEST_SUITE_P(Sweep, DamagedFiles,
                         testing::Values("player.tmp", "village.tmp", "start.tmp", "save", "savelist.sav"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name;
                             for (const char* c = info.param; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

}  // namespace
