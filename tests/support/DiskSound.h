// The game's sound written by SDL's disk driver instead of a sound card, and
// read back as it grows: how much was written, and how loud it was.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class DiskSound {
public:
    explicit DiskSound(std::string file) : file(std::move(file)) {}

    // For the game's process: the disk driver writing a buffer of 1024
    // frames (46 ms) every 40 ms into the file.
    std::vector<std::string> environment() const;
    // Bytes written so far.
    size_t written() const;
    // The largest sample (16 bits, as the game opens the card) between two
    // sizes of the file.
    int loudest(size_t from, size_t to) const;

private:
    std::string file;
};
