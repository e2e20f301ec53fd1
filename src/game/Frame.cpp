// One pass of the world: the map and the creatures into the world buffer, the
// view onto the screen, then the player and the interface on top.
#include "game/Game.h"

#include "characters/NPC.h"
#include "characters/Player.h"
#include "characters/SpriteDrawing.h"
#include "game/HitEffect.h"
#include "ui/Interface.h"
#include "util/Blit.h"
#include "world/Map.h"

#include <cstdlib>

namespace hiteffect {
uint8_t creatureParity = 0;
uint8_t playerParity = 0;
uint8_t scrollParity[4] = {0, 0, 0, 0};
}  // namespace hiteffect

namespace {

// The world buffer rectangle shown when the view is at rest.
constexpr SDL_Rect kViewAtRest{25, 25, 800, 600};

// Frames of a slide in each direction (1 up, 2 down, 3 left, 4 right).
constexpr int kWalkingFrame[5] = {0, 5, 4, 7, 6};
constexpr int kStandingFrame[5] = {0, 1, 0, 3, 2};

// Runs the effect on a creature for one pass: the frame to draw, or -1 when
// nothing is drawn (no effect, or it has just ended and is switched off).
int effectFrameToDraw(Characters& creature) {
    if (!creature.hitEffectActive) return -1;
    if (creature.hitEffectFrame < 0 || creature.hitEffectFrame >= 3) {
        creature.hitEffectActive = false;
        creature.hitEffectFrame = 0;
        return -1;
    }
    return creature.hitEffectFrame;
}

}  // namespace

bool Game::frame() {
    map->draw(worldBuffer.get());
    updateCreatures();
    showView(kViewAtRest);
    drawPlayer(player->spriteFrame);
    drawPlayerHitEffect(hiteffect::playerParity);
    drawInterface();
    return !gameOver;
}

void Game::updateCreatures() {
    while (!map->visibleCreatures.empty()) {
        Characters* creature = map->visibleCreatures.front();
        map->visibleCreatures.pop_front();
        NPC* npc = dynamic_cast<NPC*>(creature);
        if (!npc) continue;  // only NPCs are ever collected
        advance(*npc);
        const int64_t fieldX = (int64_t(npc->x) - player->x + 16) * kFieldSize + npc->offsetX;
        const int64_t fieldY = (int64_t(npc->y) - player->y + 12) * kFieldSize + npc->offsetY;
        drawCreatureAt(*npc, worldBuffer.get(), static_cast<int>(fieldX), static_cast<int>(fieldY));
        const int frameIndex = effectFrameToDraw(*npc);
        if (frameIndex < 0) continue;
        blitAt(effectImages[npc->hitEffectWound ? 1 : 0].get(), &effectFrames[frameIndex], worldBuffer.get(),
               static_cast<int>(fieldX), static_cast<int>(fieldY));
        hiteffect::stepParity(npc->hitEffectFrame, hiteffect::creatureParity);
    }
    moveMissiles();
}

void Game::advance(NPC& creature) {
    if (creature.moveState == 0)
        behave(creature);
    else
        continueSlide(creature);
}

void Game::continueSlide(NPC& creature) {
    const int32_t state = creature.moveState;
    if (state < 1 || state > 4) {
        // Not a slide this game knows: stand still where the creature is.
        creature.moveState = 0;
        return;
    }
    const bool vertical = state == 1 || state == 2;
    const int32_t sign = state == 1 || state == 3 ? -1 : 1;
    int32_t& offset = vertical ? creature.offsetY : creature.offsetX;
    if (offset * sign >= kFieldSize) {
        (vertical ? creature.y : creature.x) += sign;
        creature.moveState = 0;
        offset = 0;
        return;
    }
    const bool walking = (std::abs(offset) / 2) % 10 < 5;
    creature.spriteFrame = &frameRects[walking ? kWalkingFrame[state] : kStandingFrame[state]];
    offset += sign;
}

void Game::showView(const SDL_Rect& source) {
    if (!worldBuffer || !screen) return;
    blitAt(worldBuffer.get(), &source, screen, 0, 0);
}

void Game::drawPlayer(const SDL_Rect* spriteFrame) {
    blitAt(player->sprite, spriteFrame, screen, kPlayerScreenX, kPlayerScreenY);
}

void Game::drawPlayerHitEffect(uint8_t& parity) {
    const int frameIndex = effectFrameToDraw(*player);
    if (frameIndex < 0) return;
    blitAt(effectImages[player->hitEffectWound ? 1 : 0].get(), &effectFrames[frameIndex], screen, kPlayerScreenX,
           kPlayerFieldScreenY);
    hiteffect::stepParity(player->hitEffectFrame, parity);
}

void Game::drawInterface() { interface->draw(map->topItem(), map->topCorpse()); }
