#include "support/faults/FileFaults.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

FileFaults& fileFaults() {
    static FileFaults faults;
    return faults;
}

namespace {

constexpr int kMaxWatchedFd = 4096;
// Read by every thread's calls; set only by the thread the App runs in.
std::atomic<bool> watchedFd[kMaxWatchedFd];
std::string fdPath[kMaxWatchedFd];
thread_local bool inHook = false;

template <typename Call>
Call next(const char* name) {
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

bool inFolder(const char* path) {
    const std::string& folder = fileFaults().folder;
    if (inHook || folder.empty() || path == nullptr) return false;
    const std::string p(path);
    return p == folder || p.rfind(folder + "/", 0) == 0;
}

bool watched(int fd) { return !inHook && fd >= 0 && fd < kMaxWatchedFd && watchedFd[fd]; }

// Opens that can change the folder: for writing, creating, or of a folder
// (to flush it).
bool writeSide(int flags) {
    return (flags & O_ACCMODE) != O_RDONLY || (flags & (O_CREAT | O_DIRECTORY | O_TRUNC)) != 0;
}

// Counts a watched call; true when it is to fail.
bool failsNow(const char* call, const std::string& path) {
    FileFaults& faults = fileFaults();
    if (faults.beforeCall) {
        inHook = true;
        faults.beforeCall();
        inHook = false;
    }
    ++faults.calls;
    faults.log.push_back(std::string(call) + " " + path);
    return faults.failAt > 0 && (faults.calls == faults.failAt || (faults.keepFailing && faults.calls > faults.failAt));
}

}  // namespace

extern "C" int open(const char* path, int flags, ...) {
    int mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, int);
        va_end(args);
    }
    static const auto call = next<int (*)(const char*, int, ...)>("open");
    const bool watch = writeSide(flags) && inFolder(path);
    if (watch && failsNow("open", path)) {
        errno = EACCES;
        return -1;
    }
    const int fd = call(path, flags, mode);
    if (watch && fd >= 0 && fd < kMaxWatchedFd) {
        fdPath[fd] = path;
        watchedFd[fd] = true;
    }
    return fd;
}

extern "C" ssize_t write(int fd, const void* bytes, size_t size) {
    static const auto call = next<ssize_t (*)(int, const void*, size_t)>("write");
    if (watched(fd) && failsNow("write", fdPath[fd])) {
        errno = EIO;
        return -1;
    }
    return call(fd, bytes, size);
}

extern "C" int fsync(int fd) {
    static const auto call = next<int (*)(int)>("fsync");
    if (watched(fd) && failsNow("fsync", fdPath[fd])) {
        errno = EIO;
        return -1;
    }
    return call(fd);
}

// As on Linux, a close that fails still releases the descriptor.
extern "C" int close(int fd) {
    static const auto call = next<int (*)(int)>("close");
    const bool watch = watched(fd);
    const bool fails = watch && failsNow("close", fdPath[fd]);
    if (watch) watchedFd[fd] = false;
    const int result = call(fd);
    if (!fails) return result;
    errno = EIO;
    return -1;
}

extern "C" int rename(const char* from, const char* to) {
    static const auto call = next<int (*)(const char*, const char*)>("rename");
    if ((inFolder(from) || inFolder(to)) && failsNow("rename", from)) {
        errno = EIO;
        return -1;
    }
    return call(from, to);
}

extern "C" int unlink(const char* path) {
    static const auto call = next<int (*)(const char*)>("unlink");
    if (inFolder(path) && failsNow("unlink", path)) {
        errno = EIO;
        return -1;
    }
    return call(path);
}
