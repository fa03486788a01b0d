#include "app/DataRecovery.h"

#include "base/AtomicFile.h"
#include "map/MapFiles.h"

void recoverDataFiles(const std::string& spotsPath, const std::string& roadsPath, const std::string& usersPath) {
    recoverMapFiles(spotsPath, roadsPath);
    removeLeftoverTemporary(usersPath);
}
