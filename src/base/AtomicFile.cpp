#include "base/AtomicFile.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool writeAll(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) return false;
        written += static_cast<size_t>(n);
    }
    return true;
}

bool readWholeFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bytes.clear();
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<size_t>(n));
    ::close(fd);
    return n == 0;
}

std::string temporaryPathOf(const std::string& path) { return path + ".tmp"; }

std::string commitMarkOf(const std::string& path) { return path + ".commit"; }

namespace {

// True for a regular file itself, never for what a link points to.
bool isRegularFile(const std::string& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool removeRegularFile(const std::string& path) { return isRegularFile(path) && ::unlink(path.c_str()) == 0; }

// Creates the file, only if nothing of that name exists and never through a
// link, and writes and flushes the bytes. A file it could not fill is removed.
bool createSyncedFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (!ok) ::unlink(path.c_str());
    return ok;
}

// The whole content in a fresh temporary beside the file, on disk.
bool writeSyncedTemporary(const FileReplacement& file) {
    removeLeftoverTemporary(file.path);
    return createSyncedFile(temporaryPathOf(file.path), file.bytes);
}

// Makes the renames in the file's folder durable.
bool syncFolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace

bool removeLeftoverTemporary(const std::string& path) { return removeRegularFile(temporaryPathOf(path)); }

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = temporaryPathOf(path);
    if (!writeSyncedTemporary({path, bytes})) return false;
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return syncFolderOf(path);
}

bool writeFilesTogether(const std::vector<FileReplacement>& files) {
    if (files.empty()) return true;
    const std::string mark = commitMarkOf(files.front().path);
    // A mark left by an earlier kill would make a kill while the temporaries
    // are written look like a finished write.
    removeRegularFile(mark);

    size_t written = 0;
    while (written < files.size() && writeSyncedTemporary(files[written])) ++written;
    bool ok = written == files.size();
    const bool marked = ok && createSyncedFile(mark, "") && syncFolderOf(mark);
    ok = ok && marked;

    size_t renamed = 0;
    while (ok && renamed < files.size()) {
        ok = std::rename(temporaryPathOf(files[renamed].path).c_str(), files[renamed].path.c_str()) == 0;
        if (ok) ++renamed;
    }
    for (size_t i = renamed; i < written; ++i) ::unlink(temporaryPathOf(files[i].path).c_str());
    for (const FileReplacement& file : files) ok = ok && syncFolderOf(file.path);
    if (marked) ::unlink(mark.c_str());
    return ok;
}

bool recoverFilesTogether(const std::vector<std::string>& paths) {
    if (paths.empty()) return false;
    const std::string mark = commitMarkOf(paths.front());
    if (!isRegularFile(mark)) {
        for (const std::string& path : paths) removeLeftoverTemporary(path);
        return false;
    }
    for (const std::string& path : paths) {
        const std::string temporary = temporaryPathOf(path);
        if (isRegularFile(temporary)) std::rename(temporary.c_str(), path.c_str());
    }
    for (const std::string& path : paths) syncFolderOf(path);
    // Removed even when a rename failed: a mark left standing would make the
    // next start take the temporary of a later, killed single save for a
    // complete one. What a failed rename leaves is dropped then.
    ::unlink(mark.c_str());
    return true;
}
