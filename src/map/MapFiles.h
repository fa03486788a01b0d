#pragma once
// Reading and writing the spots file and the roads file: GBK text, one record
// per line, the fields of map/RowFields.h separated by white space.
#include <iosfwd>
#include <string>

#include "map/TextTable.h"

const char* const kSpotsFile = "Data/cross.txt";
const char* const kRoadsFile = "Data/route.txt";

// Fills the table from the file and sets its count. A missing file leaves the
// table empty. Only the first kMaxMapObjects lines become records; if there
// are more, one console line says how many were ignored. Returns whether the
// file opened.
bool readMapFile(const std::string& path, TextTable& table, std::ostream& console);

// The file's bytes for rows 0 .. count - 1: fields joined by one space, CR LF
// after every record.
std::string mapFileText(const TextTable& table);

// Rewrites the whole file from the table, atomically. On failure the old file
// stays and false is returned.
bool writeMapFile(const std::string& path, const TextTable& table);

// Rewrites both files from their tables together, for an edit that changes
// both (a deleted spot renumbers the roads): whatever call fails and
// wherever a kill stops it, the two files end both old or both new (at the
// latest once recoverMapFiles has run). Returns true when both are new.
bool writeBothMapFiles(const std::string& spotsPath, const TextTable& spots, const std::string& roadsPath,
                       const TextTable& roads);

// At start-up before the files are read, and before a save of one of them:
// finishes or undoes a writeBothMapFiles that a kill or a failing call
// stopped and removes the temporary files a killed save left behind, so both
// files are whole and agree. Returns false when a call failed; what is left
// then stays for the next try.
bool recoverMapFiles(const std::string& spotsPath, const std::string& roadsPath);
