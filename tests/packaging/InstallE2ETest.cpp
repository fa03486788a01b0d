// The program installed with cmake --install into a fresh prefix: the files
// and the menu entry it puts there, and the real program started through the
// installed launcher under Xvfb, keeping its data in a per-user copy.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "support/Install.h"
#include "support/Program.h"
#include "support/RunTree.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const char* const kFont = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
const char* const kDataFiles[] = {"cross.txt", "route.txt", "users.txt"};
const char* const kAssets[] = {"a.txt", "b.txt", "c.txt", "bank.jpg", "food.jpg", "hotel.jpg", "market.jpg", "main.ogg"};

bool isExecutable(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IXUSR);
}

// The lines of the menu entry, without their line ends.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    if (start < text.size()) result.push_back(text.substr(start));
    return result;
}

bool hasLine(const std::vector<std::string>& all, const std::string& line) {
    for (const std::string& l : all)
        if (l == line) return true;
    return false;
}

bool isMapScreen(const sf::Image& shot) { return Program::windowPixel(shot, 630, 330) == sf::Color(70, 120, 210); }

// A prefix in a test's own folder, its name holding a space as many home
// folders' names do, with the program installed into it.
class InstallE2E : public ::testing::Test {
protected:
    void SetUp() override {
        const CommandResult install = installInto(prefix);
        ASSERT_EQ(install.status, 0) << install.output;
    }

    // The launcher under its own Xvfb, with HOME in the test's folder and
    // no other say over where the per-user copy goes.
    std::unique_ptr<Program> launcher() const {
        auto program = std::make_unique<Program>("1024x768x24", installedLauncher(prefix));
        program->setEnvironment("HOME", home);
        program->setEnvironment("XDG_DATA_HOME", "");
        program->setEnvironment("NAVIGATION_HOME", "");
        return program;
    }

    TempDir dir;
    const std::string prefix = dir.file("install prefix");
    const std::string home = dir.file("home");
    const std::string userCopy = home + "/.local/share/navigation-system/user";
};

TEST_F(InstallE2E, PutsTheProgramItsTreeTheFontAndTheIconUnderThePrefix) {
    EXPECT_TRUE(isExecutable(installedLauncher(prefix)));
    EXPECT_TRUE(isExecutable(installedProgram(prefix)));
    const std::string tree = installedTree(prefix);
    for (const char* name : kDataFiles)
        EXPECT_EQ(readBytes(tree + "/Data/" + name), readBytes(sourceDir() + "/Data/" + name)) << name;
    for (const char* name : kAssets)
        EXPECT_EQ(readBytes(tree + "/resource/" + name), readBytes(sourceDir() + "/resource/" + name)) << name;
    EXPECT_FALSE(fileExists(tree + "/resource/navigation-system.png")) << "the icon is not the program's";
    EXPECT_EQ(readBytes(tree + "/fonts/MF-FangHei-Noncommercial-Regular.ttf"), readBytes(kFont));

    sf::Image icon;
    ASSERT_TRUE(icon.loadFromFile(prefix + "/share/icons/hicolor/128x128/apps/navigation-system.png"));
    EXPECT_EQ(icon.getSize(), sf::Vector2u(128, 128));
    EXPECT_EQ(icon.getPixel(0, 0).a, 0) << "transparent corners";
    EXPECT_EQ(icon.getPixel(64, 64).a, 255);
}

// A prefix name, and how the entry's Exec writes the launcher's path in it
// ("@" stands for the folder holding the prefix).
struct ExecCase {
    const char* name;
    const char* prefix;
    const char* exec;
};

void PrintTo(const ExecCase& c, std::ostream* out) { *out << c.name; }

class MenuEntryE2E : public ::testing::TestWithParam<ExecCase> {};

TEST_P(MenuEntryE2E, StartsTheInstalledLauncher) {
    const TempDir dir;
    const std::string prefix = dir.file(GetParam().prefix);
    const CommandResult install = installInto(prefix);
    ASSERT_EQ(install.status, 0) << install.output;

    const std::string entry = installedMenuEntry(prefix);
    const std::vector<std::string> all = lines(readBytes(entry));
    ASSERT_FALSE(all.empty()) << entry;
    EXPECT_EQ(all.front(), "[Desktop Entry]");
    for (const char* line : {"Type=Application", "Name=导航系统", "Icon=navigation-system", "Terminal=false",
                             "Categories=Utility;Maps;"})
        EXPECT_TRUE(hasLine(all, line)) << line;
    std::string exec = GetParam().exec;
    exec.replace(exec.find('@'), 1, dir.path());
    EXPECT_TRUE(hasLine(all, "Exec=" + exec)) << readBytes(entry);

    const CommandResult check = runCommand("desktop-file-validate " + shellQuoted(entry));
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output, "") << "no warnings either";
}

