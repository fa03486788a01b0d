#pragma once
#include <string>

// Copies the run-time tree (Data/, resource/, fonts/) of the repository into
// a test's own working directory, so no test changes the tracked files.
void copyRunTree(const std::string& destination);

// The repository's root, holding the run-time tree.
std::string sourceDir();
