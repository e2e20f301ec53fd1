// The shipped quest "Wolf pelts for Tomas" played from the title screen to
// its end in the built game, through the X server only, then saved, and
// loaded in a second run. The test can't see the screen: it plans its walks
// on the shipped maps, read with the game's own Map, and learns where the
// player and the creatures are from the working files the game writes each
// time its menu opens. Its sound goes to a file: the fight and the quest's
// steps are heard.
#include "support/DiskSound.h"
#include "support/RealWindow.h"

#include "util/BinaryIO.h"
#include "world/Map.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <queue>
#include <sstream>

namespace {

using Clock = std::chrono::steady_clock;

// Directions as the game counts them: 1 up, 2 down, 3 left, 4 right.
const char* const kArrow[5] = {"", "Up", "Down", "Left", "Right"};
constexpr int kStepX[5] = {0, 0, 0, -1, 1};
constexpr int kStepY[5] = {0, -1, 1, 0, 0};

// Hostile creatures within this many fields (in either axis) come for the
// player; up to this column of the forest the bandits and the dead are
// farther away than that, and a player with a dagger stays out of their fights.
constexpr int kSightRange = 10;
constexpr int kForestSafeColumn = 29;
// Two wolves strike for 40 or more in the two seconds between looks: below
// this a potion is drunk.
constexpr int kDrinkAtHP = 60;

struct Spot {
    int32_t column = 0, row = 0;
    bool operator==(const Spot& o) const { return column == o.column && row == o.row; }
};

struct Creature {
    std::string id;
    Spot at;
};

// What the game wrote as its menu opened.
struct Look {
    std::string map;
    std::string playerFile;
    Spot at{-1, -1};
    std::vector<std::pair<int32_t, int32_t>> quests;  // id, stage
    std::vector<int32_t> done;
    std::vector<std::string> pack;
    std::string leftHand;
    int32_t exp = 0, HP = 0;
    std::vector<Creature> creatures;

