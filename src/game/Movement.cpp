// The arrow keys: turn, step with the sliding view, travel between maps.
#include "game/Game.h"

#include "audio/Audio.h"
#include "characters/Player.h"
#include "game/HitEffect.h"
#include "util/DataLine.h"
#include "util/PassClock.h"
#include "util/ScreenUpdates.h"
#include "world/Map.h"

namespace {

struct Heading {
    int32_t dx, dy;          // the field stepped onto
    int standingFrame;       // entry of frameRects
    Sint16 scrollX, scrollY; // where the view starts in the world buffer
    Sint16 stepX, stepY;     // how it moves per in-between picture
};

// Indexed by direction: 1 up, 2 down, 3 left, 4 right.
constexpr Heading kHeadings[5] = {
    {0, 0, 0, 25, 25, 0, 0},
    {0, -1, 1, 25, 50, 0, -2},
    {0, 1, 0, 25, 0, 0, 2},
    {-1, 0, 3, 50, 25, -2, 0},
    {1, 0, 2, 0, 25, 2, 0},
};

constexpr int kSlidePictures = 11;
constexpr int kWalkingFrameOffset = 4;

}  // namespace

bool Game::moveUp() { return move(1); }
bool Game::moveDown() { return move(2); }
bool Game::moveLeft() { return move(3); }
bool Game::moveRight() { return move(4); }

void Game::scrollUp() { slideView(1); }
void Game::scrollDown() { slideView(2); }
void Game::scrollLeft() { slideView(3); }
void Game::scrollRight() { slideView(4); }

bool Game::move(int32_t direction) {
    const Heading& heading = kHeadings[direction];
    const int64_t column = int64_t(player->x) + heading.dx;
    const int64_t row = int64_t(player->y) + heading.dy;
    // Beyond the int32 range nothing can be entered.
    const bool inRange = column >= INT32_MIN && column <= INT32_MAX && row >= INT32_MIN && row <= INT32_MAX;
    const int answer = inRange ? map->canEnter(static_cast<int32_t>(column), static_cast<int32_t>(row)) : kBlocked;

    if (player->direction != direction) {
        player->direction = direction;
        player->spriteFrame = &frameRects[heading.standingFrame];
        return !gameOver;
    }
    if (answer != kFree && answer != kTravel) return !gameOver;

    map->moveCreature(static_cast<int32_t>(column), static_cast<int32_t>(row), player.get());
    player->x = static_cast<int32_t>(column);
    player->y = static_cast<int32_t>(row);
    player->spriteFrame = &frameRects[heading.standingFrame];
    player->direction = direction;
    switch (direction) {
        case 1: scrollUp(); break;
        case 2: scrollDown(); break;
        case 3: scrollLeft(); break;
        default: scrollRight(); break;
    }
    if (answer == kTravel) travel();
    return !gameOver;
}

void Game::slideView(int32_t direction) {
    const Heading& heading = kHeadings[direction];
    SDL_Rect source{heading.scrollX, heading.scrollY, 800, 600};
    const SDL_Rect* walking = &frameRects[heading.standingFrame + kWalkingFrameOffset];
    // Each picture is a world tick and takes a pass's period, so the slide
    // is seen and the world keeps its pace while the player walks.
    for (int k = 1; k <= kSlidePictures; ++k) {
        source.x = static_cast<Sint16>(source.x + heading.stepX);
        source.y = static_cast<Sint16>(source.y + heading.stepY);
        screenUpdates().composePass(screen, [&] {
            map->draw(worldBuffer.get());
            updateCreatures();
            showView(source);
            drawPlayer(k % 10 < 5 ? player->spriteFrame : walking);
            drawPlayerHitEffect(hiteffect::scrollParity[direction - 1]);
            drawInterface();
        });
        passClock().endPass();
    }
}

void Game::travel() {
    const std::string destination = map->moveTargetAt(player->x, player->y);
    // "forest|10:2". A travel field the map's data gives no destination
    // leads nowhere: the player just stands on it.
    const size_t bar = destination.find('|');
    if (bar == std::string::npos) return;
    int32_t column = 0;
    int32_t row = 0;
    dataline::readPair(destination.substr(bar + 1), column, row);
    player->x = column;
    player->y = row;
    // Nothing of the old map may outlive it: the creature in front of the
    // player, and missiles whose shooters are about to be destroyed.
    player->target = nullptr;
    missiles.clear();
    // The new map's pictures may sit where the old one's were.
    screenUpdates().invalidate();
    map.reset();  // writes the old map's .tmp
    map = std::make_unique<Map>(screen, destination.substr(0, bar), player.get());
    audio::mood(mapMusicPath(map->name));
}
