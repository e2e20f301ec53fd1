// A running game whose player's items are arranged by the test and moved
// with real mouse and key events through the game's own event handling.
// `state()` writes down where every item is, so a test compares one line.
#pragma once

#include "characters/Corpse.h"
#include "characters/Player.h"
#include "game/GameFixture.h"

#include <SDL/SDL.h>

#include <initializer_list>
#include <string>

struct Spot {
    int x, y;
};

class ItemsTest : public GameTest {
protected:
    ItemsTest();
    ~ItemsTest() override;

    // The player's things: inventory ids in order, then "L=bow R=arrows
    // H=helmet Q0=potion" for the worn slots and the quick slots.
    void arrange(std::initializer_list<const char*> inventory, const std::string& worn = "");
    // Empties every place (and the corpses under the player), then arranges.
    void rearrange(std::initializer_list<const char*> inventory, const std::string& worn = "");
    // A corpse under the player holding these items.
    Corpse& corpse(std::initializer_list<const char*> items);
    // Where everything is: "inv[a b] L=bow R=arrows*20 Q0=potion corpse[c]".
    std::string state() const;

    // Screen points of the things the mouse acts on.
    static Spot cell(int index);        // inventory grid, first row first
    static Spot slotPoint(int number);  // equipment slot 1-8
    static Spot quickPoint(int index);  // quick slot 0-9
    static Spot searchPoint(int index); // search window cell

    // Events pushed into SDL's queue and handled as the game loop does.
    void dragDrop(Spot from, Spot to);
    void rightClick(Spot at);
    void key(SDLKey key);
    void handleEvents();

    Player& hero() const { return *game->player; }
    std::unique_ptr<Game> game;
};
