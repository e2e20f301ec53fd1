// The load/save screen: the saved games listed newest first, and the
// buttons to save (as a new save or over an old one), load, delete or go back.
#include "menu/MainMenu.h"

#include "app/FullScreen.h"
#include "audio/Audio.h"
#include "util/Blit.h"
#include "util/ScreenUpdates.h"

#include <string>

namespace {

enum ListButton { kSaveButton, kLoadButton, kBackButton, kDeleteButton };

// The line that stands for a new save, above the saves in save mode.
const char* const kNewSaveLine = "... ";
// A label is some twenty characters; a forged one is cut before it is drawn.
constexpr size_t kLongestDrawnLine = 80;
constexpr int32_t kLineStep = 20;
constexpr int32_t kLinesPerHeight = 21;

// One opening of the screen: scroll position, selection and the line under
// the pointer live only while it is shown.
class SaveScreen {
public:
    SaveScreen(MainMenu& menu, bool saveMode)
        : menu(menu), saveMode(saveMode), visible(menu.listHeight / kLinesPerHeight) {}

    int32_t run();

private:
    static constexpr int32_t kGoOn = -1;

    bool shown(int button) const {
        return button == kBackButton || (saveMode ? button != kLoadButton : button == kLoadButton);
    }
    int32_t lineCount() const { return static_cast<int32_t>(menu.saves.size()) + (saveMode ? 1 : 0); }
    std::string lineText(int32_t line) const {
        if (saveMode && line == 0) return kNewSaveLine;
        return menu.saves[line - (saveMode ? 1 : 0)].label.substr(0, kLongestDrawnLine);
    }
    // The drawn line under the pointer, or -1.
    int32_t lineAt(int x, int y) const;
    bool onArrows(int x) const {
        const int32_t right = menu.listX + menu.listWidth;
        return right - 24 < x && x < right - 6;
    }

    void draw();
    void drawLine(int32_t line, int32_t row);
    void pointerMoved(int x, int y);
    void press(int x, int y);
    // The answer when the release ends the screen at once, else kGoOn.
    int32_t release(int x, int y);

