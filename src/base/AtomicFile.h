#pragma once
// Writing files so that a failure never leaves half of the new content.
#include <cstddef>
#include <string>
#include <vector>

// Writes every byte to the open descriptor, going on after short writes.
// Returns false when a write fails.
bool writeAll(int fd, const std::string& bytes);

// Replaces the file at path with bytes: writes a temporary file in the same
// folder, flushes it to disk and renames it over the old one, so a failed or
// interrupted write never leaves a half-written file. Returns false (and
// leaves the old file as it was) when any step fails.
bool writeFileAtomically(const std::string& path, const std::string& bytes);

// One file's new content, for replacing several files together.
struct FileReplacement {
    std::string path;
    std::string bytes;
};

// Replaces files that must agree with each other: every new content is
// written to a temporary file beside its original and flushed to disk before
// any original is touched, so a failure while writing leaves every original
// as it was. Then the temporaries are renamed over their originals in order
// and the folders are flushed. Returns false when any step fails; the
// temporaries are removed.
bool writeFilesTogether(const std::vector<FileReplacement>& files);
