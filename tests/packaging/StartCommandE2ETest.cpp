// tools/start.sh as a newcomer runs it from the checkout: the program starts
// in a folder of its own with a copy of the sample data, and what the user
// registers lands there, leaving every file of the checkout as it was.
#include <gtest/gtest.h>

#include <string>

#include "support/Program.h"
#include "support/RunTree.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace {

CommandResult checkoutStatus() { return runShell("git -C " + shellQuoted(sourceDir()) + " status --porcelain"); }

TEST(StartCommandE2E, RunsTheProgramOutsideTheCheckout) {
    const CommandResult before = checkoutStatus();
    ASSERT_EQ(before.status, 0) << "git status must run to show the checkout unchanged";
    Program program("1024x768x24", sourceDir() + "/tools/start.sh");
    const std::string folder = program.file("working folder");
    program.setEnvironment("NAVIGATION_HOME", folder);
    // A build folder of its own: other tests of the run use build/.
    program.setEnvironment("NAV_BUILD_DIR", program.file("build"));
    // The start command first checks the packages and builds the program.
    ASSERT_TRUE(program.start(400000)) << program.standardErrorTail();
    ASSERT_TRUE(program.waitForScreen(isLoginScreenWithTitle, 3000));

    program.registerAccount("newbie", "abc123");
    pause(500);
    program.key("Escape");
    EXPECT_EQ(program.waitForExit(3000), 0);

    EXPECT_EQ(readBytes(folder + "/Data/users.txt"), readBytes(sourceDir() + "/Data/users.txt") + "\r\nnewbie abc123");
    const CommandResult after = checkoutStatus();
    EXPECT_EQ(after.status, 0);
    EXPECT_EQ(after.output, before.output);
}

}  // namespace