    MainMenu& menu;
    const bool saveMode;
    const int32_t visible;
    int32_t scroll = 0;
    int32_t selected = -1;
    int32_t underPointer = -1;
    int32_t drawn = 0;
    bool leaving = false;
};

int32_t SaveScreen::lineAt(int x, int y) const {
    if (!(menu.listX + 5 < x && x < menu.listX + menu.listWidth - 30 && menu.listY + 5 < y)) return -1;
    for (int32_t r = 0; r < drawn; ++r)
        if (y < menu.listY + 25 + kLineStep * r) return scroll + r;
    return -1;
}

void SaveScreen::draw() {
    SDL_Surface* screen = menu.screen;
    blitAt(menu.saveScreenBackground.get(), nullptr, screen, 0, 0);
    blitAt(menu.listImage.get(), nullptr, screen, menu.listX, menu.listY);
    for (int i = 0; i < 4; ++i)
        if (shown(i)) menu.listButtons[i].draw(screen, menu.listButtons[i].state);

    const int32_t arrowX = menu.listX + menu.listWidth - 24;
    menu.upArrowShown = scroll != 0;
    if (menu.upArrowShown) blitAt(menu.arrows.get(), &menu.upArrowRect, screen, arrowX, menu.listY + 6);
    menu.downArrowShown = visible < lineCount() - scroll;
    if (menu.downArrowShown)
        blitAt(menu.arrows.get(), &menu.downArrowRect, screen, arrowX, menu.listY + menu.listHeight - 15);

    drawn = 0;
    for (int32_t r = 0; scroll + r < lineCount() && r < visible; ++r, ++drawn) drawLine(scroll + r, r);
}

void SaveScreen::drawLine(int32_t line, int32_t row) {
    // Without the font the lines are still there to pick, only unseen.
    const std::string text = lineText(line);
    if (!menu.font || text.empty()) return;
    const bool lit = line == underPointer || line == selected;
    SDL_Surface* rendered = TTF_RenderText_Solid(menu.font, text.c_str(), lit ? menu.highlightColour : menu.textColour);
    blitAt(rendered, nullptr, menu.screen, menu.listX + 20, menu.listY + 5 + kLineStep * row);
    if (rendered) SDL_FreeSurface(rendered);
}

void SaveScreen::pointerMoved(int x, int y) {
    underPointer = lineAt(x, y);
    for (int i = 0; i < 4; ++i) {
        MenuButton& button = menu.listButtons[i];
        if (shown(i) && button.state != 2) button.state = button.contains(x, y) ? 1 : 0;
    }
}

void SaveScreen::press(int x, int y) {
    for (int i = 0; i < 4; ++i)
        if (shown(i) && menu.listButtons[i].contains(x, y)) {
            menu.listButtons[i].state = 2;
            audio::play(Sound::button);
        }
}

int32_t SaveScreen::release(int x, int y) {
    const int32_t line = lineAt(x, y);
    if (line >= 0) selected = line;
    if (menu.upArrowShown && onArrows(x) && menu.listY + 6 < y && y < menu.listY + 16) --scroll;
    const int32_t bottom = menu.listY + menu.listHeight;
    if (menu.downArrowShown && onArrows(x) && bottom - 15 < y && y < bottom - 5) ++scroll;

    for (int i = 0; i < 4; ++i) {
        if (!shown(i)) continue;
        MenuButton& button = menu.listButtons[i];
        if (!button.contains(x, y)) {
            button.state = 0;
            continue;
        }
        button.state = 1;
        switch (i) {
            case kBackButton:
                button.state = 0;
                leaving = true;
                break;
            case kLoadButton:
                if (selected >= 0 && menu.loadGame(selected)) return 3;
                break;
            case kSaveButton:
                if (selected >= 0 && menu.saveGame(selected)) {
                    scroll = 0;
                    selected = 1;  // the save just made, now the newest
                }
                break;
            case kDeleteButton:
                if (selected >= 1) {
                    menu.deleteSave(selected);
                    scroll = 0;
                    selected = -1;
                }
                break;
        }
    }
    return kGoOn;
}

int32_t SaveScreen::run() {
    SDL_Event& event = *menu.event;
    bool changed = true;
    while (!leaving) {
        audio::update();
        // The list only changes with an event; a still screen is drawn once.
        if (changed) {
            draw();
            screenUpdates().present(menu.screen);
        } else {
            screenUpdates().flushDue(menu.screen);
        }
        const bool polled = SDL_PollEvent(&event) == 1;
        changed = polled;
        if (polled) {
            switch (event.type) {
                case SDL_KEYDOWN:
                    if (event.key.keysym.sym == SDLK_ESCAPE) leaving = true;
                    if (event.key.keysym.sym == SDLK_F12) menu.screen = toggleFullScreen(*menu.fullScreenFlag);
                    if (event.key.keysym.sym == SDLK_m) audio::toggleMute();
                    break;
                case SDL_MOUSEMOTION: pointerMoved(event.motion.x, event.motion.y); break;
                case SDL_MOUSEBUTTONDOWN:
                case SDL_MOUSEBUTTONUP: {
                    const int x = event.button.x, y = event.button.y;
                    pointerMoved(x, y);
                    if (event.button.button != SDL_BUTTON_LEFT) break;
                    if (event.type == SDL_MOUSEBUTTONDOWN) {
                        press(x, y);
                    } else if (int32_t answer = release(x, y); answer != kGoOn) {
                        return answer;
                    }
                    break;
                }
                case SDL_QUIT: return 4;
                case SDL_VIDEOEXPOSE:
                case SDL_ACTIVEEVENT: screenUpdates().invalidate(); break;
                default: break;
            }
        }
        // Nothing to do: don't spin a core while the player reads the list.
        if (!polled) screenUpdates().idle();
    }
    return 0;
}

}  // namespace

int32_t MainMenu::runSaveScreen(bool saveMode) {
    SaveScreen shownScreen(*this, saveMode);
    return shownScreen.run();
}
