#pragma once
// Tidying the data files at start-up after a save that a kill or a failing
// call stopped midway.
#include <string>

// Before anything is read: finishes or drops an interrupted save of the map
// files and removes the temporary files killed saves left beside the map
// files and the users file, so every data file is whole, the two map files
// agree and the next save finds nothing in its way. Returns false when the
// map files could not be settled (a call failed): they may disagree then.
bool recoverDataFiles(const std::string& spotsPath, const std::string& roadsPath, const std::string& usersPath);
