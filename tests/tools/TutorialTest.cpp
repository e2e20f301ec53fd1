// The tutorial of docs/content.md, "Add a map beside the village", followed
// to the letter on a copy of the shipped world: every file it writes and
// every command it runs is taken from its text blocks, and each run of the
// checker must print exactly what the page shows after it (nothing where it
// shows nothing). The HTML comments before the blocks say what each block
// is for. Then the meadow is loaded by the game and its quest played through.
#include "tools/CheckerWorld.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "world/Map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const char* const kSection = "## Add a map beside the village";

struct Block {
    std::string action;  // "run", "write", ...
    std::string path;
    std::string argument;  // after " | "
    std::vector<std::string> lines;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// Every "<!-- tag: action path | argument -->" of the page with the code
// block right after it.
std::vector<Block> blocks(const std::vector<std::string>& page, const std::string& tag) {
    std::vector<Block> out;
    const std::string open = "<!-- " + tag + ": ";
    for (size_t i = 0; i < page.size(); ++i) {
        if (page[i].rfind(open, 0) != 0) continue;
        std::string words = page[i].substr(open.size(), page[i].size() - open.size() - 4);
        Block b;
        const size_t bar = words.find(" | ");
        if (bar != std::string::npos) {
            b.argument = words.substr(bar + 3);
            words = words.substr(0, bar);
        }
        const size_t blank = words.find(' ');
        b.action = words.substr(0, blank);
        if (blank != std::string::npos) b.path = words.substr(blank + 1);
        size_t j = i + 1;
        while (j < page.size() && page[j].rfind("```", 0) != 0) ++j;
        for (++j; j < page.size() && page[j] != "```"; ++j) b.lines.push_back(page[j]);
        out.push_back(b);
    }
    return out;
}

std::vector<std::string> wholePage() {
    std::ifstream in(RPG_SOURCE_DIR "/docs/content.md");
    std::stringstream text;
    text << in.rdbuf();
    return linesOf(text.str());
}

std::vector<std::string> tutorialPage() {
    const std::vector<std::string> page = wholePage();
    auto start = std::find(page.begin(), page.end(), kSection);
    auto end = std::find_if(start + (start != page.end()), page.end(),
                            [](const std::string& l) { return l.rfind("## ", 0) == 0; });
    return std::vector<std::string>(start, end);
}

class Follower {
public:
    explicit Follower(const TempWorld& world) : world(world) {
        std::filesystem::create_directories(world.root() + "/build");
        std::filesystem::create_symlink(RPG_CHECK_BINARY, world.root() + "/build/rpg-check");
    }

    std::string file(const std::string& path) const { return world.root() + "/" + path; }

    std::vector<std::string> run(const std::vector<std::string>& commands) const {
        world.write("step.sh", joined(commands));
        FILE* pipe = popen(("cd '" + world.root() + "' && sh step.sh 2>&1").c_str(), "r");
        std::string out;
        char buffer[4096];
        for (size_t got; pipe && (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
        if (pipe) pclose(pipe);
        return linesOf(out);
    }

    void edit(const std::string& path, const std::function<void(std::vector<std::string>&)>& change) const {
        std::vector<std::string> lines = linesOf(world.read(path));
        change(lines);
        world.write(path, joined(lines));
    }

    // Follows one block; false when it is not one the page may use.
    bool follow(const Block& b, const Block* replacement) const {
        if (b.action == "write") {
            world.write(b.path, joined(b.lines));
        } else if (b.action == "append") {
            edit(b.path,
                 [&](std::vector<std::string>& lines) { lines.insert(lines.end(), b.lines.begin(), b.lines.end()); });
        } else if (b.action == "after") {
            edit(b.path, [&](std::vector<std::string>& lines) {
                auto at = std::find(lines.begin(), lines.end(), b.argument);
                ASSERT_NE(at, lines.end()) << b.path << " has no line " << b.argument;
                lines.insert(at + 1, b.lines.begin(), b.lines.end());
            });
        } else if (b.action == "delete") {
            edit(b.path, [&](std::vector<std::string>& lines) {
                for (const std::string& gone : b.lines) {
                    ASSERT_EQ(std::count(lines.begin(), lines.end(), gone), 1) << b.path << ": " << gone;
                    lines.erase(std::find(lines.begin(), lines.end(), gone));
                }
            });
        } else if (b.action == "replace" && replacement && replacement->action == "with") {
            edit(b.path, [&](std::vector<std::string>& lines) {
                auto at = std::search(lines.begin(), lines.end(), b.lines.begin(), b.lines.end());
                ASSERT_NE(at, lines.end()) << b.path << " lacks the lines to replace";
                std::copy(replacement->lines.begin(), replacement->lines.end(), at);
            });
        } else {
            return b.action == "with" || b.action == "output";
        }
        return true;
    }

    const TempWorld& world;
};

// The answer of that text among those shown, counted from 1; 0 when it is not shown.
int32_t answer(const NPC& npc, const std::string& text) {
    for (size_t i = 0; i < npc.dialogue.options.size(); ++i)
        if (npc.dialogue.options[i].text == text) return static_cast<int32_t>(i) + 1;
    return 0;
}

bool carries(const Characters& who, const std::string& name) {
    return std::any_of(who.inventory.begin(), who.inventory.end(),
                       [&](const ItemRef& item) { return item && item->name == name; });
}

}  // namespace

TEST(Tutorial, AddingAMapBesideTheVillageGoesAsThePageSays) {
    const std::vector<std::string> page = tutorialPage();
    ASSERT_FALSE(page.empty()) << "docs/content.md has no section " << kSection;
    const std::vector<Block> steps = blocks(page, "tutorial");
    TempWorld world;
    world.copyShippedData();
    Follower follower(world);

    int runs = 0, checks = 0;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Block& step = steps[i];
        SCOPED_TRACE("block " + std::to_string(i + 1) + ": " + step.action + " " + step.path);
        const Block* next = i + 1 < steps.size() ? &steps[i + 1] : nullptr;
        if (step.action != "run") {
            EXPECT_TRUE(follower.follow(step, next)) << "unknown block";
            continue;
        }
        ++runs;
        const bool shown = next && next->action == "output";
        const std::vector<std::string> expected = shown ? next->lines : std::vector<std::string>{};
        EXPECT_EQ(follower.run(step.lines), expected) << joined(step.lines);
        checks += joined(step.lines).find("rpg-check data") != std::string::npos;
    }
    // The checker after every step, and the pictures of both maps.
    EXPECT_GE(checks, 8);
    EXPECT_GE(runs, 14);
    EXPECT_TRUE(world.exists("village.bmp"));
    EXPECT_TRUE(world.exists("meadow.bmp"));

