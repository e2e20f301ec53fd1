// The panel at the right edge: who or what is in front of or under the
// player, and the icons of the actions that apply to it.
#include "ui/BarWidth.h"
#include "ui/Interface.h"

#include <vector>

namespace {

constexpr int kPanelX = 695;
constexpr int kPanelY = 250;
constexpr int kNameX = 730;
constexpr int kNameY = 253;
constexpr int kPictureX = 702;
constexpr int kSpriteY = 257;
constexpr int kRemainsY = 272;  // a corpse's image or an item's icon
constexpr int kIconX = 705;
constexpr int kFirstIconY = 315;
constexpr int kIconSpacing = 18;

}  // namespace

void Interface::drawNpcPanel(const ItemRef& item, Corpse* corpse) {
    // Any creature other than the player is an NPC; the cast makes sure.
    target = dynamic_cast<NPC*>(player->target);

    std::vector<SDL_Surface*> icons;
    if (target) {
        npcHPRect.w = barWidth(target->HP, target->maxHP, npcStripeWidth);
        npcMPRect.w = barWidth(target->MP, target->maxMP, npcStripeWidth);
        blit(npcPanel.get(), nullptr, kPanelX, kPanelY);
        blit(target->sprite, &frameRects[0], kPictureX, kSpriteY);
        blit(npcStripes.get(), &npcHPRect, 730, 271);
        blit(npcStripes.get(), &npcMPRect, 730, 278);
        drawText(smallFont, target->name, textColour, kNameX, kNameY);
        // In order of preference, one row each.
        if (target->agression) icons.push_back(attackIcon.get());
        if (target->dialogue.hasDialogue && !target->agression) icons.push_back(talkIcon.get());
        if (corpse) icons.push_back(searchIcon.get());
        if (item) icons.push_back(pickUpIcon.get());
    } else if (corpse) {
        blit(npcPanel.get(), nullptr, kPanelX, kPanelY);
        drawText(smallFont, corpse->name, textColour, kNameX, kNameY);
        blit(corpse->image, nullptr, kPictureX, kRemainsY);
        icons.push_back(searchIcon.get());
        if (item) icons.push_back(pickUpIcon.get());
    } else if (item) {
        blit(npcPanel.get(), nullptr, kPanelX, kPanelY);
        blit(item->image, nullptr, kPictureX, kRemainsY);
        icons.push_back(pickUpIcon.get());
    }
    for (size_t row = 0; row < icons.size(); ++row)
        blit(icons[row], nullptr, kIconX, kFirstIconY + kIconSpacing * static_cast<int>(row));
}
