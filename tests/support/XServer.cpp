#include "support/XServer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <X11/Xlib.h>

namespace {

std::string capture(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

}  // namespace

XServer::XServer() {
    // Xvfb picks a free display itself and writes its number to the pipe once it
    // accepts connections, so test runs side by side never share a display.
    int report[2];
    if (pipe(report) != 0) return;
    std::string fd = std::to_string(report[1]);
    pid = fork();
    if (pid == 0) {
        close(report[0]);
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        // -noreset: otherwise the server resets whenever its last client leaves
        // (our readiness probe, or SDL's own probe) and refuses the game meanwhile.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", (char*)nullptr);
        _exit(127);
    }
    close(report[1]);
    std::string number;
    pollfd readable = {report[0], POLLIN, 0};
    char c = 0;
    while (pid > 0 && c != '\n' && poll(&readable, 1, 10000) > 0 && read(report[0], &c, 1) == 1)
        if (c >= '0' && c <= '9') number += c;
    close(report[0]);
    if (number.empty()) return;
    name = ":" + number;
    up = std::system(("xdpyinfo -display " + name + " >/dev/null 2>&1").c_str()) == 0;
}

XServer::~XServer() {
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

std::string runOn(const XServer& x, const std::string& command) {
    return capture("DISPLAY=" + x.display() + " " + command + " 2>/dev/null");
}

GameProcess::GameProcess(const XServer& x, const std::string& workDir) : GameProcess(x, workDir, RPG_BINARY, {}) {}

GameProcess::GameProcess(const XServer& x, const std::string& workDir, const std::string& program,
                         const std::vector<std::string>& environment)
    : GameProcess(x.display(), workDir, program, environment) {}

GameProcess::GameProcess(const std::string& display, const std::string& workDir, const std::string& program,
                         const std::vector<std::string>& environment) {
    outPath = workDir + "/stdout.txt";
    errPath = workDir + "/stderr.txt";
    pid = fork();
    if (pid == 0) {
        if (chdir(workDir.c_str()) != 0) _exit(126);
        int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        setenv("DISPLAY", display.c_str(), 1);
        unsetenv("SDL_VIDEODRIVER");
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        // In the sanitizer build, SDL's and X11's own allocations are not ours to report.
        setenv("LSAN_OPTIONS", "suppressions=" RPG_SOURCE_DIR "/tests/lsan.supp:print_suppressions=0", 0);
        for (const std::string& change : environment) {
            const size_t equals = change.find('=');
            if (equals == std::string::npos) unsetenv(change.c_str());
            else setenv(change.substr(0, equals).c_str(), change.c_str() + equals + 1, 1);
        }
        execlp(program.c_str(), program.c_str(), (char*)nullptr);
        _exit(127);
    }
}

GameProcess::~GameProcess() {
    if (pid > 0 && waitExit(0) == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

int GameProcess::waitExit(int seconds) {
    if (pid <= 0) return exitStatus;
    for (int i = 0; i <= seconds * 10; ++i) {
        int status = 0;
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            pid = -1;
            exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return exitStatus;
        }
        if (seconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return -1;
}

namespace {

std::string readWhole(const std::string& path) {
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

std::string GameProcess::output() const { return readWhole(outPath); }

std::string GameProcess::errors() const { return readWhole(errPath); }

void closeWindow(const XServer& x, const std::string& window) {
    Display* display = XOpenDisplay(x.display().c_str());
    if (!display) return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::stoul(window);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
}
