// The inputs the fuzz targets found something with (fuzz/regressions/) and
// their seeds (fuzz/corpus/), fed again through the same cases in a fresh
// copy of the shipped content: in the sanitizer build no report, in both
// every check of the case holds.
#include "Cases.h"
#include "FuzzWorld.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace stdfs = std::filesystem;

namespace {

const fuzzcase::Case* caseNamed(const std::string& name) {
    for (const fuzzcase::Case& c : fuzzcase::kCases)
        if (name == c.name) return &c;
    return nullptr;
}

// Every file below fuzz/<folder>/<case>/; returns how many it ran.
int runAll(const std::string& folder) {
    SdlSession sdl;
    int ran = 0;
    for (const auto& cases : stdfs::directory_iterator(stdfs::path(RPG_SOURCE_DIR) / "fuzz" / folder)) {
        const std::string name = cases.path().filename().string();
        const fuzzcase::Case* c = caseNamed(name);
        EXPECT_NE(c, nullptr) << folder << "/" << name << " names no fuzz case";
        if (!c) continue;
        TempWorld world;
        fuzzworld::prepare();
        for (const auto& file : stdfs::directory_iterator(cases.path())) {
            std::ifstream in(file.path(), std::ios::binary);
            const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(c->run(input), "") << folder << "/" << name << "/" << file.path().filename().string();
            ++ran;
        }
    }
    return ran;
}

}  // namespace

TEST(FuzzRegression, EveryInputThatFoundSomethingNowPasses) { EXPECT_GT(runAll("regressions"), 0); }

TEST(FuzzRegression, EverySeedPasses) { EXPECT_GT(runAll("corpus"), 40); }
