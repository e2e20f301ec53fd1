#include "support/Installation.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>
#include <vector>

namespace stdfs = std::filesystem;

namespace {

std::string contentOf(const stdfs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

Installation::Installation(const std::string& prefix) : root(prefix) { install(); }

Installation::Installation() {
    char pattern[] = "/tmp/rpg-install-XXXXXX";
    if (!mkdtemp(pattern)) return;
    owned = pattern;
    root = owned + "/prefix";
    install();
}

Installation::~Installation() {
    std::error_code ec;
    if (!owned.empty()) stdfs::remove_all(owned, ec);
}

void Installation::install() {
    const std::string command = std::string(RPG_CMAKE) + " --install '" RPG_BUILD_DIR "' --prefix '" + root +
                                "' > '" + root + ".log' 2>&1";
    installed = std::system(command.c_str()) == 0;
}

std::string Installation::log() const { return contentOf(root + ".log"); }

std::string linkOf(const std::string& path) {
    std::error_code ec;
    return stdfs::read_symlink(path, ec).string();
}

std::string environmentOf(int pid, const std::string& name) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/environ", std::ios::binary);
    for (std::string entry; std::getline(in, entry, '\0');)
        if (entry.compare(0, name.size() + 1, name + "=") == 0) return entry.substr(name.size() + 1);
    return "(unset)";
}

std::map<std::string, std::string> snapshot(const std::string& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : stdfs::recursive_directory_iterator(root)) {
        struct stat info;
        if (lstat(entry.path().c_str(), &info) != 0) continue;
        std::string seen = std::to_string(info.st_mode) + " " + std::to_string(info.st_mtim.tv_sec) + "." +
                           std::to_string(info.st_mtim.tv_nsec);
        if (S_ISLNK(info.st_mode)) seen += " -> " + stdfs::read_symlink(entry.path()).string();
        if (S_ISREG(info.st_mode))
            seen += " " + std::to_string(info.st_size) + " " +
                    std::to_string(std::hash<std::string>()(contentOf(entry.path())));
        entries[stdfs::relative(entry.path(), root).string()] = seen;
    }
    return entries;
}

void layOver(const std::string& newer, const std::string& older) {
    for (const auto& entry : stdfs::recursive_directory_iterator(newer)) {
        const stdfs::path target = stdfs::path(older) / stdfs::relative(entry.path(), newer);
        if (entry.is_directory()) {
            stdfs::create_directories(target);
            continue;
        }
        stdfs::path staged = target;
        staged += ".new";
        stdfs::copy(entry.path(), staged, stdfs::copy_options::overwrite_existing);
        stdfs::rename(staged, target);
    }
    std::vector<stdfs::path> gone;
    for (const auto& entry : stdfs::recursive_directory_iterator(older))
        if (!stdfs::exists(stdfs::path(newer) / stdfs::relative(entry.path(), older))) gone.push_back(entry.path());
    for (const stdfs::path& path : gone) stdfs::remove_all(path);
}
