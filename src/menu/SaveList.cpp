#include "menu/SaveList.h"

#include "menu/MainMenu.h"
#include "util/BinaryIO.h"
#include "util/FileSystem.h"

#include <algorithm>
#include <sstream>

namespace {

// An entry is at least an empty label's count, a slot and a sequence.
constexpr int32_t kMinEntryBytes = 12;

bool usable(const std::vector<SaveEntry>& saves, const SaveEntry& entry) {
    return entry.slot > 0 &&
           std::none_of(saves.begin(), saves.end(), [&](const SaveEntry& e) { return e.slot == entry.slot; });
}

}  // namespace

void sortNewestFirst(std::vector<SaveEntry>& saves) {
    std::stable_sort(saves.begin(), saves.end(),
                     [](const SaveEntry& a, const SaveEntry& b) { return a.sequence > b.sequence; });
}

void readSaveList(MainMenu& menu) {
    std::string bytes;
    if (!fs::readBinary(kSaveListPath, bytes)) return;
    std::istringstream file(bytes);
    BinaryReader in(file);
    int32_t count = 0;
    if (!in.readInt(menu.saveCounter) || !in.readInt(count)) return;
    // A forged count is cut to what the file could hold; a cut-off entry ends the list.
    count = static_cast<int32_t>(std::clamp<int64_t>(count, 0, in.remaining() / kMinEntryBytes));
    for (int32_t i = 0; i < count; ++i) {
        SaveEntry entry;
        if (!in.readText(entry.label) || !in.readInt(entry.slot) || !in.readInt(entry.sequence)) break;
        if (!usable(menu.saves, entry)) continue;
        menu.saveCounter = std::max(menu.saveCounter, entry.sequence);
        menu.saves.push_back(entry);
    }
    sortNewestFirst(menu.saves);
}

void writeSaveList(const MainMenu& menu) {
    std::ostringstream bytes;
    BinaryWriter out(bytes);
    out.writeInt(menu.saveCounter);
    out.writeInt(static_cast<int32_t>(menu.saves.size()));
    for (const SaveEntry& entry : menu.saves) {
        out.writeText(entry.label);
        out.writeInt(entry.slot);
        out.writeInt(entry.sequence);
    }
    fs::writeAtomic(kSaveListPath, bytes.str());
}
