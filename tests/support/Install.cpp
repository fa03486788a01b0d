#include "support/Install.h"

CommandResult installInto(const std::string& prefix) {
    return runCommand(shellQuoted(NAV_CMAKE_COMMAND) + " --install " + shellQuoted(NAV_BUILD_DIR) + " --prefix " +
                      shellQuoted(prefix));
}
