#pragma once
#include <string>

// Replaces the file at path with bytes: writes a temporary file in the same
// folder, flushes it to disk and renames it over the old one, so a failed or
// interrupted write never leaves a half-written file. Returns false (and
// leaves the old file as it was) when any step fails.
bool writeFileAtomically(const std::string& path, const std::string& bytes);
