#include "util/FileSystem.h"

#include "util/FileCache.h"

#include <SDL/SDL_image.h>

#include <cstdint>
#include <cstdio>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs {

namespace {

// A folder where a file should be opens fine on Linux and then reads as
// nothing; treat it as missing so callers take their "no file" path.
bool isRegularFile(const std::string& nativeName) {
    struct stat info;
    return stat(nativeName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The whole file with as few system calls as we can: a big map reads
// thousands of small files, and on some machines the calls, not the bytes,
// are most of its loading time.
bool readWhole(const std::string& path, std::string& bytes) {
    std::string name = nativePath(path);
    struct stat info;
    if (stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (cache::lookup(name, info, bytes)) return true;

    int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    bytes.clear();
    // The size is a hint only: the file may grow or shrink while we read.
    size_t chunk = info.st_size > 0 && info.st_size < (1 << 26) ? static_cast<size_t>(info.st_size) + 1 : 65536;
    size_t used = 0;
    bool failed = false;
    for (;;) {
        bytes.resize(used + chunk);
        ssize_t got = ::read(fd, &bytes[used], chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failed = true;
        if (got <= 0) break;
        used += static_cast<size_t>(got);
        if (static_cast<size_t>(got) < chunk && info.st_size > 0 && used >= static_cast<size_t>(info.st_size)) break;
        chunk = 65536;
    }
    bytes.resize(used);
    ::close(fd);
    if (!failed && used == static_cast<size_t>(info.st_size)) cache::store(name, info, bytes);
    // Half a file read is no file: a save made of it would be damaged.
    return !failed;
}

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

// Beside the file, so that the rename stays on one file system.
std::string stagedName(const std::string& path) { return nativePath(path) + ".part"; }

}  // namespace

std::string nativePath(const std::string& gamePath) {
    std::string out = gamePath;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

bool openText(const std::string& path, std::istringstream& in) {
    std::string text;
    if (!readWhole(path, text)) return false;
    // Folded in place: the text only ever shrinks.
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        text[kept++] = text[i];
    }
    text.resize(kept);
    in.clear();
    in.str(text);
    return true;
}

bool openBinaryRead(const std::string& path, std::ifstream& in) {
    std::string name = nativePath(path);
    if (!isRegularFile(name)) return false;
    in.open(name, std::ios::in | std::ios::binary);
    return in.is_open();
}

bool openBinaryWrite(const std::string& path, std::ofstream& out) {
    std::string name = nativePath(path);
    cache::forget(name);
    out.open(name, std::ios::out | std::ios::binary | std::ios::trunc);
    return out.is_open();
}

bool exists(const std::string& path) {
    std::string name = nativePath(path);
    if (!isRegularFile(name)) return false;
    std::ifstream file(name, std::ios::binary);
    return file.is_open();
}

void removeFile(const std::string& path) {
    std::string name = nativePath(path);
    cache::forget(name);
    std::remove(name.c_str());
}

bool readBinary(const std::string& path, std::string& bytes) { return readWhole(path, bytes); }

bool makeFolder(const std::string& path) {
    std::string name = nativePath(path);
    struct stat info;
    if (::mkdir(name.c_str(), 0755) == 0) return true;
    return stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool writeStaged(const std::string& path, const std::string& bytes, bool durable) {
    std::string name = stagedName(path);
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool written = writeAll(fd, bytes) && (!durable || ::fsync(fd) == 0);
    written = ::close(fd) == 0 && written;
    if (!written) ::unlink(name.c_str());
    return written;
}

bool commitStaged(const std::string& path) {
    std::string name = nativePath(path);
    cache::forget(name);
    if (::rename(stagedName(path).c_str(), name.c_str()) == 0) return true;
    dropStaged(path);
    return false;
}

void dropStaged(const std::string& path) { ::unlink(stagedName(path).c_str()); }

bool writeAtomic(const std::string& path, const std::string& bytes, bool durable) {
    return writeStaged(path, bytes, durable) && commitStaged(path);
}

SDL_Surface* readImage(const std::string& path) {
    // One read of the whole file, then decoding from memory: the decoders seek
    // and read in small steps, and thousands of item pictures make those
    // system calls most of a map's loading time.
    std::string bytes;
    if (!readWhole(path, bytes) || bytes.empty() || bytes.size() > INT32_MAX) return nullptr;
    SDL_RWops* memory = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!memory) return nullptr;
    // The extension is the only hint for formats without a signature (TGA).
    std::string::size_type dot = path.find_last_of(".\\/");
    std::string extension = dot != std::string::npos && path[dot] == '.' ? path.substr(dot + 1) : "";
    return IMG_LoadTyped_RW(memory, 1, const_cast<char*>(extension.c_str()));
}

TTF_Font* openFont(const std::string& path, int points) {
    return TTF_OpenFont(nativePath(path).c_str(), points);
}

SDL_RWops* openStream(const std::string& path) { return SDL_RWFromFile(nativePath(path).c_str(), "rb"); }

}  // namespace fs