    int carried(const std::string& id) const { return static_cast<int>(std::count(pack.begin(), pack.end(), id)); }
    std::vector<Creature> all(const std::string& id) const {
        std::vector<Creature> found;
        for (const Creature& c : creatures)
            if (c.id == id) found.push_back(c);
        return found;
    }
    bool taken(Spot f) const {
        return std::any_of(creatures.begin(), creatures.end(), [&](const Creature& c) { return c.at == f; });
    }
    int stageOf(int32_t id) const {
        for (auto [quest, stage] : quests)
            if (quest == id) return stage;
        return -1;
    }
    std::string describe() const {
        std::ostringstream out;
        out << map << " " << at.column << ":" << at.row << ", HP " << HP << ", exp " << exp << ", pack";
        for (const std::string& id : pack) out << " " << id;
        out << "; creatures";
        for (const Creature& c : creatures) out << " " << c.id << "@" << c.at.column << ":" << c.at.row;
        return out.str();
    }
};

// Just what the walks and checks need of data\player.tmp.
void readPlayer(const std::string& bytes, Look& look) {
    std::istringstream file(bytes);
    BinaryReader in(file);
    int32_t count = 0, number = 0, stage = 0;
    std::string text;
    in.readInt(look.at.column);
    in.readInt(look.at.row);
    in.readCount(count, 16);
    for (int32_t i = 0; i < count && in.readInt(stage) && in.readInt(number); ++i) {
        in.readText(text);
        in.readText(text);
        look.quests.push_back({number, stage});
    }
    in.readCount(count, 4);
    for (int32_t i = 0; i < count && in.readInt(number); ++i) look.done.push_back(number);
    in.readInt(number);
    in.readInt(number);
    for (int i = 0; i < 10; ++i) in.readText(text);
    in.readCount(count, 8);
    for (int32_t i = 0; i < count && in.readInt(number) && in.readText(text); ++i) look.pack.push_back(text);
    for (int i = 0; i < 3; ++i) in.readText(text);
    if (in.readInt(number) && number >= 0) in.readText(look.leftHand);
    if (in.readInt(number) && number >= 0) in.readText(text);
    for (int i = 0; i < 3; ++i) in.readText(text);
    in.readInt(look.exp);
    in.readInt(number);
    in.readInt(number);
    in.readInt(look.HP);
}

// The creature records of data\<map>.tmp.
std::vector<Creature> readCreatures(const std::string& bytes) {
    std::istringstream file(bytes);
    BinaryReader in(file);
    int32_t items = 0, creatures = 0, length = 0, number = 0;
    std::string text;
    in.readInt(items);
    in.readInt(creatures);
    for (int32_t i = 0; i < items && in.readInt(length) && in.readInt(number) && in.readInt(number); ++i)
        in.readBytes(length, text);
    std::vector<Creature> found;
    for (int32_t i = 0; i < creatures && in.ok(); ++i) {
        Creature c;
        in.readInt(length);
        in.readInt(c.at.column);
        in.readInt(c.at.row);
        in.readInt(number);
        in.readBytes(length, c.id);
        in.readCount(number, 4);
        for (int32_t k = 0, carried = number; k < carried; ++k) in.readText(text);
        if (in.ok()) found.push_back(c);
    }
    return found;
}

// Where a player may go on a map: Map::canEnter with the creatures taken
// away, for they are wherever the last look found them.
struct Terrain {
    int32_t cols = 0, rows = 0;
    std::vector<int> answers;
    bool inside(Spot f) const { return f.column >= 0 && f.row >= 0 && f.column < cols && f.row < rows; }
    size_t index(Spot f) const { return static_cast<size_t>(f.row) * cols + f.column; }
    int at(Spot f) const { return inside(f) ? answers[index(f)] : kBlocked; }
};

// Shortest walks from where the player stands, over fields nobody holds that
// `may` lets it enter (given the terrain's answer); none beyond a travel field.
class Paths {
public:
    Paths(const Terrain& terrain, const Look& look, const std::function<bool(Spot, int)>& may)
        : terrain(terrain), entered(terrain.answers.size(), -1), length(terrain.answers.size(), 0) {
        if (!terrain.inside(look.at)) return;
        std::queue<Spot> open;
        entered[terrain.index(look.at)] = 0;
        for (open.push(look.at); !open.empty(); open.pop()) {
            const Spot here = open.front();
            if (terrain.at(here) == kTravel) continue;
            for (int d = 1; d <= 4; ++d) {
                const Spot next{here.column + kStepX[d], here.row + kStepY[d]};
                const int answer = terrain.at(next);
                if (answer == kBlocked || reaches(next) || look.taken(next) || !may(next, answer)) continue;
                entered[terrain.index(next)] = d;
                length[terrain.index(next)] = length[terrain.index(here)] + 1;
                open.push(next);
            }
        }
    }
    bool reaches(Spot f) const { return terrain.inside(f) && entered[terrain.index(f)] >= 0; }
    int walk(Spot f) const { return reaches(f) ? length[terrain.index(f)] : 1 << 30; }
    std::vector<int> to(Spot f) const {
        std::vector<int> steps;
        while (reaches(f) && entered[terrain.index(f)] > 0) {
            const int d = entered[terrain.index(f)];
            steps.insert(steps.begin(), d);
            f = {f.column - kStepX[d], f.row - kStepY[d]};
        }
        return steps;
    }
    // The reachable field nearest to `target`, the shorter walk on a tie.
    Spot closestTo(Spot target) const {
        Spot best{-1, -1};
        int bestGap = 1 << 30;
        for (int32_t r = 0; r < terrain.rows; ++r)
            for (int32_t c = 0; c < terrain.cols; ++c) {
                const int gap = std::abs(c - target.column) + std::abs(r - target.row);
                if (reaches({c, r}) && (gap < bestGap || (gap == bestGap && walk({c, r}) < walk(best))))
                    best = {c, r}, bestGap = gap;
            }
        return best;
    }

private:
    const Terrain& terrain;
    std::vector<int> entered;  // the direction that entered each field; 0 the start, -1 unreached
    std::vector<int> length;
};

int directionTo(Spot from, Spot to) {
    for (int d = 1; d <= 4; ++d)
        if (from.column + kStepX[d] == to.column && from.row + kStepY[d] == to.row) return d;
    return 0;
}

int sightGap(Spot a, Spot b) { return std::max(std::abs(a.column - b.column), std::abs(a.row - b.row)); }

class PlayThrough : public RealWindow {
protected:
    void launch() override {
        game = std::make_unique<GameProcess>(x, world.root(), RPG_BINARY, sound.environment());
        findWindow();
    }
    void adjustWorld() override {
        // No music: whatever is heard is the game's effects.
        for (const char* music : {"menu/music.ogg", "maps/village/music.ogg", "maps/forest/music.ogg"})
            std::remove((world.root() + "/data/" + music).c_str());
        // A Map writes its state file when it goes: let that be somewhere else.
        TempWorld scratch;
        scratch.copyShippedData();
        SdlSession sdl;
        for (const char* name : {"village", "forest"}) {
            Map map(sdl.screen, name, nullptr);
            Terrain& t = terrain[name];
            t.cols = map.cols;
            t.rows = map.rows;
            for (int32_t r = 0; r < map.rows; ++r)
                for (int32_t c = 0; c < map.cols; ++c) {
                    const int answer = map.canEnter(c, r);
                    t.answers.push_back(answer == kOccupied ? kFree : answer);
                }
        }
    }

