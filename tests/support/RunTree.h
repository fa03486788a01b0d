#pragma once
#include <string>
#include <vector>

// Copies the run-time tree (Data/, resource/, fonts/) of the repository into
// a test's own working directory, so no test changes the tracked files.
void copyRunTree(const std::string& destination);

// The repository's root, holding the run-time tree.
std::string sourceDir();

// The space-separated fields of line n (counted from 1) of a map file such
// as Data/cross.txt, without the line end; empty when there is no such line.
// The numeric fields are ASCII; the names stay GBK bytes.
std::vector<std::string> mapFileRow(const std::string& path, int number);
