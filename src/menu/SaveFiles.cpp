// Saving, loading and deleting the saved games of the list.
#include "menu/MainMenu.h"

#include "game/Game.h"
#include "menu/SaveLabel.h"
#include "menu/SaveList.h"
#include "menu/SavedGame.h"
#include "util/FileSystem.h"

#include <algorithm>
#include <climits>
#include <ctime>

namespace {

// A file without an entry (a damaged list lost it) is still someone's save.
bool taken(const std::vector<SaveEntry>& saves, int32_t slot) {
    return std::any_of(saves.begin(), saves.end(), [&](const SaveEntry& e) { return e.slot == slot; }) ||
           fs::exists(saveFilePath(slot));
}

int32_t freeSlot(const std::vector<SaveEntry>& saves) {
    int32_t slot = 1;
    while (taken(saves, slot)) ++slot;
    return slot;
}

}  // namespace

int32_t MainMenu::nextSequence() {
    if (saveCounter == INT32_MAX) {
        // Only a forged list gets here; the order newest first is what counts.
        saveCounter = static_cast<int32_t>(saves.size());
        int32_t sequence = saveCounter;
        for (SaveEntry& entry : saves) entry.sequence = sequence--;
    }
    return ++saveCounter;
}

bool MainMenu::saveGame(int32_t line) {
    if (line < 0 || line > static_cast<int32_t>(saves.size())) return false;
    const int32_t slot = line == 0 ? freeSlot(saves) : saves[line - 1].slot;
    const std::string bytes = packSavedGame(collectWorkingFiles());
    if (!fs::makeFolder("data\\saves") || !fs::writeAtomic(saveFilePath(slot), bytes)) return false;

    if (line == 0) saves.push_back(SaveEntry{"", slot, 0});
    SaveEntry& entry = line == 0 ? saves.back() : saves[line - 1];
    entry.sequence = nextSequence();
    entry.label = saveLabel(std::time(nullptr));
    sortNewestFirst(saves);
    writeSaveList(*this);
    return true;
}

bool MainMenu::loadGame(int32_t entry) {
    if (entry < 0 || entry >= static_cast<int32_t>(saves.size())) return false;
    std::string bytes;
    SavedGame saved;
    // All of it read and checked before anything is replaced.
    if (!fs::readBinary(saveFilePath(saves[entry].slot), bytes) || !unpackSavedGame(bytes, saved)) return false;

    // The running game writes its working files as it ends, staged the same
    // way: it has to be gone before the save's files are staged beside them.
    Game* running = *currentGame;
    if (running) {
        running->wipeWorkingFiles = false;
        delete running;
        *currentGame = nullptr;
    }
    // A save that can't be written aside leaves the old game's files whole,
    // and the game goes on from them.
    const bool loaded = stageSavedGame(saved);
    if (loaded) commitSavedGame(saved);
    if (running) *currentGame = new Game(screen);
    return loaded;
}

void MainMenu::deleteSave(int32_t line) {
    if (line < 1 || line > static_cast<int32_t>(saves.size())) return;
    fs::removeFile(saveFilePath(saves[line - 1].slot));
    saves.erase(saves.begin() + (line - 1));
    if (saves.empty()) fs::removeFile(kSaveListPath);
    else writeSaveList(*this);
}
