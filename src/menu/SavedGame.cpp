#include "menu/SavedGame.h"

#include "game/WorkingFiles.h"
#include "util/BinaryIO.h"
#include "util/FileSystem.h"

#include <algorithm>
#include <sstream>

namespace {

bool listed(const std::vector<std::string>& paths, const std::string& path) {
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

// A section's int32 count and its bytes, the count never trusted.
bool readSection(BinaryReader& in, std::string& bytes) {
    int32_t size = 0;
    return in.readInt(size) && in.readBytes(size, bytes);
}

// Every working file of the save, start and player first.
std::vector<SavedFile> filesOf(const SavedGame& game) {
    std::vector<SavedFile> files = {{kStartWorkingFile, game.start}, {kPlayerWorkingFile, game.player}};
    files.insert(files.end(), game.maps.begin(), game.maps.end());
    return files;
}

}  // namespace

std::string saveFilePath(int32_t slot) { return "data\\saves\\" + std::to_string(slot) + ".sav"; }

SavedGame collectWorkingFiles() {
    SavedGame game;
    fs::readBinary(kStartWorkingFile, game.start);
    fs::readBinary(kPlayerWorkingFile, game.player);
    for (const std::string& path : mapWorkingFiles()) {
        SavedFile file{path, {}};
        if (fs::readBinary(path, file.bytes)) game.maps.push_back(std::move(file));
    }
    return game;
}

std::string packSavedGame(const SavedGame& game) {
    std::ostringstream bytes;
    BinaryWriter out(bytes);
    out.writeText(game.start);
    out.writeText(game.player);
    for (const SavedFile& file : game.maps) {
        out.writeText(file.path);
        out.writeText(file.bytes);
    }
    return bytes.str();
}

bool unpackSavedGame(const std::string& bytes, SavedGame& game) {
    std::istringstream file(bytes);
    BinaryReader in(file);
    const std::vector<std::string> allowed = mapWorkingFiles();
    SavedGame read;
    // The current map need not be listed: a game may be played, and saved, on
    // any map; the map itself refuses the names it must not write under.
    if (!readSection(in, read.start) || !readSection(in, read.player)) return false;
    while (in.remaining() > 0) {
        SavedFile stored;
        if (!in.readText(stored.path) || !readSection(in, stored.bytes)) return false;
        if (!listed(allowed, stored.path)) continue;
        auto same = std::find_if(read.maps.begin(), read.maps.end(),
                                 [&](const SavedFile& f) { return f.path == stored.path; });
        if (same != read.maps.end()) same->bytes = std::move(stored.bytes);
        else read.maps.push_back(std::move(stored));
    }
    game = std::move(read);
    return true;
}

bool stageSavedGame(const SavedGame& game) {
    const std::vector<SavedFile> files = filesOf(game);
    for (size_t i = 0; i < files.size(); ++i) {
        // Copies of a save that stays whole on the disk: a power cut costs
        // nothing that loading again can't bring back.
        if (fs::writeStaged(files[i].path, files[i].bytes, false)) continue;
        for (size_t k = 0; k < i; ++k) fs::dropStaged(files[k].path);
        return false;
    }
    return true;
}

void commitSavedGame(const SavedGame& game) {
    const std::vector<SavedFile> files = filesOf(game);
    for (const std::string& path : mapWorkingFiles()) {
        bool kept = std::any_of(files.begin(), files.end(), [&](const SavedFile& f) { return f.path == path; });
        if (!kept) fs::removeFile(path);
    }
    for (const SavedFile& file : files) fs::commitStaged(file.path);
}