    // Escape, and the working files once the in-game menu is up.
    Look openMenu() {
        Look look;
        xdotool("key Escape");
        for (int i = 0; i < 200; ++i) {
            pause(50);
            if (inGameMenuShown(screenshot(x, window))) {
                look.map = world.read("data/start.tmp");
                look.map.erase(look.map.find_last_not_of(" \r\n") + 1);
                look.playerFile = world.read("data/player.tmp");
                readPlayer(look.playerFile, look);
                look.creatures = readCreatures(world.read("data/" + look.map + ".tmp"));
                return look;
            }
        }
        ADD_FAILURE() << "the in-game menu did not open (has the player died?)";
        return look;
    }
    static bool inGameMenuShown(const std::string& shot) {
        if (shot.size() != 800u * 600u * 3u) return false;
        auto pixel = [&](int px, int py, int k) { return static_cast<unsigned char>(shot[(py * 800 + px) * 3 + k]); };
        const bool hpBar = pixel(24, 570, 0) > 150 && pixel(24, 570, 1) < 100;  // red while a game is on
        const bool resume = pixel(300, 237, 0) - pixel(300, 237, 2) >= 40;      // the wooden Resume button
        return !hpBar && resume;
    }
    Look lookAround() {
        Look look = openMenu();
        xdotool("key Escape");  // resumes
        return look;
    }
    void click(int px, int py) {
        xdotool("mousemove --window " + window + " " + std::to_string(px) + " " + std::to_string(py) + " click 1");
        pause(400);
    }

    // Arrow keys for these steps; a key for another direction first turns.
    void walk(const std::vector<int>& steps) {
        std::string keys;
        for (int d : steps) {
            if (facing != d) keys += std::string(" ") + kArrow[d];
            keys += std::string(" ") + kArrow[d];
            facing = d;
        }
        if (!keys.empty()) xdotool("key --delay 90" + keys);
    }
    void face(int d) {
        // Toward a creature: the field is taken, so the key only turns.
        xdotool(std::string("key ") + kArrow[d]);
        facing = d;
    }

    Paths pathsFrom(const Look& look, const std::function<bool(Spot, int)>& may) const {
        static const Terrain nowhere;  // a look that failed has no map
        const auto known = terrain.find(look.map);
        return Paths(known == terrain.end() ? nowhere : known->second, look, may);
    }
    static bool inForestZone(const Look& look, Spot f) {
        return look.map != "forest" || f.column <= kForestSafeColumn;
    }

