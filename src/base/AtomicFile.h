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
// fails.
bool writeFileAtomically(const std::string& path, const std::string& bytes);

// One file's new content, for replacing several files together.
struct FileReplacement {
    std::string path;
    std::string bytes;
};

// Replaces files that must agree with each other: every new content is
// written to a temporary file beside its original (as writeFileAtomically
// does) and flushed to disk before any original is touched, so a failure
// while writing leaves every original as it was. Then a commit mark (the
// first path + ".commit") is created, the temporaries are renamed over their
// originals in order, the folders are flushed and the mark is removed. A kill
// after the mark leaves it for recoverFilesTogether to finish the renames.
// Returns false when any step fails; the temporaries and the mark are
// removed.
bool writeFilesTogether(const std::vector<FileReplacement>& files);

// The commit mark of a writeFilesTogether whose first file is path.
std::string commitMarkOf(const std::string& path);

// At start-up, before the files are read: finishes a writeFilesTogether of
// these paths (in the same order) that a kill interrupted. With its commit
// mark present every temporary still there is complete and is renamed over
// its original; without it the leftover temporaries are removed. Either way
// each file is then wholly old or wholly new and, unless a rename fails, all
// of them agree; the mark is removed in any case. Returns true when a mark
// was found.
bool recoverFilesTogether(const std::vector<std::string>& paths);
