#include "base/AtomicFile.h"

#include <cstdio>
#include <fcntl.h>
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

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) std::remove(temporary.c_str());
    return ok;
}

namespace {

std::string temporaryPath(const std::string& path) { return path + ".tmp"; }

// The whole content in a temporary beside the file, on disk.
bool writeSyncedTemporary(const FileReplacement& file) {
    const std::string temporary = temporaryPath(file.path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    bool ok = writeAll(fd, file.bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    return ok;
}

// Makes the renames in the file's folder durable.
bool syncFolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace

bool writeFilesTogether(const std::vector<FileReplacement>& files) {
    bool ok = true;
    for (const FileReplacement& file : files) ok = ok && writeSyncedTemporary(file);
    for (const FileReplacement& file : files) {
        ok = ok && std::rename(temporaryPath(file.path).c_str(), file.path.c_str()) == 0;
        if (!ok) std::remove(temporaryPath(file.path).c_str());
    }
    for (const FileReplacement& file : files) ok = ok && syncFolderOf(file.path);
    return ok;
}
