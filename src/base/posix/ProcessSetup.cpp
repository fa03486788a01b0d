// The process set-up on POSIX systems: nothing to do, the launcher and the
// tests choose the working directory.
#include "base/ProcessSetup.h"

void prepareProcess() {}
