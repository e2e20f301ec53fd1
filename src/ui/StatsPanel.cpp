// The statistics panel: the player's values, the unspent points and the plus
// buttons that spend them.
#include "ui/Interface.h"

#include <string>

namespace {

constexpr int kAttributeCount = 6;
constexpr int kSkillCount = 4;
constexpr int kFirstSkill = 6;  // index of the first skill among the ten

// Attribute plus buttons: x 135, y 399 + 17 i; skill buttons: x 282, y 435 + 15 i.
constexpr int kAttributePlusX = 135;
constexpr int kAttributePlusY = 399;
constexpr int kAttributeSpacing = 17;
constexpr int kSkillPlusX = 282;
constexpr int kSkillPlusY = 435;
constexpr int kSkillSpacing = 15;
constexpr int kPlusSize = 9;

// The button of a column (first at firstY, `spacing` apart) whose rows hold
// y, or -1.
int plusRow(int y, int firstY, int spacing, int count) {
    for (int i = 0; i < count; ++i) {
        const int top = firstY + spacing * i;
        if (y >= top && y < top + kPlusSize) return i;
    }
    return -1;
}

}  // namespace

void Interface::drawStats() {
    blit(statsPanel.get(), nullptr, 20, 290);
    Player& p = *player;
    auto value = [this](int32_t number, int x, int y, const std::string& suffix = "") {
        drawText(smallFont, std::to_string(number) + suffix, textColour, x, y);
    };
    value(p.level, 135, 303);
    value(p.exp, 135, 316);
    value(p.nextLevelExp, 135, 331);
    drawText(smallFont, std::to_string(p.HP) + " / " + std::to_string(p.maxHP), textColour, 60, 353);
    drawText(smallFont, std::to_string(p.MP) + " / " + std::to_string(p.maxMP), textColour, 60, 368);
    for (int i = 0; i < kAttributeCount; ++i) value(p.attribute(i), 110, 394 + 17 * i);
    value(p.attack, 257, 348);
    value(p.magicAttack, 257, 363);
    value(p.defense, 257, 378);
    value(p.magicDefense, 257, 393);
    value(p.criticalChance, 257, 408, " %");
    for (int i = 0; i < kSkillCount; ++i) value(p.attribute(kFirstSkill + i), 257, 431 + 15 * i);

    if (p.attributePoints != 0 || p.skillPoints != 0) {
        blit(pointsPanel.get(), nullptr, 210, 308);
        value(p.attributePoints, 235, 309);
        value(p.skillPoints, 235, 325);
    }
    // Points can be spent only while there are some; a negative count (a
    // damaged state file) offers nothing.
    auto plus = [this](int index, int x, int y) {
        blit(plusImage.get(), pressedPlus == index ? &plusPressedRect : &plusReleasedRect, x, y);
    };
    if (p.attributePoints > 0)
        for (int i = 0; i < kAttributeCount; ++i)
            plus(i, kAttributePlusX, kAttributePlusY + kAttributeSpacing * i);
    if (p.skillPoints > 0)
        for (int i = 0; i < kSkillCount; ++i) plus(kFirstSkill + i, kSkillPlusX, kSkillPlusY + kSkillSpacing * i);
}

// Press and release share the hit areas: x 135..143 beside the attributes,
// 282..290 beside the skills, each button 9 rows high. A button counts only
// while it is drawn.
int Interface::plusAt(int x, int y) const {
    if (player->attributePoints > 0 && x >= kAttributePlusX && x < kAttributePlusX + kPlusSize) {
        const int row = plusRow(y, kAttributePlusY, kAttributeSpacing, kAttributeCount);
        if (row >= 0) return row;
    }
    if (player->skillPoints > 0 && x >= kSkillPlusX && x < kSkillPlusX + kPlusSize) {
        const int row = plusRow(y, kSkillPlusY, kSkillSpacing, kSkillCount);
        if (row >= 0) return kFirstSkill + row;
    }
    return -1;
}

void Interface::pressPlus(int x, int y) {
    const int index = plusAt(x, y);
    if (index >= 0) pressedPlus = index;
}

// The release alone decides: where the press was does not matter.
void Interface::releasePlus(int x, int y) {
    const int index = plusAt(x, y);
    if (index >= 0) player->spendPoint(index);
}
