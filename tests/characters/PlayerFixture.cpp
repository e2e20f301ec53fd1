#include "characters/PlayerFixture.h"

#include "support/ItemFiles.h"

Bytes& Bytes::num(int32_t value) {
    uint32_t v = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) data.push_back(static_cast<char>((v >> shift) & 0xFF));
    return *this;
}

Bytes& Bytes::text(const std::string& value) {
    num(static_cast<int32_t>(value.size()));
    data += value;
    return *this;
}

Bytes& Bytes::texts(int count, const std::string& value) {
    for (int i = 0; i < count; ++i) text(value);
    return *this;
}

std::array<int32_t*, 22> statisticsOf(Player& p) {
    return {&p.exp,       &p.level,         &p.nextLevelExp,         &p.HP,
            &p.maxHP,     &p.MP,            &p.maxMP,                &p.attack,
            &p.magicAttack, &p.defense,     &p.magicDefense,         &p.criticalChance,
            &p.strength,  &p.dexterity,     &p.condition,            &p.intelligence,
            &p.willpower, &p.charisma,      &p.oneHandedWeaponSkill, &p.twoHandedWeaponSkill,
            &p.bowSkill,  &p.crossbowSkill};
}

void PlayerTest::writeItem(const std::string& id, const std::string& ini) const { ::writeItem(world, id, ini); }

void PlayerTest::writeStandardItems() const {
    writeItem("axe", "name=Battle axe\ntype=twohanded\nattack=20\nstrength=2\n");
    writeItem("bow", "name=Long bow\ntype=bow\nattack=12\nbowSkill=5\n");
    writeItem("arrows", "name=Arrows\ntype=arrow\namount=50\n");
    writeItem("potion", "name=Small potion\ntype=mixtureHP\nHP=50\namount=3\n");
    writeItem("helmet", "name=Cap\ntype=helmet\ndefense=2\nmaxHP=20\n");
}
