// A throw-away copy of a data folder to fight in: the game writes its
// working files under data\, and the scenes rewrite maps, so the simulator
// never runs in the folder it was given.
#pragma once

#include <string>

class Sandbox {
public:
    // Copies `dataFolder` to a new temporary folder's data\ (without saved
    // games and working files) and makes that folder the working directory.
    explicit Sandbox(const std::string& dataFolder);
    // Back to the old working directory; the copy is deleted.
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    bool ok() const { return !root.empty(); }
    // Game paths ("data\maps\arena\map.map") below the sandbox.
    void write(const std::string& path, const std::string& content) const;
    std::string read(const std::string& path) const;

private:
    std::string root;
    std::string previous;
};
