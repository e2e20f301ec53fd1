// The game installed into a temporary prefix and started as a player starts
// it, through the menu entry's command and the launcher, with a home folder
// of its own: saves land there, survive an upgrade, and the installed files
// are never written.
#include "support/Installation.h"
#include "support/RealWindow.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace stdfs = std::filesystem;

namespace {

bool realFile(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

class InstalledGame : public RealWindow {
protected:
    void SetUp() override {
        ASSERT_TRUE(installation.ok()) << installation.log();
        before = snapshot(installation.prefix());
        stdfs::create_directories(home);
        ASSERT_TRUE(x.ready()) << "Xvfb did not start";
        launch();
    }

    // The first start runs the menu entry's command as the desktop would
    // (looked up on PATH), later ones the launcher itself.
    void launch() override {
        std::string command = installation.launcher();
        if (!game) {
            std::ifstream entry(installation.share() + "/applications/" RPG_APP_ID ".desktop");
            for (std::string line; std::getline(entry, line);)
                if (line.rfind("Exec=", 0) == 0) command = line.substr(5);
        }
        game = std::make_unique<GameProcess>(
            x, world.root(), command,
            std::vector<std::string>{"HOME=" + home, "XDG_DATA_HOME", "SDL12COMPAT_SCALE_METHOD",
                                     "PATH=" + installation.prefix() + "/bin:" + std::getenv("PATH")});
        findWindow();
    }

    std::string gameFolder() const override { return home + "/.local/share/rpg-vale"; }

    // New game, a walk to the right, Escape, save, quit: the player as saved.
    std::string playAndSave() {
        startNewGame();
        xdotool("windowfocus --sync " + window + " key --delay 400 Right Right Right");
        const std::string saved = stateAtTheMenu();
        EXPECT_TRUE(realFile(gameFolder() + "/data/player.tmp")) << "the working file is the player's own";
        saveInANewSlot();
        EXPECT_TRUE(realFile(gameFolder() + "/data/saves/1.sav"));
        quitFromTheMenu();
        return saved;
    }

    // A second start loads the newest save: the player stands where it was saved.
    void expectTheSaveLoads(const std::string& saved) {
        loadTheNewest();
        const std::string loaded = stateAtTheMenu();
        ASSERT_FALSE(loaded.empty()) << "the loaded game did not start";
        quitFromTheMenu();
        world.copyShippedData();  // for reading the player back
        SdlSession sdl;
        const Player before = playerFrom(saved);
        const Player after = playerFrom(loaded);
        EXPECT_EQ(after.x * 1000 + after.y, before.x * 1000 + before.y);
        EXPECT_GT(before.x, 25) << "the player walked right of the start";
    }

    const std::string home = world.root() + "/home";
    Installation installation{world.root() + "/prefix"};
    std::map<std::string, std::string> before;
};

TEST_F(InstalledGame, SavesLandInTheHomeFolderAndTheInstallationIsNeverWritten) {
    EXPECT_EQ(environmentOf(game->id(), "SDL12COMPAT_SCALE_METHOD"), "nearest");
    EXPECT_EQ(linkOf("/proc/" + std::to_string(game->id()) + "/cwd"), gameFolder());
    const std::string saved = playAndSave();
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(linkOf(gameFolder() + "/data/maps"), installation.data() + "/maps");

    startAgain();
    expectTheSaveLoads(saved);
    EXPECT_TRUE(before == snapshot(installation.prefix())) << "something below the prefix changed";
}

TEST_F(InstalledGame, AnUpgradeKeepsTheSaveAndShowsTheNewFiles) {
    const std::string saved = playAndSave();
    ASSERT_FALSE(saved.empty());

    // The newer build: a new title picture, a new file, one file less.
    Installation newer(world.root() + "/newer");
    ASSERT_TRUE(newer.ok()) << newer.log();
    const std::string data = stdfs::relative(newer.data(), world.root()).string();
    world.writeBitmap(data + "/menu/menubk.bmp", 800, 600, 20, 160, 60);
    world.write(data + "/NEWS", "the newer build\n");
    stdfs::remove(newer.data() + "/comic-LICENSE.txt");
    layOver(newer.prefix(), installation.prefix());
    const auto upgraded = snapshot(installation.prefix());

    startAgain();
    pause(500);
    const std::string title = screenshot(x, window);
    ASSERT_EQ(title.size(), 800u * 600u * 3u);
    EXPECT_EQ(title.substr((300 * 800 + 60) * 3, 3), std::string("\x14\xa0\x3c")) << "the new title picture";
    std::ifstream news(gameFolder() + "/data/NEWS");
    EXPECT_TRUE(news.is_open()) << "the new file reaches the player's folder";
    EXPECT_FALSE(stdfs::is_symlink(gameFolder() + "/data/comic-LICENSE.txt")) << "the removed file's link is gone";
    expectTheSaveLoads(saved);
    EXPECT_TRUE(upgraded == snapshot(installation.prefix())) << "something below the prefix changed";
}

}  // namespace
