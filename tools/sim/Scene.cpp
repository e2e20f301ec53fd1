#include "Scene.h"

#include "characters/NPC.h"
#include "util/FileSystem.h"

#include <algorithm>
#include <filesystem>

namespace {

std::vector<std::string> characterIds() {
    std::vector<std::string> ids;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(fs::nativePath("data\\characters"), ec))
        if (entry.is_directory()) ids.push_back(entry.path().filename().string());
    std::sort(ids.begin(), ids.end());
    return ids;
}

}  // namespace

std::vector<Scene> duels() {
    std::vector<std::pair<int32_t, std::string>> kinds;
    for (const std::string& id : characterIds()) {
        if (id == "Gracz") continue;
        const NPC creature(0, 0, id);
        if (creature.agression) kinds.emplace_back(creature.exp, id);
    }
    std::sort(kinds.begin(), kinds.end());
    std::vector<Scene> scenes;
    for (const auto& kind : kinds) {
        Scene scene;
        scene.name = kind.second;
        scene.map = kArena;
        scene.column = kArenaSize / 2;
        scene.row = kArenaSize / 2;
        scene.area = {0, 0, kArenaSize - 1, kArenaSize - 1};
        scene.kind = kind.second;
        scenes.push_back(scene);
    }
    return scenes;
}

std::vector<Scene> places() {
    return {
        {"forest: the road's wolf", "forest", 1, 19, {0, 0, 24, 39}, ""},
        {"forest: the three wolves, one after another", "forest", 1, 19, {0, 14, 36, 26}, ""},
        {"forest: the bandit camp", "forest", 33, 19, {28, 0, 45, 12}, ""},
        {"forest: the ruins", "forest", 33, 22, {35, 26, 49, 39}, ""},
        {"crypt: the pillared hall", "crypt", 9, 16, {15, 8, 27, 22}, ""},
        {"crypt: the ossuary", "crypt", 20, 10, {11, 1, 33, 7}, ""},
        {"crypt: the den", "crypt", 21, 20, {11, 23, 29, 33}, ""},
        {"crypt: the chieftain's hall", "crypt", 28, 16, {34, 2, 45, 26}, ""},
    };
}

void stage(const Sandbox& sandbox, const Scene& scene) {
    sandbox.write("data\\maps\\start.dat", scene.map + " " + std::to_string(scene.column) + " " +
                                               std::to_string(scene.row) + "\n");
    if (scene.map != kArena) return;
    // The forest's ground and tiles, without a tree.
    const std::string forest = "data\\maps\\forest\\";
    const std::string header = sandbox.read(forest + "data.ini");
    std::string ini;
    size_t at = 0;
    for (int line = 0; line < 3 && at < header.size(); ++line) {
        const size_t end = header.find('\n', at);
        ini += header.substr(at, end == std::string::npos ? std::string::npos : end - at) + "\n";
        at = end == std::string::npos ? header.size() : end + 1;
    }
    ini += "[moves]\n[npc]\n" + std::to_string(kDuelColumn) + ":" + std::to_string(kDuelRow) + "|" + scene.kind +
           "\n[items]\n";
    const std::string arena = std::string("data\\maps\\") + kArena + "\\";
    sandbox.write(arena + "data.ini", ini);
    const std::string row(static_cast<size_t>(kArenaSize), 'g');
    std::string terrain;
    for (int32_t r = 0; r < kArenaSize; ++r) terrain += row + "\n";
    sandbox.write(arena + "map.map", terrain);
    sandbox.write(arena + "scenery.dat", "");
    sandbox.write(arena + "fields.bmp", sandbox.read(forest + "fields.bmp"));
    std::string maps = sandbox.read("data\\maps.dat");
    if (maps.find(std::string(kArena) + "\n") != std::string::npos) return;
    if (!maps.empty() && maps.back() != '\n') maps += "\n";
    sandbox.write("data\\maps.dat", maps + kArena + "\n");  // so that each game wipes its kept state
}
