// The built game installed with cmake --install into a temporary prefix, the
// way a player's system holds it, and the means to see whether anything
// below that prefix changed.
#pragma once

#include <map>
#include <string>

class Installation {
public:
    // Installs this build tree into `prefix`; ok() tells whether it worked,
    // log() what cmake said.
    explicit Installation(const std::string& prefix);
    // Installs into a prefix of its own, removed again with this object.
    Installation();
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    bool ok() const { return installed; }
    std::string log() const;
    const std::string& prefix() const { return root; }
    std::string launcher() const { return root + "/" RPG_BIN_INSTALL_DIR "/rpg-vale"; }
    std::string game() const { return root + "/" RPG_GAME_INSTALL_DIR "/rpg"; }
    std::string data() const { return root + "/" RPG_DATA_INSTALL_DIR; }
    std::string share() const { return root + "/" RPG_SHARE_INSTALL_DIR; }

private:
    void install();

    std::string root;
    std::string owned;
    bool installed = false;
};

// The target of the link at `path`; empty when there is no link.
std::string linkOf(const std::string& path);
// The value of `name` in the environment of process `pid`; "(unset)" when
// it has none.
std::string environmentOf(int pid, const std::string& name);

// Every entry below `root`: its kind, permissions, size, time and content,
// or a link's target. Two equal snapshots mean nothing there was touched.
std::map<std::string, std::string> snapshot(const std::string& root);

// Lays the tree `newer` over `older` as a package upgrade does: each file of
// newer replaces or joins older's (written beside it, then renamed), and
// whatever newer lacks is removed.
void layOver(const std::string& newer, const std::string& older);
