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
// both (a deleted spot renumbers the roads): neither original is replaced
// before both new files are completely on disk, and a kill between the two
// replacements is finished by recoverMapFiles at the next start. On failure
// false is returned and, unless the failure came between the two renames,
// both old files stay.
bool writeBothMapFiles(const std::string& spotsPath, const TextTable& spots, const std::string& roadsPath,
                       const TextTable& roads);

// At start-up, before the files are read: finishes a writeBothMapFiles that a
// kill interrupted between its replacements and removes the temporary files
// a killed save left behind, so both files are whole and agree.
void recoverMapFiles(const std::string& spotsPath, const std::string& roadsPath);
