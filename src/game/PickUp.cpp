// What lies under the player's feet: picking up the top item, and the corpse
// moves the interface asks for when the left button is released.
#include "game/Game.h"

#include "audio/Audio.h"
#include "characters/Player.h"
#include "ui/Interface.h"
#include "world/Map.h"

namespace {

// Request bits of a left release, and where each push sends the corpse.
constexpr int kRemoveCorpse = 1;
struct Push {
    int bit;
    int32_t dx, dy;
};
constexpr Push kPushes[4] = {{2, 0, -1}, {4, 0, 1}, {8, -1, 0}, {16, 1, 0}};

}  // namespace

void Game::pickUp() {
    // Arrows and bolts join the first stack of their kind in the pack.
    if (ItemRef item = map->takeTopItem()) {
        player->addItem(item);
        audio::play(Sound::pickUp);
    }
}

void Game::releaseLeft(int x, int y, bool /*always true*/) {
    const int requests = interface->leftRelease(x, y, map->topCorpse());
    if (requests & kRemoveCorpse) map->removeTopCorpse();
    for (const Push& push : kPushes)
        if ((requests & push.bit) && map->topCorpse()) map->dragCorpse(player->x + push.dx, player->y + push.dy);
}
