#include "FuzzWorld.h"

#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace stdfs = std::filesystem;

namespace fuzzworld {

namespace {

struct Look {
    uintmax_t size;
    stdfs::file_time_type changed;
};

// Folders that must hold exactly one entry each (the way down to data/).
std::vector<stdfs::path> onlyChild;
std::map<std::string, Look> contentFiles;  // regular files at the top of data/
std::vector<std::string> contentFolders;   // folders at the top of data/
std::string root;                          // the fuzz binaries' temporary root

std::string native(std::string path) {
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool isSaveName(const std::string& name) {
    if (name == "savelist.sav") return true;
    if (!endsWith(name, ".sav") || name.size() == 4) return false;
    return name.find_first_not_of("0123456789") == name.size() - 4;
}

void removeRoot() {
    std::error_code ec;
    if (!root.empty()) stdfs::remove_all(root, ec);
}

}  // namespace

void prepare() {
    const stdfs::path from = stdfs::path(RPG_SOURCE_DIR) / "data";
    stdfs::create_directories("data");
    for (auto it = stdfs::recursive_directory_iterator(from); it != stdfs::recursive_directory_iterator(); ++it) {
        const stdfs::path below = stdfs::relative(it->path(), from);
        if (*below.begin() == "saves") continue;  // the game's own saves, not content
        const stdfs::path to = "data" / below;
        if (it->is_directory()) stdfs::create_directories(to);
        else if (it->path().extension() != ".bmp") stdfs::copy_file(it->path(), to, stdfs::copy_options::overwrite_existing);
    }
    // The shipped maps without their scenery: map_dir fuzzes that reader, and
    // elsewhere it would take most of the time every shipped map is built.
    for (const auto& map : stdfs::directory_iterator("data/maps"))
        if (map.is_directory()) write((map.path() / "scenery.dat").string(), "");
    stdfs::create_directories("data/saves");
    contentFiles.clear();
    contentFolders.clear();
    for (const auto& entry : stdfs::directory_iterator("data")) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory()) contentFolders.push_back(name);
        else contentFiles[name] = Look{entry.file_size(), entry.last_write_time()};
    }
    onlyChild = {stdfs::current_path()};
}

SDL_Surface* screen() {
    // A test that started SDL itself has its own screen.
    if (SDL_Surface* current = SDL_GetVideoSurface()) return current;
    static SDL_Surface* surface = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error("SDL_Init failed");
        TTF_Init();
        return SDL_SetVideoMode(800, 600, 32, 0);
    }();
    return surface;
}

void enter() {
    // In memory where we can: every input creates and removes a few files.
    std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/rpgfuzz-XXXXXX" : "/tmp/rpgfuzz-XXXXXX";
    if (!mkdtemp(&pattern[0])) std::abort();
    root = pattern;
    std::atexit(removeRoot);
    // A few levels down, so that a path climbing out of data/ lands where
    // strayWrites looks.
    const stdfs::path world = stdfs::path(root) / "a" / "b" / "c";
    stdfs::create_directories(world);
    stdfs::current_path(world);
    prepare();
    onlyChild = {world, world.parent_path(), world.parent_path().parent_path(), root};
    screen();
}

void write(const std::string& path, const std::string& bytes) {
    const stdfs::path p = native(path);
    if (p.has_parent_path()) stdfs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void remove(const std::string& path) {
    std::error_code ec;
    stdfs::remove(native(path), ec);
}

std::string read(const std::string& path) {
    std::ifstream in(native(path), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void clearWorkingFiles() {
    std::error_code ec;
    for (const auto& entry : stdfs::directory_iterator("data", ec))
        if (entry.is_regular_file() && endsWith(entry.path().filename().string(), ".tmp")) stdfs::remove(entry.path(), ec);
    for (const auto& entry : stdfs::directory_iterator("data/saves", ec)) stdfs::remove_all(entry.path(), ec);
}

std::vector<std::string> split(const std::string& input, size_t count) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (parts.size() + 1 < count) {
        const size_t nul = input.find('\0', start);
        if (nul == std::string::npos) break;
        parts.push_back(input.substr(start, nul - start));
        start = nul + 1;
    }
    parts.push_back(start <= input.size() ? input.substr(start) : std::string());
    parts.resize(count);
    return parts;
}

std::string strayWrites() {
    std::error_code ec;
    for (size_t level = 0; level < onlyChild.size(); ++level) {
        const std::string expected = level == 0 ? "data" : onlyChild[level - 1].filename().string();
        for (const auto& entry : stdfs::directory_iterator(onlyChild[level], ec))
            if (entry.path().filename() != expected) return "written outside data: " + entry.path().string();
    }
    for (const auto& entry : stdfs::directory_iterator("data", ec)) {
        const std::string name = entry.path().filename().string();
        auto content = contentFiles.find(name);
        if (content != contentFiles.end()) {
            if (entry.file_size(ec) != content->second.size || entry.last_write_time(ec) != content->second.changed)
                return "content file changed: data/" + name;
        } else if (std::find(contentFolders.begin(), contentFolders.end(), name) == contentFolders.end() &&
                   !(entry.is_regular_file() && endsWith(name, ".tmp"))) {
            return "stray file in data: " + name;
        }
    }
    for (const auto& entry : stdfs::directory_iterator("data/saves", ec))
        if (!entry.is_regular_file() || !isSaveName(entry.path().filename().string()))
            return "stray file in data/saves: " + entry.path().filename().string();
    return std::string();
}

}  // namespace fuzzworld
