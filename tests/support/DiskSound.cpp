#include "support/DiskSound.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

std::vector<std::string> DiskSound::environment() const {
    return {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + file, "SDL_DISKAUDIODELAY=40"};
}

size_t DiskSound::written() const {
    struct stat info{};
    return stat(file.c_str(), &info) == 0 ? static_cast<size_t>(info.st_size) : 0;
}

int DiskSound::loudest(size_t from, size_t to) const {
    if (to <= from) return 0;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(to - from, '\0');
    in.seekg(static_cast<std::streamoff>(from));
    in.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
    int peak = 0;
    for (size_t i = from % 2; i + 1 < bytes.size(); i += 2) {
        const int16_t sample = static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) | (uint8_t(bytes[i + 1]) << 8));
        peak = std::max(peak, std::abs(int(sample)));
    }
    return peak;
}
