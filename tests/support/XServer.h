// A private Xvfb display and the real game binary running on it, for the
// tests that drive the game through a real X server with xdotool.
#pragma once

#include <string>
#include <vector>
#include <sys/types.h>

class XServer {
public:
    XServer();
    ~XServer();
    bool ready() const { return pid > 0 && up; }
    const std::string& display() const { return name; }

private:
    pid_t pid = -1;
    bool up = false;
    std::string name;
};

// Runs a shell command with DISPLAY set; returns its standard output.
std::string runOn(const XServer& x, const std::string& command);
// Asks the window to close, as a window manager does for its close button.
void closeWindow(const XServer& x, const std::string& window);

class GameProcess {
public:
    // Starts the rpg binary in `workDir` on the display; stdout goes to a file.
    GameProcess(const XServer& x, const std::string& workDir);
    // Starts `program` (looked up on PATH without a slash) in `workDir`, with
    // the environment changed: "NAME=value" sets a variable, "NAME" unsets it.
    GameProcess(const XServer& x, const std::string& workDir, const std::string& program,
                const std::vector<std::string>& environment);
    // The same on the X display so named (SDL_VIDEODRIVER=dummy needs none).
    GameProcess(const std::string& display, const std::string& workDir, const std::string& program,
                const std::vector<std::string>& environment);
    ~GameProcess();
    // Waits up to `seconds` for the process to end; -1 if it is still running
    // (or never started). Once it has ended, its exit status every time.
    int waitExit(int seconds);
    std::string output() const;
    // Standard error: sanitizer reports, the libraries' complaints.
    std::string errors() const;
    pid_t id() const { return pid; }

private:
    pid_t pid = -1;
    int exitStatus = -1;
    std::string outPath;
    std::string errPath;
};
