// The built game on a private X display, driven as a player would: the
// shipped world in a temporary folder, the window found, and the few things
// every real-window test does (start a new game, open the in-game menu, quit).
#pragma once

#include "characters/Player.h"
#include "support/TestWorld.h"
#include "support/XServer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

// The window's pixels as 800 x 600 RGB triples.
std::string screenshot(const XServer& x, const std::string& window);
// The HP bar of the bottom bar is red only once a game is on screen.
bool hpBarShown(const std::string& shot);
void pause(int ms);

class RealWindow : public testing::Test {
protected:
    void SetUp() override;

    // Changes to the shipped world before the game starts.
    virtual void adjustWorld() {}
    // Starts the game and finds its window.
    virtual void launch();
    // The folder the game runs in, which holds its data/.
    virtual std::string gameFolder() const { return world.root(); }
    // Waits for the window titled RPG; fails the test if none comes.
    void findWindow();
    // Inserts a line right after a section marker of a shipped map's data.ini.
    void addToMap(const std::string& map, const std::string& section, const std::string& line);
    // A creature of that data.ini, drawn as a wolf, at a field of the village.
    void addCreature(const std::string& id, const std::string& dataIni, const std::string& field);
    // Clicks New game and waits for the world.
    void startNewGame();
    // Escape, and data/player.tmp once the menu is up (the working files
    // are written before it opens); empty if it never came.
    std::string stateAtTheMenu();
    // Quit in the in-game menu: the process ends with 1.
    void quitFromTheMenu();
    // A second run of the game in the same world folder, its window found.
    void startAgain();
    // Left clicks at these window points, half a second apart.
    void click(std::initializer_list<std::pair<int, int>> points);
    // From the in-game menu: Save, the new line "...", Save, Back.
    void saveInANewSlot();
    // From the title screen: Load, the newest save, Load; waits for the world.
    void loadTheNewest();
    // The player as the game would read it back from that state file.
    Player playerFrom(const std::string& state);
    // Runs xdotool with these arguments on the game's display.
    std::string xdotool(const std::string& arguments) { return runOn(x, "xdotool " + arguments); }

    TempWorld world;
    XServer x;
    std::unique_ptr<GameProcess> game;
    std::string window;
};
