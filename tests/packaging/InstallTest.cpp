// What cmake --install and the Debian package put on a player's system: a
// menu entry and metainfo the desktop's own validators accept, icons of the
// sizes their folders name, man pages, and the content whole, without the
// working files or saves of whoever built it.
#include "support/Installation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sys/wait.h>

namespace stdfs = std::filesystem;

namespace {

struct Ran {
    int status;
    std::string output;
};

// A shell command's exit status and its standard output and error together.
Ran runCommand(const std::string& command) {
    Ran ran{-1, ""};
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return ran;
    char buffer[512];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) ran.output.append(buffer, n);
    const int status = pclose(pipe);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ran;
}

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first match of `pattern`'s group in `text`, or "".
std::string found(const std::string& text, const std::string& pattern) {
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : "";
}

// Relative paths of the files below `root`.
std::set<std::string> filesBelow(const std::string& root) {
    std::set<std::string> files;
    for (const auto& entry : stdfs::recursive_directory_iterator(root))
        if (!entry.is_directory()) files.insert(stdfs::relative(entry.path(), root).string());
    return files;
}

class Install : public testing::Test {
protected:
    static void SetUpTestSuite() { installation = std::make_unique<Installation>(); }
    static void TearDownTestSuite() { installation.reset(); }
    void SetUp() override { ASSERT_TRUE(installation->ok()) << installation->log(); }

    std::string entry() const { return installation->share() + "/applications/" RPG_APP_ID ".desktop"; }
    std::string metainfo() const { return installation->share() + "/metainfo/" RPG_APP_ID ".metainfo.xml"; }

    static std::unique_ptr<Installation> installation;
};

std::unique_ptr<Installation> Install::installation;

TEST_F(Install, TheMenuEntryMetainfoAndManPagesPassTheirCheckers) {
    const std::string man = installation->share() + "/man";
    const std::string checks[] = {
        "desktop-file-validate '" + entry() + "'",
        "appstreamcli validate --no-net '" + metainfo() + "'",
        "groff -man -ww -z '" + man + "/man6/rpg-vale.6'",
        "groff -man -ww -z '" + man + "/man1/rpg-check.1'",
    };
    for (const std::string& check : checks) {
        const Ran ran = runCommand(check);
        EXPECT_EQ(ran.status, 0) << check << "\n" << ran.output;
        // desktop-file-validate and groff print only what is wrong.
        if (check.rfind("appstreamcli", 0) != 0) {
            EXPECT_EQ(ran.output, "") << check;
        }
    }
}

TEST_F(Install, TheEntryTheMetainfoAndTheIconsNameEachOther) {
    const std::string desktop = contentOf(entry());
    const std::string meta = contentOf(metainfo());
    EXPECT_EQ(found(desktop, "\nIcon=(.*)\n"), RPG_APP_ID);
    EXPECT_EQ(found(meta, "<id>(.*)</id>"), RPG_APP_ID);
    EXPECT_EQ(found(meta, "<launchable type=\"desktop-id\">(.*)</launchable>"), RPG_APP_ID ".desktop");
    const stdfs::path command = stdfs::path(installation->prefix()) / "bin" / found(desktop, "\nExec=(.*)\n");
    EXPECT_EQ(command.string(), installation->launcher());
    EXPECT_TRUE((stdfs::status(command).permissions() & stdfs::perms::others_exec) != stdfs::perms::none);

    // Every icon is a PNG as big as its folder says, and the usual sizes are there.
    std::set<int> sizes;
    for (const auto& folder : stdfs::directory_iterator(installation->share() + "/icons/hicolor")) {
        const int size = std::stoi(folder.path().filename().string());
        EXPECT_EQ(folder.path().filename().string(), std::to_string(size) + "x" + std::to_string(size));
        const std::string png = contentOf((folder.path() / "apps" / RPG_APP_ID ".png").string());
        ASSERT_GE(png.size(), 24u) << folder.path();
        EXPECT_EQ(png.substr(1, 3), "PNG");
        auto number = [&png](size_t at) {
            return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
                   (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
        };
        EXPECT_EQ(number(16), size) << folder.path();
        EXPECT_EQ(number(20), size) << folder.path();
        sizes.insert(size);
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) EXPECT_EQ(sizes.count(size), 1u) << size;
}

TEST_F(Install, TheContentIsInstalledWholeWithoutWorkingFilesAndPassesTheChecker) {
    std::set<std::string> shipped;
    for (const std::string& file : filesBelow(RPG_SOURCE_DIR "/data")) {
        const bool working = file.rfind("saves/", 0) == 0 || std::regex_search(file, std::regex("\\.(tmp|part)$"));
        if (!working) shipped.insert(file);
    }
    EXPECT_EQ(filesBelow(installation->data()), shipped);
    EXPECT_FALSE(stdfs::exists(installation->data() + "/saves"));

    const Ran check = runCommand("'" + installation->prefix() + "/bin/rpg-check' '" + installation->data() + "'");
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.output, "");
}

TEST_F(Install, TheDebianPackageNamesTheLibrariesAndHoldsTheInstallation) {
    if (runCommand("command -v dpkg-deb dpkg-shlibdeps").status != 0) GTEST_SKIP() << "not a Debian system";
    const std::string out = stdfs::path(installation->prefix()).parent_path().string() + "/package";
    const Ran cpack = runCommand("cd '" RPG_BUILD_DIR "' && '" RPG_CPACK "' -G DEB -B '" + out + "'");
    ASSERT_EQ(cpack.status, 0) << cpack.output;
    std::string deb;
    for (const auto& file : stdfs::directory_iterator(out))
        if (file.path().extension() == ".deb") deb = file.path().string();
    ASSERT_FALSE(deb.empty()) << cpack.output;

    const std::string depends = runCommand("dpkg-deb -f '" + deb + "' Depends").output;
    for (const char* library : {"libsdl1.2debian", "libsdl-image1.2", "libsdl-ttf2.0-0", "libsdl-mixer1.2", "libstdc++6"})
        EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;

    const std::string listed = runCommand("dpkg-deb -c '" + deb + "'").output;
    std::set<std::string> files;
    for (const std::string& file : filesBelow(installation->prefix())) files.insert("./usr/" + file);
    for (const std::string& file : files) EXPECT_NE(listed.find(" " + file + "\n"), std::string::npos) << file;
}

}  // namespace
