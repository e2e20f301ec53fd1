// Everything drawn over the world view: the bottom bar with the bars and the
// quick slots, the statistics panel, the NPC panel, and (as they arrive) the
// inventory, search window, quest log and dialogue panels. Also the pointer
// position and the panel flags the keyboard toggles.
#pragma once

#include "characters/Corpse.h"
#include "characters/NPC.h"
#include "characters/Player.h"
#include "items/Item.h"
#include "ui/ItemMoves.h"
#include "util/Image.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>
#include <unordered_map>

class Interface {
public:
    Interface(Player* player, SDL_Surface* screen);
    ~Interface();
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;

    // item: top item of the pile under the player; corpse: top corpse there.
    // Either may be null.
    void draw(const ItemRef& item, Corpse* corpse);

    // Starts a drag, or presses a button. The corpse is the top one under
    // the player, or null.
    void leftPress(int x, int y, Corpse* corpse);
    // Drops what is dragged, clicks what was released on, and ends the drag.
    // Returns what the game must do with the corpse under the player: 1
    // remove it, or push it up (2), down (4), left (8) or right (16).
    int leftRelease(int x, int y, Corpse* corpse);
    // Uses, wears, takes off or takes an item at once.
    void rightRelease(int x, int y, Corpse* corpse);
    void toggleQuestLog();
    void toggleDialogue();

    SDL_Surface* screen;
    Player* player;
    NPC* target = nullptr;

    // All three null when "data\comic.ttf" can't be opened: then no text is drawn.
    TTF_Font* smallFont = nullptr;   // owned
    TTF_Font* mediumFont = nullptr;  // owned
    TTF_Font* largeFont = nullptr;   // owned
    SDL_Color textColour = {255, 255, 0, 0};
    SDL_Color highlightColour = {0, 200, 200, 0};
    SDL_Color amountColour = {255, 255, 255, 0};

    SurfacePtr plusImage;
    SDL_Rect plusReleasedRect = {0, 0, 9, 9};
    SDL_Rect plusPressedRect = {0, 10, 9, 9};
    // 0-5 attributes, 6-9 skills, -1 none.
    int pressedPlus = -1;

    SurfacePtr emptyStripes;
    SurfacePtr fullStripes;
    SurfacePtr npcPanel;
    SurfacePtr quickSlotFrame;
    SurfacePtr npcStripes;
    SurfacePtr attackIcon;
    SurfacePtr searchIcon;
    SurfacePtr tradeIcon;  // loaded, but there is no trade action
    SurfacePtr talkIcon;
    SurfacePtr pickUpIcon;
    SurfacePtr statsPanel;
    SurfacePtr equipmentPanel;
    SurfacePtr inventoryPanel;
    SurfacePtr pointsPanel;
    SurfacePtr searchWindow;
    SurfacePtr searchButtons;
    SurfacePtr textPanel;
    SurfacePtr questPanel;

    // The widths of the two full rectangles are set before each blit.
    SDL_Rect fullHPRect = {0, 0, 196, 16};
    SDL_Rect fullMPRect = {0, 18, 196, 16};
    SDL_Rect emptyHPRect = {0, 0, 200, 20};
    SDL_Rect emptyMPRect = {0, 20, 200, 20};
    SDL_Rect npcHPRect = {0, 0, 60, 4};
    SDL_Rect npcMPRect = {0, 5, 60, 4};
    // Pressed images of the search window buttons: remove, take all, push
    // up, down, left, right.
    SDL_Rect searchButtonRects[6] = {{0, 0, 56, 13},  {0, 14, 56, 30}, {0, 44, 15, 14},
                                     {15, 44, 15, 14}, {0, 58, 14, 15}, {14, 58, 14, 15}};
    int playerBarWidth = 198;
    int npcStripeWidth = 60;

    int pointerX = 0;
    int pointerY = 0;

    // Drag state: the dragged item stays in its source until a drop moves it.
    ItemRef draggedItem;
    int grabX = 0;
    int grabY = 0;
    int inventorySource = -1;
    int gridColumn = -1;
    int gridRow = -1;
    int equipmentSource = 0;  // 1-8, 0 none
    int quickSlotSide = 0;    // 1 left, 2 right, 0 none
    int quickSlotIndex = -1;
    int searchSource = -1;
    int searchCellColumn = -1;
    int searchCellRow = -1;

