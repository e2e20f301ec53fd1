// The installed launcher, rpg-vale: where it makes the player's folder, what
// it links and leaves alone there, and what it refuses. The game it starts
// runs on SDL's dummy video driver and is stopped once the test has seen
// where and how it runs.
#include "support/Installation.h"
#include "support/TestWorld.h"
#include "support/XServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/wait.h>
#include <thread>

namespace stdfs = std::filesystem;

namespace {

std::string procLink(pid_t pid, const char* name) { return linkOf("/proc/" + std::to_string(pid) + "/" + name); }

class Launcher : public testing::Test {
protected:
    static void SetUpTestSuite() { installation = std::make_unique<Installation>(); }
    static void TearDownTestSuite() { installation.reset(); }
    void SetUp() override { ASSERT_TRUE(installation && installation->ok()) << installation->log(); }

    // Runs `program` (the installed launcher unless named) with HOME set to
    // this test's home, no XDG_DATA_HOME and these further changes; true once
    // it has become the installed game.
    bool start(std::vector<std::string> environment, const std::string& program = "") {
        environment.insert(environment.begin(), {"HOME=" + home, "XDG_DATA_HOME", "SDL12COMPAT_SCALE_METHOD",
                                                 "SDL_VIDEODRIVER=dummy"});
        run = std::make_unique<GameProcess>("", world.root(), program.empty() ? installation->launcher() : program,
                                            environment);
        for (int i = 0; i < 100; ++i) {
            if (procLink(run->id(), "exe") == installation->game()) return true;
            if (run->waitExit(0) != -1) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    std::string workingDirectory() const { return procLink(run->id(), "cwd"); }
    std::string environment(const std::string& name) const { return environmentOf(run->id(), name); }

    static std::unique_ptr<Installation> installation;
    TempWorld world;
    const std::string home = world.root() + "/home";
    const std::string folder = home + "/.local/share/rpg-vale";
    std::unique_ptr<GameProcess> run;
};

std::unique_ptr<Installation> Launcher::installation;

TEST_F(Launcher, MakesThePlayersFolderWhereXdgDataHomeSays) {
    stdfs::create_directories(world.root() + "/bin");
    stdfs::create_symlink(installation->launcher(), world.root() + "/bin/vale");
    const struct {
        std::string setting;
        std::string folder;
        std::string program;
    } cases[] = {
        {"XDG_DATA_HOME", folder, ""},
        {"XDG_DATA_HOME=", folder, ""},
        {"XDG_DATA_HOME=relative/share", folder, ""},
        {"XDG_DATA_HOME=" + world.root() + "/xdg", world.root() + "/xdg/rpg-vale", ""},
        {"XDG_DATA_HOME", folder, world.root() + "/bin/vale"},  // through a link to the launcher
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting + " " + c.program);
        ASSERT_TRUE(start({c.setting}, c.program)) << run->errors();
        EXPECT_EQ(workingDirectory(), c.folder);
        EXPECT_TRUE(stdfs::is_directory(stdfs::symlink_status(c.folder + "/data/saves")));
        EXPECT_EQ(linkOf(c.folder + "/data/maps"), installation->data() + "/maps");
        EXPECT_EQ(linkOf(c.folder + "/data/comic.ttf"), installation->data() + "/comic.ttf");
        EXPECT_FALSE(stdfs::exists(c.folder + "/data/saves/.gitkeep"));
        run.reset();
        stdfs::remove_all(c.folder);
    }
    EXPECT_FALSE(stdfs::exists(world.root() + "/relative")) << "a relative XDG_DATA_HOME is ignored";
}

TEST_F(Launcher, SharpFullScreenUnlessThePlayerChoseOtherwise) {
    const std::pair<std::string, std::string> cases[] = {
        {"SDL12COMPAT_SCALE_METHOD", "nearest"},
        {"SDL12COMPAT_SCALE_METHOD=", "nearest"},
        {"SDL12COMPAT_SCALE_METHOD=linear", "linear"},
    };
    for (const auto& [setting, method] : cases) {
        ASSERT_TRUE(start({setting})) << run->errors();
        EXPECT_EQ(environment("SDL12COMPAT_SCALE_METHOD"), method) << setting;
    }
}

TEST_F(Launcher, RefreshesItsLinksAndLeavesThePlayersFilesAlone) {
    const std::string data = folder + "/data";
    const std::string elsewhere = world.root() + "/elsewhere";
    stdfs::create_directories(data + "/saves");
    stdfs::create_directories(elsewhere + "/maps");
    world.write("home/.local/share/rpg-vale/data/smog.bmp", "the player's own");
    world.write("home/.local/share/rpg-vale/data/player.tmp", "a running game");
    world.write("home/.local/share/rpg-vale/data/saves/1.sav", "a save");
    stdfs::create_symlink(installation->data() + "/gone.bmp", data + "/gone.bmp");  // an older version's file
    stdfs::create_symlink(elsewhere + "/maps", data + "/maps");                      // another installation's
    stdfs::create_symlink(elsewhere, data + "/mods");                                // the player's own link

    ASSERT_TRUE(start({})) << run->errors();
    EXPECT_FALSE(stdfs::is_symlink(data + "/smog.bmp"));
    EXPECT_EQ(world.read("home/.local/share/rpg-vale/data/smog.bmp"), "the player's own");
    EXPECT_EQ(world.read("home/.local/share/rpg-vale/data/player.tmp"), "a running game");
    EXPECT_EQ(world.read("home/.local/share/rpg-vale/data/saves/1.sav"), "a save");
    EXPECT_FALSE(stdfs::is_symlink(data + "/gone.bmp"));
    EXPECT_EQ(linkOf(data + "/maps"), installation->data() + "/maps");
    EXPECT_EQ(linkOf(data + "/mods"), elsewhere);
    EXPECT_EQ(linkOf(data + "/blood.bmp"), installation->data() + "/blood.bmp");
}

TEST_F(Launcher, RefusesWhatWouldPutThePlayersFilesAstray) {
    const std::string lonely = world.root() + "/lonely/bin/rpg-vale";  // the launcher without the rest
    stdfs::create_directories(stdfs::path(lonely).parent_path());
    stdfs::copy_file(installation->launcher(), lonely);
    const std::string elsewhere = world.root() + "/elsewhere";
    stdfs::create_directories(elsewhere);
    stdfs::create_directories(folder);
    stdfs::create_symlink(elsewhere, folder + "/data");
    stdfs::create_directories(world.root() + "/fresh");
    const struct {
        std::vector<std::string> environment;
        std::string program;
        int status;
        std::string says;
    } cases[] = {
        {{}, "", 1, folder + "/data is a link"},
        {{"HOME"}, "", 1, "neither HOME nor XDG_DATA_HOME is set"},
        {{"HOME=" + world.root() + "/fresh"}, lonely, 1, "incomplete installation"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(start(c.environment, c.program)) << c.says;
        EXPECT_EQ(run->waitExit(10), c.status) << c.says;
        EXPECT_NE(run->errors().find(c.says), std::string::npos) << run->errors();
    }
    EXPECT_TRUE(stdfs::is_empty(elsewhere)) << "nothing is made through a linked data folder";
    EXPECT_TRUE(stdfs::is_empty(world.root() + "/fresh"));

    // The launcher takes no options, so none is passed on to the game.
    const std::string command = "HOME='" + home + "' '" + installation->launcher() + "' --fullscreen 2>'" +
                                world.root() + "/usage.txt'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
    EXPECT_NE(world.read("usage.txt").find("usage: rpg-vale"), std::string::npos);
}

}  // namespace
