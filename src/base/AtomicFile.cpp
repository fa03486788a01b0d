#include "base/AtomicFile.h"

#include <algorithm>

#include "base/FileCalls.h"

std::string temporaryPathOf(const std::string& path) { return path + ".tmp"; }

std::string commitMarkOf(const std::string& path) { return path + ".commit"; }

std::string rollBackCopyOf(const std::string& path) { return path + ".old"; }

namespace {

bool removeRegularFile(const std::string& path) { return isRegularFile(path) && removeFile(path); }

// True once no regular file of that name is left.
bool removeIfThere(const std::string& path) { return !isRegularFile(path) || removeFile(path); }

// The whole content in a fresh temporary beside the file, on disk.
bool writeSyncedTemporary(const FileReplacement& file) {
    removeLeftoverTemporary(file.path);
    return createSyncedFile(temporaryPathOf(file.path), file.bytes);
}

// Flushes the folder of each path, each folder once.
bool syncFolders(const std::vector<std::string>& paths) {
    std::vector<std::string> folders;
    for (const std::string& path : paths) {
        const std::string folder = path.substr(0, std::min(path.find_last_of("/\\"), path.size()));
        if (std::find(folders.begin(), folders.end(), folder) != folders.end()) continue;
        folders.push_back(folder);
        if (!syncFolderOf(path)) return false;
    }
    return true;
}

// The original's bytes, beside it, on disk; a missing original is kept as an
// empty file, which every reader takes for the same empty content.
bool writeRollBackCopy(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        if (isRegularFile(path)) return false;
        bytes.clear();
    }
    return createSyncedFile(rollBackCopyOf(path), bytes);
}

// Undoes a writeFilesTogether that failed after its mark may exist, the
// first `renamed` files replaced. Removing the mark is the decision: until
// it is gone the save is still rolled forward (by the recovery), so a copy
// cut short is removed before it, and when it cannot be removed everything
// stays for the recovery to finish. Then the roll-back copies go back over
// the replaced originals, and the rest is removed.
void rollBack(const std::vector<std::string>& paths, size_t renamed, bool copiesWhole) {
    const size_t last = paths.size() - 1;
    if (!copiesWhole) {
        for (size_t i = 0; i < last; ++i)
            if (!removeIfThere(rollBackCopyOf(paths[i]))) return;
    }
    if (!removeIfThere(commitMarkOf(paths.front()))) return;
    for (size_t i = 0; i < renamed; ++i)
        if (!replaceFile(rollBackCopyOf(paths[i]), paths[i])) return;
    // The last temporary says "undo" to the recovery until the restored
    // originals are on disk.
    if (renamed > 0 && !syncFolders(paths)) return;
    for (size_t i = renamed; i < last; ++i) removeIfThere(rollBackCopyOf(paths[i]));
    for (size_t i = renamed; i < paths.size(); ++i) removeIfThere(temporaryPathOf(paths[i]));
}

std::vector<std::string> pathsOf(const std::vector<FileReplacement>& files) {
    std::vector<std::string> paths;
    for (const FileReplacement& file : files) paths.push_back(file.path);
    return paths;
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
    const std::vector<std::string> paths = pathsOf(files);
    const size_t last = files.size() - 1;
    const std::string mark = commitMarkOf(paths.front());
    // What an earlier failed save left is finished or undone first: its mark
    // or roll-back copy must not be taken for this save's.
    if (!recoverFilesTogether(paths)) return false;

    size_t written = 0;
    while (written < files.size() && writeSyncedTemporary(files[written])) ++written;
    if (written < files.size() || !syncFolders(paths) || !createSyncedFile(mark, "")) {
        // No original was touched. A mark whose creation failed and that
        // cannot be removed stands over whole temporaries: the recovery
        // rolls them forward.
        if (!removeIfThere(mark)) return false;
        for (size_t i = 0; i < written; ++i) removeIfThere(temporaryPathOf(paths[i]));
        return false;
    }
    bool copiesWhole = syncFolders(paths);
    for (size_t i = 0; copiesWhole && i < last; ++i) copiesWhole = writeRollBackCopy(paths[i]);
    copiesWhole = copiesWhole && syncFolders(paths);
    size_t renamed = 0;
    while (copiesWhole && renamed < files.size() && replaceFile(temporaryPathOf(paths[renamed]), paths[renamed]))
        ++renamed;
    if (renamed < files.size()) {
        rollBack(paths, renamed, copiesWhole);
        return false;
    }
    // Until the renames are on disk the mark stays, for the recovery.
    if (!syncFolders(paths)) return false;
    for (size_t i = 0; i < last; ++i) removeIfThere(rollBackCopyOf(paths[i]));
    removeIfThere(mark);
    return true;
}

bool recoverFilesTogether(const std::vector<std::string>& paths) {
    if (paths.empty()) return true;
    const size_t last = paths.size() - 1;
    const std::string mark = commitMarkOf(paths.front());
    bool ok = true;
    if (isRegularFile(mark)) {
        // Roll forward: every temporary left is whole and waits for its rename.
        for (const std::string& path : paths) {
            const std::string temporary = temporaryPathOf(path);
            if (ok && isRegularFile(temporary)) ok = replaceFile(temporary, path);
        }
        ok = ok && syncFolders(paths);
        for (size_t i = 0; ok && i < last; ++i) ok = removeIfThere(rollBackCopyOf(paths[i]));
        return ok && removeIfThere(mark);
    }
    // No mark: the save was undone, or never reached its renames. While the
    // last file's temporary is there, its rename was not made and every
    // roll-back copy is whole: back over its original it goes. Without that
    // temporary the renames all succeeded and a copy is only a leftover.
    const bool renamesUnfinished = isRegularFile(temporaryPathOf(paths.back()));
    bool restored = false;
    for (size_t i = 0; ok && i < last; ++i) {
        const std::string copy = rollBackCopyOf(paths[i]);
        if (!isRegularFile(copy)) continue;
        ok = renamesUnfinished ? replaceFile(copy, paths[i]) : removeFile(copy);
        restored = restored || renamesUnfinished;
    }
    if (restored) ok = ok && syncFolders(paths);
    for (const std::string& path : paths) ok = ok && removeIfThere(temporaryPathOf(path));
    return ok;
}
