// The dialogue panel: what the NPC in front of the player says, and the
// numbered answers, wrapped and scrolled.
#include "ui/Interface.h"
#include "audio/Audio.h"
#include "ui/HitArea.h"
#include "ui/TextWrap.h"

namespace {

constexpr int kWrapWidth = 405;
constexpr int kLines = 19;
constexpr HitArea kUp{586, 257, 601, 264};
constexpr HitArea kDown{586, 484, 601, 491};

}  // namespace

void Interface::drawDialogue(NPC& partner) {
    bool rebound = false;
    if (dialoguePartner == -1) {
        dialoguePartner = partner.serial;
        partner.dialogue.currentNode = 0;
        rebound = true;
        audio::play(Sound::talk);
    } else if (dialoguePartner != partner.serial) {
        // Facing someone else now: this conversation is over.
        dialogueShown = false;
        dialoguePartner = -1;
        return;
    }
    blit(textPanel.get(), nullptr, 160, 250);

    // A partner whose first node is built already is read again for its own
    // lines, with answers fit for how things stand now: the store may still
    // hold another NPC's, and building again would run the node's commands a
    // second time.
    const bool built = partner.dialogue.buildNode(*player);
    if (rebound && !built) partner.dialogue.refresh(*player);
    if (built || rebound) {
        const Dialogue& talk = partner.dialogue;
        dialogueLines.clear();
        wrapText(mediumFont, talk.speech, kWrapWidth, dialogueLines);
        dialogueLines.push_back(" ");
        dialogueLines.push_back(" ");
        dialogueSpeechLines = static_cast<int>(dialogueLines.size());
        for (size_t k = 0; k < talk.options.size(); ++k) {
            const std::string number = std::string(1, static_cast<char>('1' + k)) + ". ";
            wrapText(mediumFont, talk.options[k].text, kWrapWidth, dialogueLines, number, "   ");
            dialogueLines.push_back(" ");
        }
        dialogueScroll = 0;
    }

    const long long count = static_cast<long long>(dialogueLines.size());
    for (int i = 0; i < kLines && dialogueScroll + i < count; ++i) {
        const long long index = dialogueScroll + i;
        if (index < 0) continue;
        drawKeptText(smallFont, dialogueLines[static_cast<size_t>(index)],
                     index < dialogueSpeechLines ? textColour : highlightColour, 172, 260 + 12 * i);
    }
    dialogueUpArrow = dialogueScroll >= 1;
    dialogueDownArrow = count - dialogueScroll >= 20;
    if (dialogueUpArrow) blit(arrows.get(), &upArrowRect, 585, 256);
    if (dialogueDownArrow) blit(arrows.get(), &downArrowRect, 585, 483);
}

void Interface::releaseDialogue(int x, int y) {
    if (dialogueUpArrow && kUp.contains(x, y))
        --dialogueScroll;
    else if (dialogueDownArrow && kDown.contains(x, y))
        ++dialogueScroll;
}
