// The quest log: a row for each active quest, and the journal text of the
// one selected, wrapped and scrolled.
#include "ui/Interface.h"
#include "ui/HitArea.h"
#include "ui/TextWrap.h"

#include <algorithm>

namespace {

constexpr int kWrapWidth = 405;
constexpr int kRows = 6;
constexpr int kDescriptionLines = 11;

// Row i is hit (and highlighted) between y0 - 15 and y0, y0 = 181 + 15 i.
constexpr int rowBase(int i) { return 181 + 15 * i; }

constexpr HitArea kRowsUp{626, 167, 641, 174};
constexpr HitArea kRowsDown{626, 243, 641, 249};
constexpr HitArea kTextUp{626, 265, 641, 272};
constexpr HitArea kTextDown{626, 396, 641, 402};

}  // namespace

void Interface::drawQuestLog() {
    blit(questPanel.get(), nullptr, 200, 160);
    const std::vector<Quest>& quests = player->quests;
    const long long count = static_cast<long long>(quests.size());
    for (int i = 0; i < kRows && questLogScroll + i < count; ++i) {
        if (questLogScroll + i < 0) continue;
        const Quest& quest = quests[static_cast<size_t>(questLogScroll + i)];
        const std::string number = std::to_string(questLogScroll + i + 1) + ". ";
        const bool hovered = pointerX > 210 && pointerX < 615 && pointerY > rowBase(i) - 15 && pointerY < rowBase(i);
        drawKeptText(mediumFont, shortenRow(mediumFont, number, quest.name, kWrapWidth),
                     hovered ? highlightColour : textColour, 212, 164 + 14 * i);
    }
    questLogUpArrow = questLogScroll >= 1;
    questLogDownArrow = count - questLogScroll >= 7;
    if (questLogUpArrow) blit(arrows.get(), &upArrowRect, 625, 166);
    if (questLogDownArrow) blit(arrows.get(), &downArrowRect, 625, 242);

    // The journal shown belongs to a quest that has left the list (it was
    // finished): the text goes, selected or not, and so does a selection
    // still on that quest.
    if (descriptionQuestId != -1 &&
        std::none_of(quests.begin(), quests.end(), [this](const Quest& q) { return q.id == descriptionQuestId; })) {
        if (selectedQuestRow != -1 && selectedQuestRow + questLogScroll == descriptionQuest) selectedQuestRow = -1;
        forgetDescription();
    }
    if (selectedQuestRow != -1) {
        const long long index = static_cast<long long>(selectedQuestRow) + questLogScroll;
        if (index < 0 || index >= count) {
            selectedQuestRow = -1;
            forgetDescription();
        } else if (index != descriptionQuest || quests[static_cast<size_t>(index)].id != descriptionQuestId ||
                   quests[static_cast<size_t>(index)].description != descriptionText) {
            // Another quest, or its journal moved on: wrap it afresh. The
            // scroll stays where the arrows left it.
            const Quest& quest = quests[static_cast<size_t>(index)];
            descriptionQuest = index;
            descriptionQuestId = quest.id;
            descriptionText = quest.description;
            descriptionLines.clear();
            wrapText(mediumFont, descriptionText, kWrapWidth, descriptionLines);
        }
    }
    const long long lines = static_cast<long long>(descriptionLines.size());
    for (int i = 0; i < kDescriptionLines && descriptionScroll + i < lines; ++i)
        if (descriptionScroll + i >= 0)
            drawKeptText(mediumFont, descriptionLines[static_cast<size_t>(descriptionScroll + i)], textColour, 212,
                         262 + 12 * i);
    descriptionUpArrow = descriptionScroll >= 1;
    descriptionDownArrow = lines - descriptionScroll >= 12;
    if (descriptionUpArrow) blit(arrows.get(), &upArrowRect, 625, 264);
    if (descriptionDownArrow) blit(arrows.get(), &downArrowRect, 625, 395);
}

void Interface::forgetDescription() {
    descriptionLines.clear();
    descriptionQuest = -1;
    descriptionQuestId = -1;
    descriptionText.clear();
}

void Interface::releaseQuestLog(int x, int y) {
    for (int i = 0; i < kRows; ++i)
        if (x >= 211 && x <= 614 && y > rowBase(i) - 15 && y < rowBase(i) &&
            questLogScroll + i < static_cast<long long>(player->quests.size()))
            selectedQuestRow = i;
    if (questLogDownArrow && kRowsDown.contains(x, y)) ++questLogScroll;
    if (questLogUpArrow && kRowsUp.contains(x, y)) --questLogScroll;
    if (descriptionDownArrow && kTextDown.contains(x, y)) ++descriptionScroll;
    if (descriptionUpArrow && kTextUp.contains(x, y)) --descriptionScroll;
}
