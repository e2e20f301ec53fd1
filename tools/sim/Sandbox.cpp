#include "Sandbox.h"

#include "util/FileSystem.h"

#include <cstdlib>
#include <filesystem>

namespace stdfs = std::filesystem;

Sandbox::Sandbox(const std::string& dataFolder) {
    std::error_code ec;
    if (!stdfs::is_directory(dataFolder, ec)) return;
    char pattern[] = "/tmp/rpg-sim-XXXXXX";
    if (!mkdtemp(pattern)) return;
    root = pattern;
    previous = stdfs::current_path(ec).string();
    stdfs::copy(dataFolder, root + "/data", stdfs::copy_options::recursive, ec);
    // A new game: no working files, and saved games play no part.
    stdfs::remove_all(root + "/data/saves", ec);
    for (const auto& entry : stdfs::directory_iterator(root + "/data", ec))
        if (entry.path().extension() == ".tmp") stdfs::remove(entry.path(), ec);
    stdfs::current_path(root, ec);
    if (ec) root.clear();
}

Sandbox::~Sandbox() {
    if (root.empty()) return;
    std::error_code ec;
    stdfs::current_path(previous, ec);
    stdfs::remove_all(root, ec);
}

void Sandbox::write(const std::string& path, const std::string& content) const {
    std::error_code ec;
    stdfs::create_directories((stdfs::path(root) / fs::nativePath(path)).parent_path(), ec);
    fs::writeAtomic(path, content, false);
}

std::string Sandbox::read(const std::string& path) const {
    std::string bytes;
    fs::readBinary(path, bytes);
    return bytes;
}
