// A file size limit for the life of the object: writes past `bytes` fail
// as they would on a full disk.
#pragma once

#include <csignal>
#include <cstddef>

#include <sys/resource.h>

class DiskFull {
public:
    explicit DiskFull(size_t bytes) {
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFull() {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit old{};
    void (*oldHandler)(int) = nullptr;
};
