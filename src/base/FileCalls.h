#pragma once
// The file system calls a replacement is made of, and the whole read a
// rewrite starts from: one set a platform, chosen at compile time, POSIX
// calls (base/posix/) or Windows' own (base/windows/).
#include <string>

// Reads the whole file into bytes. Returns false, with bytes left undefined,
// when it cannot be opened or a read fails, so a rewrite never starts from a
// piece of a file.
bool readWholeFile(const std::string& path, std::string& bytes);

// True for a regular file itself, never for what a link points to.
bool isRegularFile(const std::string& path);

// Removes the file (not a folder). Returns false when it cannot.
bool removeFile(const std::string& path);

// Creates the file, only if nothing of that name exists and never through a
// link, and writes the bytes and flushes them to disk. A file it could not
// fill is removed. Returns false when any step fails.
bool createSyncedFile(const std::string& path, const std::string& bytes);

// Renames from over to, replacing to if it exists. Returns false when it
// cannot; then both are as they were.
bool replaceFile(const std::string& from, const std::string& to);

// Makes the renames in the file's folder durable. Returns false when it
// cannot.
bool syncFolderOf(const std::string& path);
