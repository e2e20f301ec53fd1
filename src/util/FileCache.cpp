#include "util/FileCache.h"

#include <ctime>
#include <unordered_map>

namespace fs::cache {

namespace {

constexpr size_t kLargestFile = 1 << 20;
constexpr size_t kMostBytes = 32 << 20;

struct Copy {
    struct stat info;
    std::string bytes;
};

struct Store {
    std::unordered_map<std::string, Copy> copies;
    size_t bytes = 0;
};

Store& kept() {
    static Store store;
    return store;
}

bool sameState(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// File times come from a clock that ticks every few milliseconds, so a file
// rewritten at the same size within one tick looks unchanged. A file changed
// in the last second is therefore never kept: any later change then gets a
// visibly later time.
bool settled(const struct stat& info) {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return info.st_ctim.tv_sec + 1 < now.tv_sec && info.st_mtim.tv_sec + 1 < now.tv_sec;
}

}  // namespace

bool lookup(const std::string& name, const struct stat& info, std::string& bytes) {
    auto found = kept().copies.find(name);
    if (found == kept().copies.end() || !sameState(found->second.info, info)) return false;
    bytes = found->second.bytes;
    return true;
}

void store(const std::string& name, const struct stat& info, const std::string& bytes) {
    forget(name);
    if (bytes.size() > kLargestFile || !settled(info)) return;
    Store& all = kept();
    if (all.bytes + bytes.size() > kMostBytes) {
        all.copies.clear();
        all.bytes = 0;
    }
    all.copies[name] = Copy{info, bytes};
    all.bytes += bytes.size();
}

void forget(const std::string& name) {
    Store& all = kept();
    auto found = all.copies.find(name);
    if (found == all.copies.end()) return;
    all.bytes -= found->second.bytes.size();
    all.copies.erase(found);
}

}  // namespace fs::cache
