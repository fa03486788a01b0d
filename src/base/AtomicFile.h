#pragma once
// Writing files so that a failure or a kill never leaves half of the new
// content, and tidying up after a kill at the next start.
#include <string>
#include <vector>

// The temporary file a replacement of path writes first: path + ".tmp".
std::string temporaryPathOf(const std::string& path);

// Removes the temporary file that a killed replacement of path left behind,
// when it is a regular file; a folder, a link or anything else of that name
// is left alone. Returns true when a file was removed.
bool removeLeftoverTemporary(const std::string& path);

// Replaces the file at path with bytes: writes a temporary file in the same
// folder, flushes it to disk and renames it over the old one, so a failed or
// interrupted write never leaves a half-written file. A leftover temporary
// file is removed first; the new one is created exclusively and never
// through a link, so anything else in its place (a folder, a link) makes the
// write fail. Returns false (and leaves the old file as it was) when any step
// before the rename fails; false after it means the folder could not be
// flushed, and the new file may not last a power cut.
bool writeFileAtomically(const std::string& path, const std::string& bytes);

// One file's new content, for replacing several files together.
struct FileReplacement {
    std::string path;
    std::string bytes;
};

// Replaces files that must agree with each other, so that all of them show
// their old content or all their new, whichever call fails and wherever a
// kill stops it. First whatever an earlier save of them left is settled
// (recoverFilesTogether). Every new content is written to a temporary file
// beside its original (as writeFileAtomically does); then the commit mark
// (the first path + ".commit") is made: from here on the recovery rolls the
// save forward. Then a roll-back copy of every original but the last is made
// (path + ".old"; a missing original is kept as an empty file), and the
// temporaries are renamed over their originals in order, the folders flushed
// between the steps. When a rename fails the save is undone: the mark goes
// first (the recovery now rolls back), the copies go back over the originals
// already replaced, the temporaries are removed. Last the copies and the mark
// are removed. Returns true when every file holds its new content; false
// when they all hold their old one, or, when a further call failed too, when
// the recovery is left to settle them.
bool writeFilesTogether(const std::vector<FileReplacement>& files);

// The commit mark of a writeFilesTogether whose first file is path.
std::string commitMarkOf(const std::string& path);

// The roll-back copy writeFilesTogether keeps of path's original.
std::string rollBackCopyOf(const std::string& path);

// Settles what a writeFilesTogether of these paths (in the same order) left
// when a kill or a failing call stopped it; run at start-up before the files
// are read, and before every save of them. With its commit mark present the
// temporaries left are renamed over their originals; without it the
// roll-back copies go back over theirs, unless the last file's temporary is
// gone (then every rename was made and the copies are only left over). Then
// the temporaries, the copies and the mark are removed, so every file is
// wholly old or wholly new and all of them agree. A folder or link in the
// place of a temporary or a copy is left alone. Returns false when a call
// failed; what is left then stays for the next try.
bool recoverFilesTogether(const std::vector<std::string>& paths);