    // Walks to the field (a travel field only when it is the goal), planning
    // anew from where each look finds the player; true once there.
    bool walkTo(Look& look, Spot goal, int tries = 4) {
        const std::string map = look.map;
        for (int i = 0; i < tries && look.map == map && !(look.at == goal); ++i) {
            const Paths paths = pathsFrom(look, [&](Spot f, int answer) {
                return f == goal || (answer == kFree && inForestZone(look, f));
            });
            if (!paths.reaches(goal)) return false;
            walk(paths.to(goal));
            look = lookAround();
        }
        return look.at == goal || look.map != map;
    }

    // Beside the NPC, facing it, the panel opened and the answers chosen by
    // number, then closed, until `said` holds. A loaded machine can hold a key
    // down past the key repeat, and the key then counts twice; turning away
    // ends a conversation left half done, and it starts again.
    void talk(Look& look, const std::string& who, const std::string& answers,
              const std::function<bool(const Look&)>& said) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const std::vector<Creature> found = look.all(who);
            ASSERT_EQ(found.size(), 1u) << who << " on " << look.describe();
            const Spot npc = found[0].at;
            const Paths paths = pathsFrom(look, [](Spot, int answer) { return answer == kFree; });
            Spot best{-1, -1};
            for (int d = 1; d <= 4; ++d)
                if (const Spot beside{npc.column + kStepX[d], npc.row + kStepY[d]};
                    paths.walk(beside) < paths.walk(best))
                    best = beside;
            ASSERT_TRUE(walkTo(look, best)) << "could not walk up to " << who << ": " << look.describe();
            face(directionTo(look.at, npc));
            xdotool("key --delay 400 r " + answers + " r");
            pause(300);
            look = lookAround();
            if (said(look)) return;
            face(facing % 4 + 1);  // a key for another direction only turns
        }
    }

    // Fights the forest's wolves where they come for the player and takes
    // what their corpses hold, until three pelts are carried.
    void huntWolves(Look& look, Clock::time_point deadline) {
        std::vector<Spot> corpses;  // not searched yet, one entry per corpse
        std::vector<Creature> before = look.all("wolf");
        Spot struck{-1, -1};
        int stillLooks = 0;
        while (look.carried("wolfpelt") < 3) {
            ASSERT_LT(Clock::now(), deadline) << "the wolf hunt took too long: " << look.describe();
            ASSERT_EQ(look.map, "forest") << look.describe();
            const std::vector<Creature> wolves = look.all("wolf");
            // Only the field in front is ever struck: every wolf gone lies there.
            for (size_t k = wolves.size(); k < before.size() && struck.column >= 0; ++k) corpses.push_back(struck);
            struck = {-1, -1};
            const auto adjacent = std::find_if(wolves.begin(), wolves.end(),
                                               [&](const Creature& w) { return directionTo(look.at, w.at) != 0; });
            bool coming = false;
            for (const Creature& w : wolves)
                if (sightGap(w.at, look.at) <= kSightRange &&
                    std::none_of(before.begin(), before.end(), [&](const Creature& b) { return b.at == w.at; }))
                    coming = true;
            const bool inSight = std::any_of(wolves.begin(), wolves.end(), [&](const Creature& w) {
                return sightGap(w.at, look.at) <= kSightRange;
            });
            before = wolves;
            stillLooks = coming ? 0 : stillLooks + 1;

            if (look.HP <= kDrinkAtHP && look.carried("hppotion") > 0) {
                drinkPotion(look);
            } else if (adjacent != wolves.end()) {
                face(directionTo(look.at, adjacent->at));
                xdotool("key --delay 1050 a a");
                struck = adjacent->at;
                look = lookAround();
            } else if (!corpses.empty()) {
                const Spot corpse = corpses.back();
                const int here = static_cast<int>(std::count(corpses.begin(), corpses.end(), corpse));
                const int pelts = look.carried("wolfpelt");
                if (!walkTo(look, corpse, 1)) {
                    pause(500);  // a wolf in the way: it comes to be fought first
                    look = lookAround();
                    continue;
                }
                searchCorpses(here);
                look = lookAround();
                ASSERT_EQ(look.carried("wolfpelt"), pelts + here)
                    << "searched " << here << " corpse(s) at " << corpse.column << ":" << corpse.row << ": "
                    << look.describe();
                corpses.erase(std::remove(corpses.begin(), corpses.end(), corpse), corpses.end());
            } else if (inSight && stillLooks < 3) {
                pause(700);  // they are on their way
                look = lookAround();
            } else {
                ASSERT_FALSE(wolves.empty()) << "no wolves left, but only " << look.carried("wolfpelt") << " pelts";
                const Creature nearest = *std::min_element(wolves.begin(), wolves.end(), [&](auto& a, auto& b) {
                    return sightGap(a.at, look.at) < sightGap(b.at, look.at);
                });
                const Paths paths = pathsFrom(look, [&](Spot f, int answer) {
                    return answer == kFree && inForestZone(look, f);
                });
                std::vector<int> steps = paths.to(paths.closestTo(nearest.at));
                steps.resize(std::min<size_t>(steps.size(), inSight ? 2 : 6));
                walk(steps);
                stillLooks = 0;
                look = lookAround();
            }
        }
    }

    // A health potion from the pack, right-clicked in the inventory.
    void drinkPotion(Look& look) {
        const int hp = look.HP;
        const int index = static_cast<int>(std::find(look.pack.begin(), look.pack.end(), "hppotion") - look.pack.begin());
        xdotool("key Tab");
        pause(300);
        xdotool("mousemove --window " + window + " " + std::to_string(259 + 33 * (index % 11)) + " " +
                std::to_string(31 + 33 * (index / 11)) + " click 3");
        pause(300);
        xdotool("key Tab");
        look = lookAround();
        ASSERT_GT(look.HP, hp) << "the potion did not heal: " << look.describe();
    }

    // 's' opens the search window of the top corpse under the player.
    void searchCorpses(int count) {
        xdotool("key s");
        pause(300);
        for (int i = 0; i < count; ++i) {
            click(330, 410);                     // take all
            if (i + 1 < count) click(330, 440);  // remove the emptied corpse: the next one shows
        }
        xdotool("key s");
    }

    std::map<std::string, Terrain> terrain;
    int facing = 2;  // a new player looks down
    DiskSound sound{world.root() + "/sound.raw"};
};

}  // namespace

