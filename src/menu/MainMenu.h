// The title screen between games and the pause screen inside one. It lives
// for the whole process; its layout comes from data\menu\menu.dat and
// data\menu\slmenu.dat.
#pragma once

#include "menu/MenuButton.h"
#include "menu/SaveEntry.h"
#include "util/Image.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdint>
#include <vector>

class Game;

class MainMenu {
public:
    // Answers of run().
    static constexpr int32_t kResume = 0;
    static constexpr int32_t kNewGame = 1;
    static constexpr int32_t kLoaded = 2;
    static constexpr int32_t kQuit = 4;

    MainMenu(SDL_Event* event, SDL_Surface* screen, uint8_t* fullScreenFlag, Game** currentGame);
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    int32_t run(bool inGame);
    // The load/save screen: 0 back, 3 a game was loaded, 4 window closed.
    int32_t runSaveScreen(bool saveMode);

    // Line 0 saves the running game's working files as a new save, line i
    // over entry i - 1. False, with the list and the old file as they were,
    // when the save can't be written.
    bool saveGame(int32_t line);
    // Puts the working files of saves[entry] in place and, when a game is
    // running, replaces it with one built from them. A save that is missing
    // or damaged is not loaded: false, and nothing has changed. One that
    // can't be written (a full disk) is false too; a running game then goes
    // on, rebuilt from its own working files.
    bool loadGame(int32_t entry);
    // Removes entry line - 1 and its file.
    void deleteSave(int32_t line);

    Game** currentGame;
    std::vector<SaveEntry> saves;
    SurfacePtr background;
    SurfacePtr saveScreenBackground;
    int32_t listX = 0;
    int32_t listY = 0;
    int32_t listWidth = 0;
    int32_t listHeight = 0;
    SurfacePtr listImage;
    SurfacePtr arrows;
    SDL_Rect upArrowRect = {0, 0, 18, 10};
    SDL_Rect downArrowRect = {0, 11, 18, 10};
    TTF_Font* font = nullptr;  // owned
    bool upArrowShown = false;
    bool downArrowShown = false;
    SDL_Color textColour = {255, 255, 0, 0};
    SDL_Color highlightColour = {0, 200, 200, 0};
    int32_t hoveredButton = -1;
    int32_t pressedButton = -1;
    MenuButton buttons[5];
    MenuButton listButtons[4];
    SDL_Event* event;
    SDL_Surface* screen;
    uint8_t* fullScreenFlag;
    int32_t saveCounter = 0;

private:
    // The next sequence number; renumbers the list rather than overflow.
    int32_t nextSequence();
    bool shown(int index, bool inGame) const;
    // First shown button under the pointer, or -1.
    int buttonAt(int pointerX, int pointerY, bool inGame) const;
    void draw(bool inGame);
};
