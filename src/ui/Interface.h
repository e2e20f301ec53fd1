// Everything drawn over the world view: the bottom bar with the bars and the
// quick slots, the statistics panel, the NPC panel, and (as they arrive) the
// inventory, search window, quest log and dialogue panels. Also the pointer
// position and the panel flags the keyboard toggles.
#pragma once

#include "characters/Corpse.h"
#include "characters/NPC.h"
#include "characters/Player.h"
#include "items/Item.h"

#include <SDL/SDL.h>

class Interface {
public:
    Interface(Player* player, SDL_Surface* screen);
    ~Interface();
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;

    // item: top item of the pile under the player; corpse: top corpse there.
    // Either may be null.
    void draw(const ItemRef& item, Corpse* corpse);

    void leftPress(int x, int y, Corpse* corpse);
    void leftRelease(int x, int y, Corpse* corpse);
    void rightRelease(int x, int y, Corpse* corpse);
    void toggleQuestLog();
    void toggleDialogue();

    SDL_Surface* screen;
    Player* player;
    NPC* target = nullptr;
    int pointerX = 0;
    int pointerY = 0;
    bool questLogShown = false;
    bool statsShown = false;
    bool inventoryShown = false;
    bool searchShown = false;
    bool dialogueShown = false;
    // The remaining members (fonts, images, rectangles, drag and scroll
    // state) are added by the implementation.
};