TEST_F(PlayThrough, WolfPeltsForTomasFromNewGameToSavedAndLoaded) {
    const auto deadline = Clock::now() + std::chrono::seconds(130);
    startNewGame();
    xdotool("windowfocus --sync " + window);
    Look look = lookAround();
    ASSERT_EQ(look.map, "village");

    // The dagger by the well, picked up and dragged into the left hand.
    ASSERT_TRUE(walkTo(look, {23, 21})) << "walking to the dagger: " << look.describe();
    xdotool("key --delay 300 p Tab");
    pause(400);
    xdotool("mousemove --window " + window + " 258 30 mousedown 1 sleep 0.3 mousemove --window " + window +
            " 180 90 sleep 0.3 mousemove --window " + window + " 100 138 sleep 0.3 mouseup 1");
    pause(300);
    xdotool("key Tab");
    look = lookAround();
    ASSERT_EQ(look.leftHand, "dagger") << look.describe();

    // The two health potions beside the square.
    for (Spot potion : {Spot{28, 21}, Spot{29, 21}}) {
        ASSERT_TRUE(walkTo(look, potion)) << "walking to a potion: " << look.describe();
        xdotool("key p");
        look = lookAround();
    }
    ASSERT_EQ(look.carried("hppotion"), 2) << look.describe();

    // Tomas: "You look worried.", "I will hunt them for you."
    ASSERT_NO_FATAL_FAILURE(talk(look, "villager", "3 1", [](const Look& l) { return l.stageOf(0) == 0; }));
    ASSERT_EQ(look.stageOf(0), 0) << "Tomas did not give the quest: " << look.describe();

    // The east road into the forest, and the three wolves there.
    ASSERT_TRUE(walkTo(look, {47, 17})) << look.describe();
    ASSERT_EQ(look.map, "forest") << "the east road leads into the forest";
    const size_t huntFrom = sound.written();
    ASSERT_NO_FATAL_FAILURE(huntWolves(look, deadline - std::chrono::seconds(40)));
    ASSERT_EQ(look.carried("wolfpelt"), 3);
    EXPECT_GT(sound.loudest(huntFrom, sound.written()), 3000) << "the fight with the wolves is heard";

    // Back to the village; Tomas: "About the wolf pelts...", "Here they are."
    ASSERT_TRUE(walkTo(look, {0, 19})) << look.describe();
    ASSERT_EQ(look.map, "village") << "the west road leads back";
    const int potionsLeft = look.carried("hppotion");
    const size_t handInFrom = sound.written();
    ASSERT_NO_FATAL_FAILURE(talk(look, "villager", "3 1", [](const Look& l) { return l.stageOf(0) == 1; }));
    ASSERT_EQ(look.stageOf(0), 1) << "Tomas did not take the pelts: " << look.describe();
    EXPECT_EQ(look.carried("wolfpelt"), 0);

    // Old Marek: "I bring word from Tomas.", "The wolves on the forest road are dead."
    ASSERT_NO_FATAL_FAILURE(talk(look, "farmer", "2 1", [](const Look& l) { return !l.done.empty(); }));
    ASSERT_EQ(look.done, std::vector<int32_t>{0}) << "Marek did not finish the quest: " << look.describe();
    ASSERT_LT(Clock::now(), deadline) << "the quest took too long";
    EXPECT_GT(sound.loudest(handInFrom, sound.written()), 3000) << "the conversations and the quest's steps are heard";

    // Saved: Save, the new line "...", the screen's save button, back; then quit.
    const Look saved = openMenu();
    ASSERT_FALSE(saved.playerFile.empty());
    click(400, 293);
    click(300, 125);
    click(215, 473);
    click(585, 473);
    ASSERT_TRUE(world.exists("data/saves/1.sav")) << "the game was not saved";
    quitFromTheMenu();

    // The second run loads it from the title screen's Load.
    ASSERT_NO_FATAL_FAILURE(startAgain());
    pause(500);
    click(400, 405);
    click(300, 125);
    click(215, 473);
    for (int i = 0; i < 50 && !hpBarShown(screenshot(x, window)); ++i) pause(200);
    xdotool("windowfocus --sync " + window);
    const Look loaded = openMenu();
    ASSERT_FALSE(loaded.playerFile.empty()) << "the loaded game did not start";
    quitFromTheMenu();

    SdlSession sdl;
    const Player done = playerFrom(saved.playerFile);
    const Player again = playerFrom(loaded.playerFile);
    EXPECT_EQ(done.doneQuests, std::vector<int32_t>{0});
    EXPECT_TRUE(done.quests.empty());
    // Three wolves at 60 each, Tomas 300, Marek 100.
    EXPECT_EQ(done.exp, 3 * 60 + 300 + 100);
    std::map<std::string, int> carried;
    for (const ItemRef& item : done.inventory) ++carried[item->name];
    EXPECT_EQ(carried["Health potion"], potionsLeft + 2) << "Tomas's reward";
    EXPECT_EQ(carried["Leather armour"], 1) << "Tomas's reward";
    EXPECT_EQ(carried["Bread"], 2) << "Marek's reward";
    EXPECT_EQ(carried["Wolf pelt"], 0);

    EXPECT_EQ(again.doneQuests, done.doneQuests);
    EXPECT_EQ(again.exp, done.exp);
    EXPECT_EQ(again.x * 1000 + again.y, done.x * 1000 + done.y);
    EXPECT_EQ(loaded.map, saved.map);
    EXPECT_EQ(loaded.pack, saved.pack);
    ASSERT_TRUE(again.leftHand);
    EXPECT_EQ(again.leftHand->id, "dagger");
}
