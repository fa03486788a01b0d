#pragma once
#include <string>

#include "support/Shell.h"

// The built program installed with cmake --install into a prefix, as a user
// would install it, for the tests of the installed tree and its launcher.
CommandResult installInto(const std::string& prefix);

// Places under an install prefix.
inline std::string installedLauncher(const std::string& prefix) { return prefix + "/bin/navigation-system"; }
inline std::string installedProgram(const std::string& prefix) { return prefix + "/lib/navigation-system/navigation"; }
inline std::string installedTree(const std::string& prefix) { return prefix + "/share/navigation-system"; }
inline std::string installedMenuEntry(const std::string& prefix) {
    return prefix + "/share/applications/navigation-system.desktop";
}
