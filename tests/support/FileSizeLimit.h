#pragma once
// Caps the size of files this process writes (RLIMIT_FSIZE) while in scope,
// so a test can make a write fail part-way. SIGXFSZ is ignored meanwhile, so
// the failing write returns an error instead of ending the process.
#ifdef _WIN32
#include <gtest/gtest.h>

// Windows has no such limit: the cases that need one are left out of the
// Windows build's run (tests/windows/CMakeLists.txt), and one that is not
// fails here rather than pass without its failing write.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long long) { ADD_FAILURE() << "no file size limit on Windows"; }
};
#else
#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
#endif
