#include "util/FileSystem.h"

#include <SDL/SDL_image.h>

#include <cstdio>
#include <sys/stat.h>

namespace fs {

namespace {

// A folder where a file should be opens fine on Linux and then reads as
// nothing; treat it as missing so callers take their "no file" path.
bool isRegularFile(const std::string& nativeName) {
    struct stat info;
    return stat(nativeName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string nativePath(const std::string& gamePath) {
    std::string out = gamePath;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

bool openText(const std::string& path, std::istringstream& in) {
    std::string name = nativePath(path);
    if (!isRegularFile(name)) return false;
    std::ifstream file(name, std::ios::binary);
    if (!file.is_open()) return false;
    std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string text;
    text.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        text.push_back(raw[i]);
    }
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
    out.open(nativePath(path), std::ios::out | std::ios::binary | std::ios::trunc);
    return out.is_open();
}

bool exists(const std::string& path) {
    std::string name = nativePath(path);
    if (!isRegularFile(name)) return false;
    std::ifstream file(name, std::ios::binary);
    return file.is_open();
}

void removeFile(const std::string& path) { std::remove(nativePath(path).c_str()); }

SDL_Surface* readImage(const std::string& path) { return IMG_Load(nativePath(path).c_str()); }

TTF_Font* openFont(const std::string& path, int points) {
    return TTF_OpenFont(nativePath(path).c_str(), points);
}

}  // namespace fs
