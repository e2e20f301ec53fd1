#include "items/Item.h"

#include "util/DataLine.h"
#include "util/FileSystem.h"
#include "util/Image.h"
#include "util/Log.h"

#include <sstream>

namespace {

struct NumericKey {
    const char* key;
    uint32_t Item::*field;
};

const NumericKey kNumericKeys[] = {
    {"HP", &Item::HP},
    {"maxHP", &Item::maxHP},
    {"MP", &Item::MP},
    {"maxMP", &Item::maxMP},
    {"attack", &Item::attack},
    {"magicAttack", &Item::magicAttack},
    {"defense", &Item::defense},
    {"magicDefense", &Item::magicDefense},
    {"criticalChance", &Item::criticalChance},
    {"strength", &Item::strength},
    {"dexterity", &Item::dexterity},
    {"condition", &Item::condition},
    {"intelligence", &Item::intelligence},
    {"willpower", &Item::willpower},
    {"charisma", &Item::charisma},
    {"oneHandedWeaponSkill", &Item::oneHandedWeaponSkill},
    {"twoHandedWeaponSkill", &Item::twoHandedWeaponSkill},
    {"bowSkill", &Item::bowSkill},
    {"crossbowSkill", &Item::crossbowSkill},
    {"amount", &Item::amount},
};

// Keyword of each type code, index = code - 1.
const char* const kTypeKeywords[] = {
    "onehanded", "twohanded", "bow",    "crossbow", "mixtureHP", "mixtureMP", "armor",   "helmet",
    "necklace",  "ring",      "boots",  "arrow",    "carrow",    "healRune",  "dmgRune",
};

// The bonuses in the characters' attribute order.
uint32_t Item::*const kAttributeFields[Item::kAttributeCount] = {
    &Item::strength,     &Item::dexterity,           &Item::condition,           &Item::intelligence,
    &Item::willpower,    &Item::charisma,            &Item::oneHandedWeaponSkill, &Item::twoHandedWeaponSkill,
    &Item::bowSkill,     &Item::crossbowSkill,
};

}  // namespace

Item::Item(const std::string& id) : id(id), imagePath("data\\items\\" + id + "\\" + id + ".bmp") {
    image = loadImage(imagePath);
    if (!image) logging::failure(logging::kLoadingItemImage, imagePath);

    const std::string dataPath = "data\\items\\" + id + "\\data.ini";
    std::istringstream in;
    if (!fs::openText(dataPath, in)) {
        logging::failure(logging::kLoadingFile, dataPath);
        return;
    }
    std::string line;
    while (dataline::readLine(in, line)) {
        const dataline::KeyValue kv = dataline::split(line);
        if (kv.key == "name") {
            name = kv.value;
        } else if (kv.key == "missileName") {
            if (missileImage) SDL_FreeSurface(missileImage);
            missileImage = loadImage("data\\missiles\\" + kv.value + ".bmp");
        } else if (kv.key == "type") {
            for (int32_t code = 1; code <= kDamageRune; ++code)
                if (kv.value == kTypeKeywords[code - 1]) {
                    type = code;
                    break;
                }
        } else {
            for (const NumericKey& numeric : kNumericKeys)
                if (kv.key == numeric.key) {
                    // A value that does not start with a number keeps what the field had.
                    dataline::readUnsigned(kv.value, this->*numeric.field);
                    break;
                }
        }
    }
}

Item::~Item() {
    if (missileImage) SDL_FreeSurface(missileImage);
    if (image) SDL_FreeSurface(image);
}

uint32_t Item::attributeBonus(int index) const {
    if (index < 0 || index >= kAttributeCount) return 0;
    return this->*kAttributeFields[index];
}
