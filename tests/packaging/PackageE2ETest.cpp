// tools/package.sh as a packager runs it: the Debian package it writes, its
// control fields and files, what lintian (nothing), desktop-file-validate and
// appstreamcli say of it, and its launcher started from the unpacked files.
// The package is never installed on the machine.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "support/Program.h"
#include "support/RunTree.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string lastLine(const std::string& text) {
    const std::string line = text.substr(0, text.find_last_not_of('\n') + 1);
    return line.substr(line.rfind('\n') + 1);
}

TEST(PackageE2E, PacksTheProgramTheDebianWayAndItsLauncherStarts) {
    const TempDir dir;
    // Built in a folder of its own: other tests of the run use build/.
    const CommandResult built = runCommand("NAV_BUILD_DIR=" + shellQuoted(dir.file("build")) + " " +
                                           shellQuoted(sourceDir() + "/tools/package.sh") + " " + shellQuoted(dir.path()));
    ASSERT_EQ(built.status, 0) << built.output;
    const std::string arch = lastLine(runShell("dpkg --print-architecture").output);
    const std::string deb = dir.file("navigation-system_" NAV_VERSION "_" + arch + ".deb");
    ASSERT_EQ(lastLine(built.output), deb) << "the last line is the package's path";

    // The control fields, with Depends as dpkg-shlibdeps found the libraries,
    // and the files under /usr; the font is a link to the font package's file.
    const std::string contents = runShell("dpkg-deb -f " + shellQuoted(deb) + "; dpkg-deb -c " + shellQuoted(deb) +
                                          " | awk '{ print $6 $7 $8 }'").output;
    const std::string tree = "./usr/share/navigation-system/";
    for (const std::string& line : std::initializer_list<std::string>{
             "Package: navigation-system\n", "Version: " NAV_VERSION "\n", "Architecture: " + arch + "\n",
             "fonts-wqy-microhei", "libsfml-graphics2.5", "libc6 (>= ", "./usr/bin/navigation-system\n",
             "./usr/lib/navigation-system/navigation\n", tree + "Data/users.txt\n", tree + "resource/main.ogg\n",
             tree + "fonts/MF-FangHei-Noncommercial-Regular.ttf->../../fonts/truetype/wqy/wqy-microhei.ttc\n",
             "./usr/share/icons/hicolor/128x128/apps/navigation-system.png\n",
             "./usr/share/doc/navigation-system/copyright\n", "./usr/share/man/man1/navigation-system.1.gz\n"})
        EXPECT_NE(contents.find(line), std::string::npos) << line << " in\n" << contents;

    const std::string root = dir.file("root");
    ASSERT_EQ(runCommand("dpkg-deb -x " + shellQuoted(deb) + " " + shellQuoted(root)).status, 0);
    // Its tags on standard output; as root it also warns of that on standard error.
    const CommandResult lint = runShell("lintian --fail-on error,warning " + shellQuoted(deb));
    EXPECT_EQ(lint.status, 0);
    EXPECT_EQ(lint.output, "") << "lintian has nothing to say";
    for (const std::string& check :
         {"desktop-file-validate " + shellQuoted(root + "/usr/share/applications/navigation-system.desktop"),
          "appstreamcli validate --no-net " +
              shellQuoted(root + "/usr/share/metainfo/org.example.navigation_system.metainfo.xml")}) {
        const CommandResult result = runCommand(check);
        EXPECT_EQ(result.status, 0) << check << "\n" << result.output;
    }

    // The unpacked root with the font package's file where the dependency
    // puts it.
    fs::create_directories(root + "/usr/share/fonts/truetype/wqy");
    const std::string font = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
    fs::create_symlink(font, root + font);
    Program program("1024x768x24", root + "/usr/bin/navigation-system");
    for (const char* name : {"XDG_DATA_HOME", "NAVIGATION_HOME"}) program.setEnvironment(name, "");
    program.setEnvironment("HOME", dir.file("home"));
    ASSERT_TRUE(program.start()) << program.standardErrorTail();
    sf::Image shot;
    EXPECT_TRUE(program.waitForScreen(isLoginScreenWithTitle, 3000, &shot));
    program.saveScreenshot("package-login", shot);
}

}  // namespace
