#include "app/DataRecovery.h"

#include "base/AtomicFile.h"
#include "map/MapFiles.h"

bool recoverDataFiles(const std::string& spotsPath, const std::string& roadsPath, const std::string& usersPath) {
    removeLeftoverTemporary(usersPath);
    return recoverMapFiles(spotsPath, roadsPath);
}
