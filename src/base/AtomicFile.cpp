#include "base/AtomicFile.h"

#include "base/FileCalls.h"

std::string temporaryPathOf(const std::string& path) { return path + ".tmp"; }

std::string commitMarkOf(const std::string& path) { return path + ".commit"; }

namespace {

bool removeRegularFile(const std::string& path) { return isRegularFile(path) && removeFile(path); }

// The whole content in a fresh temporary beside the file, on disk.
bool writeSyncedTemporary(const FileReplacement& file) {
    removeLeftoverTemporary(file.path);
    return createSyncedFile(temporaryPathOf(file.path), file.bytes);
}

}  // namespace

bool removeLeftoverTemporary(const std::string& path) { return removeRegularFile(temporaryPathOf(path)); }

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = temporaryPathOf(path);
    if (!writeSyncedTemporary({path, bytes})) return false;
    if (!replaceFile(temporary, path)) {
        removeFile(temporary);
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
        ok = replaceFile(temporaryPathOf(files[renamed].path), files[renamed].path);
        if (ok) ++renamed;
    }
    for (size_t i = renamed; i < written; ++i) removeFile(temporaryPathOf(files[i].path));
    for (const FileReplacement& file : files) ok = ok && syncFolderOf(file.path);
    if (marked) removeFile(mark);
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
        if (isRegularFile(temporary)) replaceFile(temporary, path);
    }
    for (const std::string& path : paths) syncFolderOf(path);
    // Removed even when a rename failed: a mark left standing would make the
    // next start take the temporary of a later, killed single save for a
    // complete one. What a failed rename leaves is dropped then.
    removeFile(mark);
    return true;
}
