// Window tests open real windows: each test process gets its own X server.
#include <cstdlib>
#include <cstdio>
#include <gtest/gtest.h>

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
    setenv("ALSOFT_DRIVERS", "null", 0);
    return RUN_ALL_TESTS();
}