    int searchScrollRow = 0;
    bool searchUpArrow = false;
    bool searchDownArrow = false;
    int pressedSearchButton = -1;

    int inventoryScrollRow = 0;
    bool inventoryUpArrow = false;
    bool inventoryDownArrow = false;

    SurfacePtr arrows;
    SDL_Rect upArrowRect = {0, 0, 18, 10};
    SDL_Rect downArrowRect = {0, 11, 18, 10};

    bool questLogShown = false;
    bool statsShown = false;
    bool inventoryShown = false;
    bool searchShown = false;
    bool dialogueShown = false;

    bool questLogUpArrow = false;
    bool questLogDownArrow = false;
    bool descriptionUpArrow = false;
    bool descriptionDownArrow = false;
    bool dialogueUpArrow = false;
    bool dialogueDownArrow = false;
    int dialoguePartner = -1;  // serial of the NPC the dialogue panel is bound to
    int dialogueScroll = 0;
    int questLogScroll = 0;
    int descriptionScroll = 0;
    int selectedQuestRow = -1;

    // Wrapped lines kept from frame to frame: the selected quest's journal
    // (with the quest's index and id and the text it was wrapped from), and
    // the conversation, whose first lines are the NPC's speech.
    std::vector<std::string> descriptionLines;
    long long descriptionQuest = -1;
    int32_t descriptionQuestId = -1;
    std::string descriptionText;
    std::vector<std::string> dialogueLines;
    int dialogueSpeechLines = 0;

private:
    void loadResources();
    void closeFonts();
    // What every left release ends with: nothing is dragged or pressed.
    void endDrag();
    void drawBottomBar();
    void drawStats();
    void drawNpcPanel(const ItemRef& item, Corpse* corpse);
    void drawInventory();
    void drawQuestLog();
    void drawDialogue(NPC& partner);
    void releaseQuestLog(int x, int y);
    // The journal lines and what they were wrapped from are dropped.
    void forgetDescription();
    void releaseDialogue(int x, int y);
    void drawSearchWindow(Corpse& corpse);
    // A grid of item cells from `scrollRow`; the cell being dragged from
    // stays empty.
    void drawItemCells(const std::vector<ItemRef>& items, int scrollRow, int columns, int rows, int left, int top,
                       int hiddenColumn, int hiddenRow, int amountLift);
    // An arrow or bolt stack's amount over its icon at (x, y): the number
    // `lift` pixels down, "+++" for a large stack a little up and left.
    void drawAmount(const ItemRef& item, int x, int y, int lift);

    // Drag sources: true when the press started a drag (or hit a source).
    bool pressInventory(int x, int y);
    bool pressQuickSlot(int x, int y);
    bool pressSearchWindow(int x, int y, Corpse& corpse);
    // The drag as the item rules see it.
    itemmoves::Drag currentDrag() const;
    void drop(int x, int y, Corpse* corpse);
    // The drop into a hand or slot was made.
    void soundIfPlaced(const itemmoves::Drag& drag, const Corpse* corpse);
    void releaseInventoryArrows(int x, int y);
    // The search window's arrows and buttons; returns the request bits.
    int releaseSearchWindow(int x, int y, Corpse* corpse);
    // Plus buttons of the statistics panel: index 0-9 of the one at (x, y), or -1.
    int plusAt(int x, int y) const;
    void pressPlus(int x, int y);
    void releasePlus(int x, int y);

    // Null images draw nothing; `source` null means the whole image.
    void blit(SDL_Surface* image, const SDL_Rect* source, int x, int y);
    // Empty texts and a missing font draw nothing.
    void drawText(TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y);
    // The same for texts that come back frame after frame (stack amounts): a
    // full pack would otherwise render dozens of them every frame.
    void drawKeptText(TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y);
    // A rendered text onto the screen; the canvas has noted it by its words.
    void paintUnnoted(SDL_Surface* rendered, int x, int y);

    std::unordered_map<std::string, SurfacePtr> keptTexts;
};
