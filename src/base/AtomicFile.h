#pragma once
// Writing files so that a failure never leaves half of the new content.
#include <cstddef>
#include <string>

// Writes every byte to the open descriptor, going on after short writes.
// Returns false when a write fails.
bool writeAll(int fd, const std::string& bytes);

// Replaces the file at path with bytes: writes a temporary file in the same
// folder, flushes it to disk and renames it over the old one, so a failed or
// interrupted write never leaves a half-written file. Returns false (and
// leaves the old file as it was) when any step fails.
bool writeFileAtomically(const std::string& path, const std::string& bytes);
