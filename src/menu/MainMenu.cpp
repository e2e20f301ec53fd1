#include "menu/MainMenu.h"

#include "app/FullScreen.h"
#include "audio/Audio.h"
#include "game/WorkingFiles.h"
#include "util/DataLine.h"
#include "menu/SaveList.h"
#include "util/FileSystem.h"
#include "util/Log.h"
#include "util/ScreenUpdates.h"

#include <string>

namespace {

enum Button { kResumeButton, kNewGameButton, kSaveButton, kLoadButton, kQuitButton };

// Reads up to `count` layout lines; a missing line leaves its button empty.
void readButtons(std::istream& in, MenuButton* buttons, int count) {
    std::string line;
    for (int i = 0; i < count; ++i) {
        if (!dataline::readLine(in, line)) return;
        readMenuButton(line, buttons[i]);
    }
}

}  // namespace

MainMenu::MainMenu(SDL_Event* event, SDL_Surface* screen, uint8_t* fullScreenFlag, Game** currentGame)
    : currentGame(currentGame), event(event), screen(screen), fullScreenFlag(fullScreenFlag) {
    background.reset(loadImage("data\\menu\\menubk.bmp"));
    std::istringstream menuFile;
    if (fs::openText("data\\menu\\menu.dat", menuFile)) readButtons(menuFile, buttons, 5);

    saveScreenBackground.reset(loadImage("data\\menu\\loadsavebk.bmp"));
    arrows.reset(loadImage("data\\menu\\arrows.bmp"));

    std::istringstream listFile;
    std::string line;
    if (fs::openText("data\\menu\\slmenu.dat", listFile) && dataline::readLine(listFile, line)) {
        // The list box line has the form of a button line, and the same bounds.
        MenuButton box;
        readMenuButton(line, box);
        listX = box.x;
        listY = box.y;
        listWidth = box.frames[0].w;
        listHeight = box.frames[0].h;
        listImage = std::move(box.image);
        readButtons(listFile, listButtons, 4);
    }

    font = fs::openFont("data\\comic.ttf", 16);
    // The menu goes on without it, but the saved games can't be listed: say so once.
    if (!font) logging::failure(logging::kLoadingFile, "data\\comic.ttf");
    readSaveList(*this);
}

MainMenu::~MainMenu() {
    if (font) TTF_CloseFont(font);
}

bool MainMenu::shown(int index, bool inGame) const {
    return inGame || (index != kResumeButton && index != kSaveButton);
}

int MainMenu::buttonAt(int pointerX, int pointerY, bool inGame) const {
    for (int i = 0; i < 5; ++i)
        if (shown(i, inGame) && buttons[i].contains(pointerX, pointerY)) return i;
    return -1;
}

void MainMenu::draw(bool inGame) {
    SDL_BlitSurface(background.get(), nullptr, screen, nullptr);
    for (int i = 0; i < 5; ++i) {
        if (!shown(i, inGame)) continue;
        int frame = i == pressedButton ? 2 : i == hoveredButton ? 1 : 0;
        buttons[i].draw(screen, frame);
    }
}

int32_t MainMenu::run(bool inGame) {
    bool leaving = false;
    bool changed = true;
    // The in-game menu is a pause: the map's mood goes on under it.
    if (!inGame) audio::mood(kTitleMusic);
    while (!leaving) {
        audio::update();
        // The picture only changes with an event; a still menu is drawn once.
        if (changed) {
            draw(inGame);
            screenUpdates().present(screen);
        } else {
            screenUpdates().flushDue(screen);
        }
        bool polled = SDL_PollEvent(event) == 1;
        changed = polled;
        if (polled) {
            switch (event->type) {
                case SDL_KEYDOWN:
                    if (event->key.keysym.sym == SDLK_ESCAPE) leaving = true;
                    if (event->key.keysym.sym == SDLK_F12) screen = toggleFullScreen(*fullScreenFlag);
                    if (event->key.keysym.sym == SDLK_m) audio::toggleMute();
                    break;
                case SDL_MOUSEMOTION:
                    hoveredButton = buttonAt(event->motion.x, event->motion.y, inGame);
                    break;
                case SDL_MOUSEBUTTONDOWN:
                case SDL_MOUSEBUTTONUP: {
                    int under = buttonAt(event->button.x, event->button.y, inGame);
                    hoveredButton = under;
                    if (event->button.button != SDL_BUTTON_LEFT) break;
                    if (event->type == SDL_MOUSEBUTTONDOWN) {
                        if (under >= 0) {
                            pressedButton = under;
                            audio::play(Sound::button);
                        }
                        break;
                    }
                    pressedButton = -1;
                    switch (under) {
                        case kResumeButton: return kResume;
                        case kNewGameButton: removeWorkingFiles(); return kNewGame;
                        case kSaveButton:
                        case kLoadButton: {
                            int32_t answer = runSaveScreen(under == kSaveButton);
                            if (answer == 4) return kQuit;
                            if (answer == 3) return kLoaded;
                            break;
                        }
                        case kQuitButton: return kQuit;
                        default: break;
                    }
                    break;
                }
                case SDL_QUIT: return kQuit;
                case SDL_VIDEOEXPOSE:
                case SDL_ACTIVEEVENT: screenUpdates().invalidate(); break;
                default: break;
            }
        }
        // Nothing to do: don't spin a core while the menu waits.
        if (!polled) screenUpdates().idle();
    }
    return inGame ? kResume : kQuit;
}
