// The installed launcher's own work, with the installed program replaced by
// a script that prints where it was started and with what: where the
// per-user folder goes, the copy of Data/ and the half copies an interrupted
// start leaves, and the messages when something is missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/Install.h"
#include "support/RunTree.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const char* const kStandIn = "#!/bin/sh\necho \"in $(pwd -P)\"\necho \"arguments $*\"\n";

class LauncherE2E : public ::testing::Test {
protected:
    void SetUp() override {
        const CommandResult install = installInto(prefix);
        ASSERT_EQ(install.status, 0) << install.output;
        writeBytes(installedProgram(prefix), kStandIn);
    }

    // Runs the launcher with only PATH and the given variables ("NAME=value").
    CommandResult run(const std::vector<std::string>& variables, const std::string& arguments = "",
                      const std::string& launcher = "") const {
        std::string command = "env -i PATH=/usr/bin:/bin";
        for (const std::string& v : variables) command += " " + shellQuoted(v);
        return runCommand(command + " " + shellQuoted(launcher.empty() ? installedLauncher(prefix) : launcher) + " " +
                          arguments);
    }

    std::string installedData(const std::string& name) const {
        return readBytes(installedTree(prefix) + "/Data/" + name);
    }

    TempDir dir;
    const std::string prefix = dir.file("install prefix");
    const std::string home = dir.file("home");
};

struct Place {
    const char* name;
    std::vector<std::string> variables;  // "@" stands for the test's folder
    std::string folder;                  // where the program runs, under the test's folder
};

std::string expand(std::string text, const std::string& folder) {
    if (const auto at = text.find('@'); at != std::string::npos) text.replace(at, 1, folder);
    return text;
}

void PrintTo(const Place& place, std::ostream* out) { *out << place.name; }

class LauncherPlaceE2E : public LauncherE2E, public ::testing::WithParamInterface<Place> {};

