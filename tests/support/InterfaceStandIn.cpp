// Until the real interface is merged, the game tests link against this
// stand-in, which draws nothing and answers no mouse input. Delete it when
// src/ui/Interface.cpp arrives.
#include "ui/Interface.h"

Interface::Interface(Player* player, SDL_Surface* screen) : screen(screen), player(player) {}
Interface::~Interface() = default;
void Interface::draw(const ItemRef&, Corpse*) {}
void Interface::leftPress(int, int, Corpse*) {}
void Interface::leftRelease(int, int, Corpse*) {}
void Interface::rightRelease(int, int, Corpse*) {}
void Interface::toggleQuestLog() {}
void Interface::toggleDialogue() {}
