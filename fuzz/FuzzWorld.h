// What every fuzz target shares: a data folder holding the shipped content
// without its pictures (the readers, not the image decoders, are under test),
// SDL on the dummy driver, inputs split into the files they stand for, and
// the check that nothing was written where the game should not write.
#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

namespace fuzzworld {

// Copies the shipped data/ of the source tree, less its bitmaps, into data/
// of the working directory and remembers how its content files look.
void prepare();
// The screen SDL has; without one, SDL with the dummy video driver, an
// 800x600 screen and the font library, started once.
SDL_Surface* screen();

// The fuzz binaries' own world: a fresh folder a few levels below a
// temporary root, made the working directory, prepared, SDL started.
void enter();

// Game-style path ("data\saves\1.sav"); folders are made as needed.
void write(const std::string& path, const std::string& bytes);
void remove(const std::string& path);
// The whole file; empty when it is missing.
std::string read(const std::string& path);
// The working files and saves the game may have left, so that every input
// starts from the same world.
void clearWorkingFiles();

// The input cut at NUL bytes into `count` files; missing ones are empty and
// the last takes the rest, NULs included.
std::vector<std::string> split(const std::string& input, size_t count);

// Empty when every write stayed where it belongs: nothing beside data/ or in
// the folders above it, nothing new at the top of data/ but working files,
// no content file changed, nothing in data/saves but the list and N.sav.
std::string strayWrites();

}  // namespace fuzzworld

// Each target file defines its case and names it here; in the fuzz build this
// becomes the libFuzzer entry points, elsewhere (the regression test) nothing.
#ifdef RPG_FUZZ_ENTRY
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#define RPG_FUZZ_TARGET(run)                                                                  \
    extern "C" int LLVMFuzzerInitialize(int*, char***) {                                      \
        fuzzworld::enter();                                                                   \
        return 0;                                                                             \
    }                                                                                         \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {                 \
        const std::string problem = run(std::string(reinterpret_cast<const char*>(data), size)); \
        if (!problem.empty()) {                                                               \
            std::fprintf(stderr, "fuzz case failed: %s\n", problem.c_str());                  \
            std::abort();                                                                     \
        }                                                                                     \
        return 0;                                                                             \
    }
#else
#define RPG_FUZZ_TARGET(run)
#endif