// A space or another character the shell would read asks for double quotes;
// inside them " ` $ and \ take a backslash, which the value's own escaping
// doubles; % is doubled.
INSTANTIATE_TEST_SUITE_P(
    Prefixes, MenuEntryE2E,
    ::testing::Values(ExecCase{"Plain", "usr", "@/usr/bin/navigation-system"},
                      ExecCase{"WithASpace", "install prefix", "\"@/install prefix/bin/navigation-system\""},
                      ExecCase{"WithReservedCharacters", "100% $nav", "\"@/100%% \\\\$nav/bin/navigation-system\""}),
    [](const ::testing::TestParamInfo<ExecCase>& info) { return std::string(info.param.name); });

TEST_F(InstallE2E, TheLauncherShowsTheLoginScreenFromAPerUserCopy) {
    const auto program = launcher();
    ASSERT_TRUE(program->start()) << program->standardErrorTail();
    sf::Image shot;
    EXPECT_TRUE(program->waitForScreen(isLoginScreenWithTitle, 3000, &shot));
    program->saveScreenshot("installed-login", shot);

    for (const char* name : kDataFiles)
        EXPECT_EQ(readBytes(userCopy + "/Data/" + name), readBytes(installedTree(prefix) + "/Data/" + name)) << name;
    EXPECT_EQ(fs::read_symlink(userCopy + "/resource"), installedTree(prefix) + "/resource");
    EXPECT_EQ(fs::read_symlink(userCopy + "/fonts"), installedTree(prefix) + "/fonts");
    EXPECT_NE(program->standardErrorTail().find("copied the sample data to " + userCopy + "/Data"), std::string::npos)
        << program->standardErrorTail();
}

TEST_F(InstallE2E, ARegistrationLandsInTheUserCopyAndLaterStartsKeepIt) {
    const std::string installedUsers = installedTree(prefix) + "/Data/users.txt";
    const std::string before = readBytes(installedUsers);
    {
        const auto program = launcher();
        ASSERT_TRUE(program->start()) << program->standardErrorTail();
        ASSERT_TRUE(program->waitForScreen(isLoginScreenWithTitle, 3000));
        program->registerAccount("newbie", "abc123");
        sf::Image shot;
        EXPECT_TRUE(program->waitForScreen(
            [](const sf::Image& s) { return countPixels(s, sf::IntRect(200, 405, 300, 40), sf::Color::Green) > 50; },
            2000, &shot))
            << "\"注册成功\" in green";
        program->saveScreenshot("installed-registered", shot);
        program->key("Escape");
        EXPECT_EQ(program->waitForExit(3000), 0);
    }
    EXPECT_EQ(readBytes(userCopy + "/Data/users.txt"), before + "\r\nnewbie abc123");
    EXPECT_EQ(readBytes(installedUsers), before) << "the installed tree stays as installed";

    // A start cut short while copying left a half-finished copy behind.
    const std::string halfCopy = userCopy + "/.Data.partial.AbC123";
    writeBytes(halfCopy + "/users.txt", "half");
    const auto again = launcher();
    ASSERT_TRUE(again->start()) << again->standardErrorTail();
    EXPECT_FALSE(fileExists(halfCopy));
    EXPECT_EQ(readBytes(userCopy + "/Data/users.txt"), before + "\r\nnewbie abc123");
    // The program reads the user's copy: the new account logs in.
    again->logIn("newbie", "abc123");
    EXPECT_TRUE(again->waitForScreen(isMapScreen, 3000));
}

}  // namespace

// A copy of the checkout whose Data/users.txt was edited by hand and whose
// sample-data sources gained an account, configured (not built: a stand-in
// takes the program's place) and installed. The committed Data/ is what the
// sources make.
TEST(InstallSampleDataE2E, IsMadeFromTheSourcesNeverCopiedFromData) {
    const TempDir dir;
    const std::string source = dir.file("source"), build = dir.file("build"), prefix = dir.file("prefix");
    fs::create_directories(source);
    for (const char* part : {"CMakeLists.txt", "src", "packaging", "tools", "resource", "Data"})
        fs::copy(sourceDir() + "/" + part, source + "/" + part, fs::copy_options::recursive);
    writeBytes(source + "/Data/users.txt", "edited by hand");
    const std::string users = "/tools/sample-data/users.txt";
    writeBytes(source + users, readBytes(sourceDir() + users) + "newbie abc123\n");

    const std::string cmake = shellQuoted(NAV_CMAKE_COMMAND);
    const CommandResult configure =
        runCommand(cmake + " -S " + shellQuoted(source) + " -B " + shellQuoted(build) + " -DBUILD_TESTING=OFF");
    ASSERT_EQ(configure.status, 0) << configure.output;
    writeBytes(build + "/navigation", "stand-in");
    const CommandResult install = runCommand(cmake + " --install " + shellQuoted(build) + " --prefix " + shellQuoted(prefix));
    ASSERT_EQ(install.status, 0) << install.output;
    EXPECT_EQ(readBytes(installedTree(prefix) + "/Data/users.txt"),
              readBytes(sourceDir() + "/Data/users.txt") + "\r\nnewbie abc123");
}
