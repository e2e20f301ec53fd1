#include "menu/SaveList.h"

#include "menu/MainMenu.h"
#include "util/BinaryIO.h"
#include "util/FileSystem.h"

namespace {
const char* const kListPath = "data\\saves\\savelist.sav";
// An entry is at least an empty label's count, a slot and a sequence.
constexpr int32_t kMinEntryBytes = 12;
}  // namespace

void readSaveList(MainMenu& menu) {
    std::ifstream file;
    if (!fs::openBinaryRead(kListPath, file)) return;
    BinaryReader in(file);
    int32_t counter = 0, count = 0;
    if (!in.readInt(counter)) return;
    menu.saveCounter = counter;
    if (!in.readCount(count, kMinEntryBytes)) return;
    for (int32_t i = 0; i < count; ++i) {
        SaveEntry entry;
        if (!in.readText(entry.label) || !in.readInt(entry.slot) || !in.readInt(entry.sequence)) return;
        menu.saves.push_back(entry);
    }
}

void writeSaveList(const MainMenu& menu) {
    std::ofstream file;
    if (!fs::openBinaryWrite(kListPath, file)) return;
    BinaryWriter out(file);
    out.writeInt(menu.saveCounter);
    out.writeInt(static_cast<int32_t>(menu.saves.size()));
    for (const SaveEntry& entry : menu.saves) {
        out.writeText(entry.label);
        out.writeInt(entry.slot);
        out.writeInt(entry.sequence);
    }
}
