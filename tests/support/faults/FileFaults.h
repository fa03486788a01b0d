#pragma once
// The write-side file calls on one folder, counted and made to fail on
// purpose. The program that links support/faults/FileFaults.cpp defines the
// C library's open, write, fsync, close, rename and unlink itself, so the
// program's own calls reach them first; they pass every call on to the C
// library, except a watched one that is to fail.
#include <functional>
#include <string>
#include <vector>

struct FileFaults {
    // Watched: a call on this folder or a file in it, as the program names
    // it (its opens for writing and of the folder, the writes, flushes and
    // closes of what those opened, its renames and removals).
    std::string folder;
    int failAt = 0;            // the watched call that fails, counted from 1; 0: none fails
    bool keepFailing = false;  // every watched call after that one fails as well
    int calls = 0;             // watched calls so far
    std::vector<std::string> log;  // each watched call so far, e.g. "rename Data/route.txt.tmp"
    // Runs before each watched call is made, with no call of its own watched.
    std::function<void()> beforeCall;
};

// The faults every call consults; watching nothing until a test sets them.
FileFaults& fileFaults();
