#include "ui/Interface.h"

#include "util/Canvas.h"
#include "util/FileSystem.h"
#include "util/Log.h"

namespace {

const char* const kFontPath = "data\\comic.ttf";

}  // namespace

Interface::Interface(Player* player, SDL_Surface* screen) : screen(screen), player(player) { loadResources(); }

Interface::~Interface() {
    keptTexts.clear();
    closeFonts();
}

void Interface::loadResources() {
    // A picture that fails to load stays null and is simply not drawn.
    const std::string gui = "data\\GUI\\";
    plusImage.reset(loadInterfaceImage(gui + "adds.bmp"));
    emptyStripes.reset(loadInterfaceImage(gui + "emptyStripes.bmp"));
    fullStripes.reset(loadInterfaceImage(gui + "fullStripes.bmp"));
    npcPanel.reset(loadInterfaceImage(gui + "NPCPanel.bmp"));
    quickSlotFrame.reset(loadInterfaceImage(gui + "field.bmp"));
    npcStripes.reset(loadInterfaceImage(gui + "NPCStripesPanel.bmp"));
    attackIcon.reset(loadInterfaceImage(gui + "mAttack.bmp"));
    searchIcon.reset(loadInterfaceImage(gui + "mSearch.bmp"));
    tradeIcon.reset(loadInterfaceImage(gui + "mTrade.bmp"));
    talkIcon.reset(loadInterfaceImage(gui + "mTalk.bmp"));
    pickUpIcon.reset(loadInterfaceImage(gui + "mPickUp.bmp"));
    statsPanel.reset(loadInterfaceImage(gui + "panelStats.bmp"));
    equipmentPanel.reset(loadInterfaceImage(gui + "panelIventChar.bmp"));
    inventoryPanel.reset(loadInterfaceImage(gui + "panelIventory.bmp"));
    pointsPanel.reset(loadInterfaceImage(gui + "panelPSPA.bmp"));
    arrows.reset(loadInterfaceImage(gui + "arrows.bmp"));
    searchWindow.reset(loadInterfaceImage(gui + "enemyInventory.bmp"));
    searchButtons.reset(loadInterfaceImage(gui + "enemyButtons.bmp"));
    textPanel.reset(loadInterfaceImage(gui + "textPanel.bmp"));
    questPanel.reset(loadInterfaceImage(gui + "questPanel.bmp"));

    smallFont = fs::openFont(kFontPath, 11);
    mediumFont = fs::openFont(kFontPath, 12);
    largeFont = fs::openFont(kFontPath, 20);
    // One file behind all three: report it once, and keep either all of them
    // or none, so the panels never show half their text.
    if (!smallFont || !mediumFont || !largeFont) {
        logging::failure(logging::kLoadingFile, kFontPath);
        closeFonts();
    }
}

void Interface::closeFonts() {
    for (TTF_Font** font : {&smallFont, &mediumFont, &largeFont}) {
        if (*font) TTF_CloseFont(*font);
        *font = nullptr;
    }
}

void Interface::draw(const ItemRef& item, Corpse* corpse) {
    drawBottomBar();
    if (statsShown) drawStats();
    if (questLogShown) drawQuestLog();
    if (!corpse) searchShown = false;
    if (searchShown) drawSearchWindow(*corpse);
    if (inventoryShown) drawInventory();
    drawNpcPanel(item, corpse);
    if (dialogueShown && target && target->dialogue.hasDialogue && !target->agression) {
        drawDialogue(*target);
    } else {
        dialogueShown = false;
        dialoguePartner = -1;
    }
    if (draggedItem) blit(draggedItem->image, nullptr, pointerX - grabX, pointerY - grabY);
}

void Interface::endDrag() {
    draggedItem.reset();
    grabX = grabY = 0;
    inventorySource = gridColumn = gridRow = -1;
    equipmentSource = 0;
    quickSlotSide = 0;
    quickSlotIndex = -1;
    searchSource = searchCellColumn = searchCellRow = -1;
    pressedSearchButton = -1;
    pressedPlus = -1;
}

void Interface::toggleQuestLog() {
    questLogShown = !questLogShown;
    if (!questLogShown) selectedQuestRow = -1;
}

void Interface::toggleDialogue() {
    dialogueShown = !dialogueShown;
    if (!dialogueShown) dialoguePartner = -1;
}

void Interface::blit(SDL_Surface* image, const SDL_Rect* source, int x, int y) {
    canvas::blit(image, source, screen, x, y);
}

void Interface::drawText(TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y) {
    // The font library has nothing to render for an empty text.
    if (!font || text.empty()) return;
    canvas::noteText(font, text, colour, x, y);
    if (!canvas::painting() || !screen) return;
    SurfacePtr rendered(TTF_RenderText_Solid(font, text.c_str(), colour));
    paintUnnoted(rendered.get(), x, y);
}

void Interface::drawKeptText(TTF_Font* font, const std::string& text, SDL_Color colour, int x, int y) {
    if (!font || text.empty()) return;
    canvas::noteText(font, text, colour, x, y);
    if (!canvas::painting() || !screen) return;
    // A few hundred distinct amounts at most are on screen; past that, start afresh.
    constexpr size_t kMostKept = 512;
    std::string key = text;
    key += '\0';
    key += std::to_string(TTF_FontHeight(font)) + ':' + std::to_string(colour.r) + ',' + std::to_string(colour.g) +
           ',' + std::to_string(colour.b);
    auto kept = keptTexts.find(key);
    if (kept == keptTexts.end()) {
        if (keptTexts.size() >= kMostKept) keptTexts.clear();
        kept = keptTexts.emplace(key, SurfacePtr(TTF_RenderText_Solid(font, text.c_str(), colour))).first;
    }
    paintUnnoted(kept->second.get(), x, y);
}

void Interface::paintUnnoted(SDL_Surface* rendered, int x, int y) {
    if (!rendered) return;
    SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(rendered, nullptr, screen, &at);
}