    // The page's two warnings of what would go wrong, each tried on its own.
    const std::vector<Block> examples = blocks(wholePage(), "example");
    ASSERT_EQ(examples.size(), 2u);
    for (const Block& example : examples) {
        SCOPED_TRACE(example.action);
        const std::string journal = "data/quests/Herbs for the hermit.dat";
        const std::string before = world.read(journal);
        const std::string ini = world.read("data/maps/meadow/data.ini");
        if (example.action == "boar-under-oak") {
            std::string moved = ini;
            moved.replace(moved.find("3:8|boar"), 8, "10:8|boar");
            world.write("data/maps/meadow/data.ini", moved);
        } else {
            for (const char* folder : {"data/quests/", "data/quest/"})
                world.write(folder + std::string("Herbs for the hermit.dat"), before + "A third line.\n");
        }
        EXPECT_EQ(follower.run({"./build/rpg-check data"}), example.lines);
        world.write("data/maps/meadow/data.ini", ini);
        for (const char* folder : {"data/quests/", "data/quest/"})
            world.write(folder + std::string("Herbs for the hermit.dat"), before);
    }
    EXPECT_TRUE(follower.run({"./build/rpg-check data"}).empty());
}

TEST(Tutorial, TheMeadowsQuestIsPlayedThroughByTheGame) {
    const std::vector<Block> steps = blocks(tutorialPage(), "tutorial");
    SdlSession sdl;
    TempWorld world;
    world.copyShippedData();
    const Follower follower(world);
    for (size_t i = 0; i < steps.size(); ++i)
        if (steps[i].action == "run")
            follower.run(steps[i].lines);
        else
            follower.follow(steps[i], i + 1 < steps.size() ? &steps[i + 1] : nullptr);

    Player player(12, 4, "Gracz");
    Map meadow(sdl.screen, "meadow", &player);
    EXPECT_EQ(meadow.moveTargetAt(13, 4), "village|1:17");
    NPC* hermit = dynamic_cast<NPC*>(meadow.fieldAt(5, 6).occupant);
    NPC* boar = dynamic_cast<NPC*>(meadow.fieldAt(3, 8).occupant);
    ASSERT_TRUE(hermit && boar);
    EXPECT_FALSE(hermit->agression);
    EXPECT_TRUE(boar->agression);
    EXPECT_EQ(hermit->name, "Oswin");

    // Say `text`, then see what the hermit answers.
    const auto say = [&](const std::string& text) {
        const int32_t n = answer(*hermit, text);
        EXPECT_GT(n, 0) << text << " is not offered";
        hermit->dialogue.chooseOption(n);
        hermit->dialogue.buildNode(player);
    };
    // As the panel opens a conversation: at node 0, its answers made anew.
    const auto talk = [&] {
        hermit->dialogue.currentNode = 0;
        if (!hermit->dialogue.buildNode(player)) hermit->dialogue.refresh(player);
    };
    talk();
    EXPECT_EQ(answer(*hermit, "I have your herbs."), 0);
    say("Can I help you?");
    ASSERT_EQ(player.quests.size(), 1u);
    EXPECT_EQ(player.quests[0].id, 5);
    EXPECT_EQ(player.quests[0].name, "Herbs for the hermit");
    say("I will.");

    player.addItem(meadow.fieldAt(2, 4).items.back());  // picked up by the pond
    talk();
    say("I have your herbs.");
    say("I will.");
    ASSERT_EQ(player.quests.size(), 1u);
    EXPECT_EQ(player.quests[0].stage, 1);
    EXPECT_FALSE(carries(player, "Healing herbs"));

    for (const ItemRef& item : boar->inventory) player.addItem(item);  // found on its body
    talk();
    const int32_t expBefore = player.exp;
    say("The boar is dead.");
    EXPECT_TRUE(player.quests.empty());
    EXPECT_EQ(player.doneQuests, std::vector<int32_t>{5});
    EXPECT_TRUE(carries(player, "Silver ring"));
    EXPECT_FALSE(carries(*hermit, "Silver ring"));
    EXPECT_EQ(player.exp, expBefore + 150);
}