TEST_P(LauncherPlaceE2E, RunsTheProgramInTheUsersFolderWithACopyOfData) {
    std::vector<std::string> variables;
    for (const std::string& v : GetParam().variables) variables.push_back(expand(v, dir.path()));
    const std::string folder = dir.file(GetParam().folder);

    const CommandResult result = run(variables, "one 'two three'");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("in " + folder + "\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("arguments one two three\n"), std::string::npos) << result.output;
    EXPECT_EQ(readBytes(folder + "/Data/users.txt"), installedData("users.txt"));
    EXPECT_EQ(fs::read_symlink(folder + "/resource"), installedTree(prefix) + "/resource");
}

INSTANTIATE_TEST_SUITE_P(
    Places, LauncherPlaceE2E,
    ::testing::Values(Place{"Home", {"HOME=@/home"}, "home/.local/share/navigation-system/user"},
                      Place{"XdgDataHome", {"HOME=@/home", "XDG_DATA_HOME=@/xdg"}, "xdg/navigation-system/user"},
                      Place{"RelativeXdgDataHomeIgnored", {"HOME=@/home", "XDG_DATA_HOME=xdg"},
                            "home/.local/share/navigation-system/user"},
                      Place{"NavigationHome", {"HOME=@/home", "XDG_DATA_HOME=@/xdg", "NAVIGATION_HOME=@/mine"}, "mine"},
                      Place{"NavigationHomeWithoutHome", {"NAVIGATION_HOME=@/mine"}, "mine"}),
    [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

TEST_F(LauncherE2E, FindsItsTreeWhenStartedThroughALink) {
    fs::create_directories(dir.file("bin"));
    fs::create_symlink(installedLauncher(prefix), dir.file("bin/navigation-system"));
    const CommandResult result = run({"NAVIGATION_HOME=" + home}, "", dir.file("bin/navigation-system"));
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(fs::read_symlink(home + "/fonts"), installedTree(prefix) + "/fonts");
}

TEST_F(LauncherE2E, KeepsTheUsersDataAndRemovesHalfCopies) {
    ASSERT_EQ(run({"NAVIGATION_HOME=" + home}).status, 0);
    writeBytes(home + "/Data/users.txt", "mine");
    writeBytes(home + "/.Data.partial.x1y2z3/users.txt", "half");

    const CommandResult result = run({"NAVIGATION_HOME=" + home});
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(readBytes(home + "/Data/users.txt"), "mine");
    EXPECT_FALSE(fileExists(home + "/.Data.partial.x1y2z3"));
    EXPECT_EQ(result.output.find("copied"), std::string::npos) << "no second copy: " << result.output;
}

TEST_F(LauncherE2E, AHalfCopyIsNeverTakenForData) {
    // The first start was cut short while copying: only the half copy is there.
    writeBytes(home + "/.Data.partial.x1y2z3/cross.txt", "half");
    const CommandResult result = run({"NAVIGATION_HOME=" + home});
    EXPECT_EQ(result.status, 0) << result.output;
    for (const char* name : {"cross.txt", "route.txt", "users.txt"})
        EXPECT_EQ(readBytes(home + "/Data/" + name), installedData(name)) << name;
    EXPECT_FALSE(fileExists(home + "/.Data.partial.x1y2z3"));
    EXPECT_EQ(std::distance(fs::directory_iterator(home), fs::directory_iterator()), 3) << "Data, resource, fonts";
}

TEST_F(LauncherE2E, TheCopyOfAReadOnlyTreeIsWritable) {
    const std::string data = installedTree(prefix) + "/Data";
    fs::permissions(data + "/users.txt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(data, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_EQ(run({"NAVIGATION_HOME=" + home}).status, 0);
    EXPECT_NE(fs::status(home + "/Data").permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_NE(fs::status(home + "/Data/users.txt").permissions() & fs::perms::owner_write, fs::perms::none);
    fs::permissions(data, fs::perms::owner_write, fs::perm_options::add);  // so the test's folder can go
}

TEST_F(LauncherE2E, AnInstallIntoTheUsersOwnPrefixKeepsTheUsersDataApart) {
    // Installed into ~/.local, the tree lands in the user's XDG data folder.
    const std::string xdg = "XDG_DATA_HOME=" + prefix + "/share";
    ASSERT_EQ(run({xdg}).status, 0);
    const std::string mine = installedTree(prefix) + "/user/Data/users.txt";
    writeBytes(mine, "mine");

    const CommandResult again = installInto(prefix);
    ASSERT_EQ(again.status, 0) << again.output;
    writeBytes(installedProgram(prefix), kStandIn);
    const CommandResult result = run({xdg});
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("in " + installedTree(prefix) + "/user\n"), std::string::npos) << result.output;
    EXPECT_EQ(readBytes(mine), "mine");
    EXPECT_EQ(installedData("users.txt"), readBytes(sourceDir() + "/Data/users.txt"));
}

struct Failure {
    const char* name;
    const char* removed;                 // under the prefix, or "" for none
    std::vector<std::string> variables;  // "@" stands for the test's folder
    const char* message;                 // "@" stands for the prefix
};

void PrintTo(const Failure& failure, std::ostream* out) { *out << failure.name; }

class LauncherFailureE2E : public LauncherE2E, public ::testing::WithParamInterface<Failure> {};

TEST_P(LauncherFailureE2E, SaysWhatIsWrongAndStopsWithStatusOne) {
    const Failure& failure = GetParam();
    if (*failure.removed) fs::remove_all(prefix + "/" + failure.removed);
    writeBytes(dir.file("a file"), "");
    std::vector<std::string> variables;
    for (const std::string& v : failure.variables) variables.push_back(expand(v, dir.path()));

    const CommandResult result = run(variables);
    EXPECT_EQ(result.status, 1) << result.output;
    EXPECT_EQ(result.output.rfind("navigation-system: " + expand(failure.message, prefix), 0), 0) << result.output;
    EXPECT_EQ(result.output.find("arguments"), std::string::npos) << "the program did not run";
    EXPECT_FALSE(fileExists(home)) << "nothing was made";
}

INSTANTIATE_TEST_SUITE_P(
    Failures, LauncherFailureE2E,
    ::testing::Values(
        Failure{"ProgramMissing", "lib/navigation-system/navigation", {"HOME=@/home"},
                "the program @/lib/navigation-system/navigation is missing"},
        Failure{"DataMissing", "share/navigation-system/Data", {"HOME=@/home"},
                "the folder @/share/navigation-system/Data is missing"},
        Failure{"ResourceMissing", "share/navigation-system/resource", {"HOME=@/home"},
                "the folder @/share/navigation-system/resource is missing"},
        Failure{"FontsMissing", "share/navigation-system/fonts", {"HOME=@/home"},
                "the folder @/share/navigation-system/fonts is missing"},
        Failure{"NowhereToKeepTheData", "", {}, "neither HOME nor XDG_DATA_HOME nor NAVIGATION_HOME is set"},
        Failure{"FolderUnderAFile", "", {"NAVIGATION_HOME=@/a file/data"}, "cannot create the folder"},
        Failure{"FolderIsTheInstalledTree", "", {"NAVIGATION_HOME=@/install prefix/share/navigation-system"},
                "the folder @/share/navigation-system for the data is the installed tree itself"}),
    [](const ::testing::TestParamInfo<Failure>& info) { return std::string(info.param.name); });

}  // namespace
