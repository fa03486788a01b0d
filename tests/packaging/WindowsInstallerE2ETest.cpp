// The Windows installer as a user meets it, under wine: a silent install
// into Program Files with its Start-menu entry, the first start of the
// installed exe (its data copied to the user's %APPDATA%\navigation-system,
// where a registration then lands), and the uninstaller, which leaves that
// data. The installer is named by $NAV_WINDOWS_SETUP, the wine prefix by
// $WINEPREFIX (tools/windows/test.sh sets both and runs this test alone).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "support/Program.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string withoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

// The Linux path of a Windows path with %VARIABLES% in it, under wine.
std::string unixPath(const std::string& windowsPath) {
    std::string expanded = withoutLineEnd(runShell("wine cmd /c echo " + shellQuoted(windowsPath)).output);
    // A path with spaces comes back quoted.
    expanded.erase(std::remove(expanded.begin(), expanded.end(), '"'), expanded.end());
    return withoutLineEnd(runShell("winepath -u " + shellQuoted(expanded)).output);
}

bool waitUntil(const std::function<bool()>& test, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 100) {
        if (test()) return true;
        pause(100);
    }
    return false;
}

TEST(WindowsInstallerE2E, InstallsStartsWithTheUsersOwnDataAndUninstallsKeepingIt) {
    const char* setup = std::getenv("NAV_WINDOWS_SETUP");
    ASSERT_TRUE(setup && *setup) << "set NAV_WINDOWS_SETUP to the installer tools/windows/installer.sh wrote";
    const std::string installed = unixPath("%ProgramW6432%\\navigation-system");
    const std::string home = unixPath("%APPDATA%\\navigation-system");
    const std::string menu = unixPath("%ProgramData%\\Microsoft\\Windows\\Start Menu\\Programs") + "/导航系统";
    ASSERT_FALSE(installed.empty() || home.empty() || menu.empty());
    fs::remove_all(home);  // a first start

    const CommandResult install = runCommand("wine " + shellQuoted(setup) + " /S");
    ASSERT_EQ(install.status, 0) << install.output;
    EXPECT_TRUE(fs::exists(installed + "/navigation-system.exe"));
    EXPECT_TRUE(fs::exists(installed + "/OpenAL32.dll"));
    EXPECT_TRUE(fs::exists(installed + "/uninstall.exe"));
    EXPECT_TRUE(fs::exists(menu + "/导航系统.lnk"));

    // The wine session began without a display; the program's starts anew
    // on its own.
    runShell("wineserver -k 2>/dev/null; wineserver -w 2>/dev/null");
    {
        const TempDir dir;
        Program program("1024x768x24", wineStarter(dir.path(), installed + "/navigation-system.exe"));
        program.setEnvironment("WINEDEBUG", "-all");
        ASSERT_TRUE(program.start(60000)) << program.standardErrorTail();
        ASSERT_TRUE(program.waitForScreen(isLoginScreenWithTitle, 10000)) << "the login screen, its font from the copy";
        const std::string sample = readBytes(installed + "/Data/users.txt");
        EXPECT_EQ(readBytes(home + "/Data/users.txt"), sample) << "the sample data copied at the first start";
        program.registerAccount("bob", "pw1");
        EXPECT_TRUE(waitUntil([&] { return readBytes(home + "/Data/users.txt") == sample + "\r\nbob pw1"; }, 5000))
            << "the registration lands in the user's folder";
        EXPECT_EQ(readBytes(installed + "/Data/users.txt"), sample) << "the install is not written";
        ASSERT_TRUE(program.requestClose());
        EXPECT_EQ(program.waitForExit(20000), 0);
    }

    // The uninstaller runs from a copy of itself and returns at once.
    const CommandResult uninstall = runCommand("wine " + shellQuoted(installed + "/uninstall.exe") + " /S");
    EXPECT_EQ(uninstall.status, 0) << uninstall.output;
    EXPECT_TRUE(waitUntil([&] { return !fs::exists(installed) && !fs::exists(menu); }, 20000))
        << "the program and its Start-menu entry removed";
    EXPECT_TRUE(fs::exists(home + "/Data/users.txt")) << "each user's data stays";
}

}  // namespace
