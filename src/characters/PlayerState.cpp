// "data\player.tmp": the player's whole state, written and read field by field
// in one pass. Items are stored by id (and, in the inventory and the hands, by
// amount) and built anew from the item database on reading.
#include "characters/Player.h"
#include "util/BinaryIO.h"
#include "util/FileSystem.h"

#include <fstream>
#include <limits>
#include <sstream>

namespace {

const char* const kStatePath = "data\\player.tmp";

// Hand markers: the right hand holds the left hand's item; the hand is empty.
constexpr int32_t kSameAsLeft = -1;
constexpr int32_t kEmptyHand = -2;

// Smallest size of one stored record, so a count can be checked against the
// bytes left: a quest is stage, id and two text lengths; an inventory entry is
// an amount and a text length.
constexpr int32_t kQuestBytes = 16;
constexpr int32_t kDoneQuestBytes = 4;
constexpr int32_t kInventoryEntryBytes = 8;

// The 22 statistics from exp to crossbowSkill, in file order.
int32_t Characters::* const kStatistics[] = {
    &Characters::exp,          &Characters::level,        &Characters::nextLevelExp,
    &Characters::HP,           &Characters::maxHP,        &Characters::MP,
    &Characters::maxMP,        &Characters::attack,       &Characters::magicAttack,
    &Characters::defense,      &Characters::magicDefense, &Characters::criticalChance,
    &Characters::strength,     &Characters::dexterity,    &Characters::condition,
    &Characters::intelligence, &Characters::willpower,    &Characters::charisma,
    &Characters::oneHandedWeaponSkill, &Characters::twoHandedWeaponSkill,
    &Characters::bowSkill,     &Characters::crossbowSkill,
};

std::string idOf(const ItemRef& item) { return item ? item->id : std::string(); }

// A hand's amount shares its word with the negative hand markers, so an amount
// beyond the int32 range (an item file can give one) is capped rather than
// written as a marker that would break the rest of the file.
int32_t handAmount(const ItemRef& item) {
    constexpr uint32_t top = static_cast<uint32_t>(std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(item->amount > top ? top : item->amount);
}

void writeHand(BinaryWriter& out, const ItemRef& item) {
    if (!item) {
        out.writeInt(kEmptyHand);
        return;
    }
    out.writeInt(handAmount(item));
    out.writeText(item->id);
}

// Reads an item id; builds the item when the text is not empty.
bool readItem(BinaryReader& in, ItemRef& slot) {
    std::string id;
    if (!in.readText(id)) return false;
    if (!id.empty()) slot = makeItem(id);
    return true;
}

bool readAmountedItem(BinaryReader& in, int32_t amount, ItemRef& slot) {
    if (!readItem(in, slot)) return false;
    if (slot) slot->amount = static_cast<uint32_t>(amount);
    return true;
}

}  // namespace

// The bytes are built in memory and take the old file's place only when all
// of them are written, so a full disk leaves the last state whole rather than
// cut (a cut file reads back as a fresh player past the cut). Not synced: a
// working file outlives no game, only the saved games must survive a power cut.
void Player::saveState() {
    std::ostringstream bytes;
    BinaryWriter out(bytes);

    out.writeInt(x);
    out.writeInt(y);
    out.writeInt(static_cast<int32_t>(quests.size()));
    for (const Quest& quest : quests) {
        out.writeInt(quest.stage);
        out.writeInt(quest.id);
        out.writeText(quest.name);
        out.writeText(quest.description);
    }
    out.writeInt(static_cast<int32_t>(doneQuests.size()));
    for (int32_t done : doneQuests) out.writeInt(done);
    out.writeInt(attributePoints);
    out.writeInt(skillPoints);
    for (const ItemRef& slot : quickSlots) out.writeText(idOf(slot));
    out.writeInt(static_cast<int32_t>(inventory.size()));
    for (const ItemRef& item : inventory) {
        out.writeInt(static_cast<int32_t>(item ? item->amount : 0));
        out.writeText(idOf(item));
    }
    out.writeText(idOf(necklace));
    out.writeText(idOf(helmet));
    out.writeText(idOf(armor));
    writeHand(out, leftHand);
    if (rightHand && rightHand == leftHand)
        out.writeInt(kSameAsLeft);
    else
        writeHand(out, rightHand);
    out.writeText(idOf(ring1));
    out.writeText(idOf(ring2));
    out.writeText(idOf(boots));
    for (int32_t Characters::*stat : kStatistics) out.writeInt(this->*stat);
    fs::writeAtomic(kStatePath, bytes.str(), false);
}

// Stops at the first short or implausible read and keeps what came before it:
// counts and text lengths are checked against the bytes left, so a damaged or
// forged file can neither allocate nor loop beyond its own size.
void Player::loadState() {
    std::ifstream file;
    if (!fs::openBinaryRead(kStatePath, file)) return;
    BinaryReader in(file);

    if (!in.readInt(x) || !in.readInt(y)) return;

    int32_t count = 0;
    if (!in.readCount(count, kQuestBytes)) return;
    for (int32_t i = 0; i < count; ++i) {
        Quest quest;
        if (!in.readInt(quest.stage) || !in.readInt(quest.id) || !in.readText(quest.name) ||
            !in.readText(quest.description))
            return;
        quests.push_back(std::move(quest));
    }
    if (!in.readCount(count, kDoneQuestBytes)) return;
    for (int32_t i = 0; i < count; ++i) {
        int32_t done = 0;
        if (!in.readInt(done)) return;
        doneQuests.push_back(done);
    }
    if (!in.readInt(attributePoints) || !in.readInt(skillPoints)) return;
    for (ItemRef& slot : quickSlots)
        if (!readItem(in, slot)) return;

    if (!in.readCount(count, kInventoryEntryBytes)) return;
    for (int32_t i = 0; i < count; ++i) {
        // Every entry is an item, even one whose id is empty (a blank line of a
        // character's inventory builds such an item).
        int32_t amount = 0;
        std::string id;
        if (!in.readInt(amount) || !in.readText(id)) return;
        ItemRef item = makeItem(id);
        item->amount = static_cast<uint32_t>(amount);
        inventory.push_back(std::move(item));
    }
    if (!readItem(in, necklace) || !readItem(in, helmet) || !readItem(in, armor)) return;

    int32_t amount = 0;
    if (!in.readInt(amount)) return;
    if (amount >= 0 && !readAmountedItem(in, amount, leftHand)) return;
    if (!in.readInt(amount)) return;
    if (amount == kSameAsLeft)
        rightHand = leftHand;
    else if (amount != kEmptyHand && !readAmountedItem(in, amount, rightHand))
        return;

    if (!readItem(in, ring1) || !readItem(in, ring2) || !readItem(in, boots)) return;
    for (int32_t Characters::*stat : kStatistics)
        if (!in.readInt(this->*stat)) return;
}
