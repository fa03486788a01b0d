// tools/package.sh as a packager runs it: the Debian package it writes, its
// control fields and files, what lintian, desktop-file-validate and
// appstreamcli say of it, and its launcher started from the unpacked files.
// The package is never installed on the machine.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Program.h"
#include "support/RunTree.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const char* const kFont = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";

std::string lastLine(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text.substr(text.rfind('\n') + 1);
}

std::string output(const std::string& command) { return lastLine(runShell(command).output); }

TEST(PackageE2E, PacksTheProgramTheDebianWayAndItsLauncherStarts) {
    const TempDir dir;
    const CommandResult built = runCommand(shellQuoted(sourceDir() + "/tools/package.sh") + " " + shellQuoted(dir.path()));
    ASSERT_EQ(built.status, 0) << built.output;
    const std::string arch = output("dpkg --print-architecture");
    const std::string deb = dir.file("navigation-system_" NAV_VERSION "_" + arch + ".deb");
    ASSERT_EQ(lastLine(built.output), deb) << "the last line is the package's path";

    // Control fields; Depends as dpkg-shlibdeps found the libraries, and the font.
    const std::string fields = runShell("dpkg-deb -f " + shellQuoted(deb)).output;
    for (const std::string& field :
         std::vector<std::string>{"Package: navigation-system\n", "Version: " NAV_VERSION "\n",
                                  "Architecture: " + arch + "\n", "fonts-wqy-microhei", "libsfml-graphics2.5",
                                  "libsfml-audio2.5", "libc6 (>= ", "Maintainer: ", "Description: "})
        EXPECT_NE(fields.find(field), std::string::npos) << field << " in\n" << fields;

    // Every file under /usr, the font a link to the font package's file.
    const std::string files = runShell("dpkg-deb -c " + shellQuoted(deb) + " | awk '{ print $6 $7 $8 }'").output;
    for (const char* file :
         {"./usr/bin/navigation-system\n", "./usr/lib/navigation-system/navigation\n",
          "./usr/share/navigation-system/Data/users.txt\n", "./usr/share/navigation-system/resource/main.ogg\n",
          "./usr/share/navigation-system/fonts/MF-FangHei-Noncommercial-Regular.ttf->../../fonts/truetype/wqy/wqy-microhei.ttc\n",
          "./usr/share/applications/navigation-system.desktop\n",
          "./usr/share/icons/hicolor/128x128/apps/navigation-system.png\n",
          "./usr/share/metainfo/org.example.navigation_system.metainfo.xml\n",
          "./usr/share/doc/navigation-system/copyright\n"})
        EXPECT_NE(files.find(file), std::string::npos) << file << " in\n" << files;
    EXPECT_EQ(runShell("dpkg-deb -c " + shellQuoted(deb) + " | awk '$6 !~ \"^./usr/\" || $6 ~ \"^./usr/local/\"'").output, "");

    const CommandResult lint = runCommand("lintian --fail-on error " + shellQuoted(deb));
    EXPECT_EQ(lint.status, 0) << lint.output;

    const std::string root = dir.file("root");
    ASSERT_EQ(runCommand("dpkg-deb -x " + shellQuoted(deb) + " " + shellQuoted(root)).status, 0);
    const CommandResult entry = runCommand("desktop-file-validate " + shellQuoted(root + "/usr/share/applications/navigation-system.desktop"));
    EXPECT_EQ(entry.status, 0) << entry.output;
    EXPECT_EQ(entry.output, "") << "no warnings either";
    const CommandResult metainfo = runCommand("appstreamcli validate --no-net " +
                                              shellQuoted(root + "/usr/share/metainfo/org.example.navigation_system.metainfo.xml"));
    EXPECT_EQ(metainfo.status, 0) << metainfo.output;

    // The unpacked root with the font package's file in place, as the
    // dependency puts it; the launcher copies the data into the user's home.
    fs::create_directories(root + "/usr/share/fonts/truetype/wqy");
    fs::create_symlink(kFont, root + "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc");
    Program program("1024x768x24", root + "/usr/bin/navigation-system");
    program.setEnvironment("HOME", dir.file("home"));
    program.setEnvironment("XDG_DATA_HOME", "");
    program.setEnvironment("NAVIGATION_HOME", "");
    ASSERT_TRUE(program.start()) << program.standardErrorTail();
    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen(isLoginScreenWithTitle, 3000, &shot));
    program.saveScreenshot("package-login", shot);
    EXPECT_EQ(readBytes(dir.file("home/.local/share/navigation-system/user/Data/users.txt")),
              readBytes(root + "/usr/share/navigation-system/Data/users.txt"));
}

}  // namespace
