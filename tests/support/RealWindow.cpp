#include "support/RealWindow.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace {

// Polls rather than using xdotool's --sync, which gives up at the first X
// error (a window SDL replaces while it sets the video mode, say).
std::string findGameWindow(const XServer& x) {
    std::string first;
    for (int i = 0; i < 100 && first.empty(); ++i) {
        if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::istringstream in(runOn(x, "xdotool search --onlyvisible --name '^RPG$'"));
        in >> first;
    }
    return first;
}

struct Rgb {
    int r, g, b;
};
Rgb pixel(const std::string& shot, int px, int py) {
    size_t at = (static_cast<size_t>(py) * 800 + px) * 3;
    if (shot.size() < at + 3) return {-1, -1, -1};
    return {static_cast<unsigned char>(shot[at]), static_cast<unsigned char>(shot[at + 1]),
            static_cast<unsigned char>(shot[at + 2])};
}

}  // namespace

std::string screenshot(const XServer& x, const std::string& window) {
    return runOn(x, "xwd -silent -id " + window + " | convert xwd:- -depth 8 rgb:-");
}

bool hpBarShown(const std::string& shot) {
    Rgb p = pixel(shot, 100, 570);
    return p.r > 150 && p.g < 100 && p.b < 100;
}

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void RealWindow::SetUp() {
    world.copyShippedData();
    adjustWorld();
    ASSERT_TRUE(x.ready()) << "Xvfb did not start";
    launch();
}

void RealWindow::launch() {
    game = std::make_unique<GameProcess>(x, world.root());
    findWindow();
}

void RealWindow::findWindow() {
    window = findGameWindow(x);
    ASSERT_FALSE(window.empty()) << "no window titled RPG appeared on " << x.display() << "; the game said:\n"
                                 << game->output().substr(0, 300) << "\nstill running: " << (game->waitExit(0) == -1);
}

void RealWindow::addToMap(const std::string& map, const std::string& section, const std::string& line) {
    const std::string path = "data/maps/" + map + "/data.ini";
    std::string ini = world.read(path);
    const size_t at = ini.find(section + "\n");
    ASSERT_NE(at, std::string::npos) << section << " in " << path;
    ini.insert(at + section.size() + 1, line + "\n");
    world.write(path, ini);
}

void RealWindow::addCreature(const std::string& id, const std::string& dataIni, const std::string& field) {
    const std::string folder = "data/characters/" + id + "/";
    world.write(folder + "data.ini", dataIni);
    world.write(folder + id + ".bmp", world.read("data/characters/wolf/wolf.bmp"));
    world.write(folder + "dead.bmp", world.read("data/characters/wolf/dead.bmp"));
    addToMap("village", "[npc]", field + "|" + id);
}

void RealWindow::startNewGame() {
    // New game sits at (290, 326), 220 by 46, in the shipped layout.
    xdotool("mousemove --window " + window + " 400 349 click 1");
    std::string shot;
    for (int i = 0; i < 100 && !hpBarShown(shot); ++i) {
        pause(200);
        shot = screenshot(x, window);
    }
    ASSERT_TRUE(hpBarShown(shot)) << "the game did not start";
}

std::string RealWindow::stateAtTheMenu() {
    xdotool("key Escape");
    for (int i = 0; i < 50; ++i) {
        pause(200);
        if (!hpBarShown(screenshot(x, window))) {
            std::ifstream state(gameFolder() + "/data/player.tmp", std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(state), std::istreambuf_iterator<char>());
        }
    }
    return "";
}

void RealWindow::quitFromTheMenu() {
    xdotool("mousemove --window " + window + " 400 461 click 1");
    EXPECT_EQ(game->waitExit(20), 1);
}

void RealWindow::startAgain() { launch(); }

void RealWindow::click(std::initializer_list<std::pair<int, int>> points) {
    for (auto [px, py] : points) {
        xdotool("mousemove --window " + window + " " + std::to_string(px) + " " + std::to_string(py) + " click 1");
        pause(500);
    }
}

// The shipped layout: the menus' save (290, 270) and load (290, 382), 220 by
// 46; the list's first line below (140, 112); the screen's save and load
// buttons at (140, 452), back at (510, 452), 150 by 42.
void RealWindow::saveInANewSlot() { click({{400, 293}, {300, 125}, {215, 473}, {585, 473}}); }

void RealWindow::loadTheNewest() {
    pause(500);
    click({{400, 405}, {300, 125}, {215, 473}});
    for (int i = 0; i < 50 && !hpBarShown(screenshot(x, window)); ++i) pause(200);
}

Player RealWindow::playerFrom(const std::string& state) {
    world.write("data/player.tmp", state);
    return Player(0, 0, "Gracz");
}
