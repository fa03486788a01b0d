// Window tests open real windows: each test process gets its own X server.
#include <cstdlib>
#include <cstdio>
#include <gtest/gtest.h>
// After gtest: Xlib defines macros (None, Bool) that clash with its names.
#include <X11/Xlib.h>

#include "support/Xvfb.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    XvfbServer server(true);
    if (server.display().empty()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    setenv("DISPLAY", server.display().c_str(), 1);
    // The server ends when its last client leaves; this connection lasts
    // until the process exits, after the graphics library has let go.
    if (!XOpenDisplay(nullptr)) {
        std::fprintf(stderr, "cannot connect to Xvfb\n");
        return 1;
    }
    setenv("ALSOFT_DRIVERS", "null", 0);
    return RUN_ALL_TESTS();
}
