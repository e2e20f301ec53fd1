#include "app/GameLoop.h"

#include "app/AppState.h"
#include "app/FullScreen.h"
#include "audio/Audio.h"
#include "characters/NPC.h"
#include "characters/Player.h"
#include "game/Game.h"
#include "menu/MainMenu.h"
#include "ui/Interface.h"
#include "util/PassClock.h"
#include "util/ScreenUpdates.h"
#include "world/Map.h"

#include <cstdlib>

namespace {

// Quick slots as the mouse would hit them: F1-F5 on the left bar, F6-F10 on the right.
const int kQuickSlotX[10] = {35, 70, 105, 140, 175, 620, 655, 690, 725, 760};
const int kQuickSlotY = 540;

Game& game() { return *app.currentGame; }

Corpse* topCorpse() { return game().map->topCorpse(); }

void endGame() {
    delete app.currentGame;
    app.currentGame = nullptr;
}

// Quitting from inside a game ends the process; the working files go with the game.
[[noreturn]] void quitProcess() {
    endGame();
    audio::close();
    SDL_Quit();  // leave the display as we found it (full screen)
    std::exit(1);
}

void move(bool (Game::*step)()) {
    if (!(game().*step)()) app.gameQuit = 1;
}

void openInGameMenu() {
    game().saveWorkingState();
    int32_t answer = app.mainMenu->run(true);
    if (answer == MainMenu::kQuit) quitProcess();
    if (answer == MainMenu::kNewGame) {
        endGame();
        app.currentGame = new Game(app.screen);
    }
    // Resume, or a loaded game already sitting in app.currentGame: go on.
}

void keyDown(SDLKey key) {
    Interface& ui = *game().interface;
    switch (key) {
        case SDLK_UP: move(&Game::moveUp); break;
        case SDLK_DOWN: move(&Game::moveDown); break;
        case SDLK_RIGHT: move(&Game::moveRight); break;
        case SDLK_LEFT: move(&Game::moveLeft); break;
        case SDLK_F12: toggleFullScreen(app.fullScreen); break;
        case SDLK_TAB: ui.inventoryShown = !ui.inventoryShown; break;
        case SDLK_ESCAPE: openInGameMenu(); break;
        case SDLK_a: game().playerAttack(); break;
        case SDLK_p: game().pickUp(); break;
        case SDLK_q: ui.statsShown = !ui.statsShown; break;
        case SDLK_r: ui.toggleDialogue(); break;
        case SDLK_s: ui.searchShown = !ui.searchShown; break;
        case SDLK_t: ui.toggleQuestLog(); break;
        case SDLK_m: audio::toggleMute(); break;
        default:
            if (key >= SDLK_1 && key <= SDLK_9 && ui.dialogueShown) {
                // The answer goes to the creature the player faces.
                if (NPC* partner = dynamic_cast<NPC*>(game().player->target))
                    partner->dialogue.chooseOption(key - SDLK_0);
            }
            if (key >= SDLK_F1 && key <= SDLK_F10)
                ui.rightRelease(kQuickSlotX[key - SDLK_F1], kQuickSlotY, topCorpse());
            break;
    }
}

}  // namespace

void handleGameEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            game().interface->pointerX = event.motion.x;
            game().interface->pointerY = event.motion.y;
            break;
        case SDL_MOUSEBUTTONDOWN:
            game().interface->pointerX = event.button.x;
            game().interface->pointerY = event.button.y;
            if (event.button.button == SDL_BUTTON_LEFT)
                game().interface->leftPress(event.button.x, event.button.y, topCorpse());
            break;
        case SDL_MOUSEBUTTONUP:
            game().interface->pointerX = event.button.x;
            game().interface->pointerY = event.button.y;
            if (event.button.button == SDL_BUTTON_LEFT)
                game().releaseLeft(event.button.x, event.button.y, true);
            else if (event.button.button == SDL_BUTTON_RIGHT)
                game().interface->rightRelease(event.button.x, event.button.y, topCorpse());
            break;
        case SDL_KEYDOWN: keyDown(event.key.keysym.sym); break;
        case SDL_QUIT: quitProcess();
        // The window was uncovered or came back: its picture may be gone.
        case SDL_VIDEOEXPOSE:
        case SDL_ACTIVEEVENT: screenUpdates().invalidate(); break;
        default: break;
    }
}

void startGame() {
    app.gameQuit = 0;
    endGame();
    app.currentGame = new Game(app.screen);
}

void gameLoopPass() {
    if (SDL_PollEvent(&app.event) == 1) handleGameEvent(app.event);
    screenUpdates().composePass(app.screen, [] {
        if (!game().frame()) app.gameQuit = 1;
    });
    audio::update();
    passClock().endPass();
}

void runGameLoop() {
    startGame();
    while (app.gameQuit == 0) gameLoopPass();
    endGame();
}
