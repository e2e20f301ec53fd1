// The checker looks at a data folder the way a new game does: from a
// throw-away working directory whose data\ links to everything in the
// folder except the working files of a game (*.tmp). So a game's kept map
// state can't stand in for a map's own lists, and nothing the game's
// loaders might write lands in the folder.
#pragma once

#include <string>

class Shadow {
public:
    // Builds the directory and makes it the working directory; ok() tells
    // whether that worked.
    explicit Shadow(const std::string& dataFolder);
    ~Shadow();
    Shadow(const Shadow&) = delete;
    Shadow& operator=(const Shadow&) = delete;

    bool ok() const { return made; }

private:
    std::string root;
    std::string previous;
    bool made = false;
};
