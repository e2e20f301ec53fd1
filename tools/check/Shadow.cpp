#include "Shadow.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace stdfs = std::filesystem;

Shadow::Shadow(const std::string& dataFolder) {
    std::error_code ec;
    const stdfs::path source = stdfs::absolute(dataFolder, ec);
    if (ec || !stdfs::is_directory(source, ec)) return;
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/rpg-check-XXXXXX";
    if (!mkdtemp(pattern.data())) return;
    root = pattern;
    if (!stdfs::create_directory(root + "/data", ec)) return;
    for (stdfs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code kindError;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0 && !it->is_directory(kindError))
            continue;
        std::error_code linkError;
        stdfs::create_symlink(it->path(), root + "/data/" + name, linkError);
        if (linkError) return;
    }
    if (ec) return;
    previous = stdfs::current_path(ec).string();
    stdfs::current_path(root, ec);
    made = !ec;
}

Shadow::~Shadow() {
    std::error_code ec;
    if (!previous.empty()) stdfs::current_path(previous, ec);
    if (root.empty()) return;
    // One entry at a time: only the links go, never what they point to.
    std::vector<stdfs::path> entries;
    for (stdfs::directory_iterator it(root + "/data", ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(it->path());
    for (const stdfs::path& entry : entries) stdfs::remove(entry, ec);
    stdfs::remove(root + "/data", ec);
    stdfs::remove(root, ec);
}
