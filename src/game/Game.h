// One running game: the current map, the player, the interface, the world
// buffer the view is drawn into, the hit-effect pictures and the missiles in
// flight. Built from "data\maps\start.dat" and whatever working files lie in
// data\; destroying it wipes those files unless told otherwise.
#pragma once

#include "game/Missile.h"
#include "util/Image.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

class Characters;
class Interface;
class Map;
class NPC;
class Player;

class Game {
public:
    explicit Game(SDL_Surface* screen);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Writes player.tmp, start.tmp and the current map's .tmp, so that the
    // working files describe the game as it stands.
    void saveWorkingState();

    // Turn, or step one field with the sliding view, or travel. False once
    // the game is over.
    bool moveUp();
    bool moveDown();
    bool moveLeft();
    bool moveRight();

    // One pass of the world: map, creatures, player and interface drawn to
    // the screen. False once the game is over.
    bool frame();
    // One world tick for the creatures in view: act or slide, get drawn into
    // the world buffer with their hit effects; then the missiles move.
    void updateCreatures();

    // Harm goes through these two: attacker against the creature on (column,
    // row). 1 when refused because the attacker acted under a second ago,
    // else 0.
    int physicalAttack(Characters& attacker, int32_t column, int32_t row);
    int magicAttack(Characters& attacker, int32_t column, int32_t row);
    // The attack key: cast, heal, shoot or strike with what the player holds.
    // Always 1.
    int playerAttack();

    // The top item under the player into the inventory.
    void pickUp();
    // A left release: the interface drops what is dragged and clicks what is
    // under the pointer; then the corpse under the player is removed or
    // pushed as it asks.
    void releaseLeft(int x, int y, bool fromEvent);

    // Field and world-buffer geometry.
    static constexpr int kViewColumns = 34;
    static constexpr int kViewRows = 26;
    static constexpr int kBufferWidth = 850;
    static constexpr int kBufferHeight = 650;
    // The player's sprite on the screen, and its field (15 pixels lower).
    static constexpr int kPlayerScreenX = 375;
    static constexpr int kPlayerScreenY = 260;
    static constexpr int kPlayerFieldScreenY = 275;

    bool gameOver = false;
    std::unique_ptr<Map> map;
    std::unique_ptr<Player> player;
    SurfacePtr worldBuffer;
    SDL_Surface* screen = nullptr;  // not owned
    SurfacePtr effectImages[2];     // 0 smog (no harm), 1 blood (a wound)
    SDL_Rect effectFrames[3];
    SDL_Rect missileFrames[4];      // by missile direction: up, down, left, right
    std::unique_ptr<Interface> interface;
    bool wipeWorkingFiles = true;
    std::deque<Missile> missiles;

private:
    // Shared by the four moves; direction 1 up, 2 down, 3 left, 4 right.
    bool move(int32_t direction);
    void scrollUp();
    void scrollDown();
    void scrollLeft();
    void scrollRight();
    // The eleven in-between pictures of a step in that direction.
    void slideView(int32_t direction);
    // Carries the player through the travel field it stands on.
    void travel();

    // Per creature in view, once per tick.
    void advance(NPC& creature);
    void continueSlide(NPC& creature);
    // What an idle creature decides to do this tick.
    void behave(NPC& creature);
    // Flies every missile queued at this moment one field on.
    void moveMissiles();
    // Both attacks; `timed` is false for a missile's hit, which is never
    // refused by the one-second rule.
    int strike(Characters& attacker, int32_t column, int32_t row, bool magic, bool timed);
    // The player's shot with a bow or crossbow; the other hand holds the
    // ammunition.
    void playerShoot(ItemRef& weapon, ItemRef& ammunition, uint32_t now);

    // Copies that rectangle of the world buffer to the screen at (0, 0).
    void showView(const SDL_Rect& source);
    // The player's sprite and hit effect on the screen, at rest or mid-step.
    void drawPlayer(const SDL_Rect* spriteFrame);
    void drawPlayerHitEffect(uint8_t& parity);
    void drawInterface();
};
