// The start-up tidying of the data files after a killed save.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/DataRecovery.h"
#include "base/AtomicFile.h"
#include "support/TempDir.h"

namespace {

struct Paths {
    std::string spots, roads, users;
};

Paths pathsIn(const TempDir& dir) { return {dir.file("cross.txt"), dir.file("route.txt"), dir.file("users.txt")}; }

}  // namespace

TEST(DataRecovery, RemovesTheLeftoverTemporaryOfEveryDataFileAndLeavesFoldersAlone) {
    TempDir dir;
    const Paths p = pathsIn(dir);
    for (const std::string& path : {p.spots, p.roads, p.users}) {
        writeBytes(path, "old");
        writeBytes(temporaryPathOf(path), "half");
    }
    recoverDataFiles(p.spots, p.roads, p.users);
    for (const std::string& path : {p.spots, p.roads, p.users}) {
        EXPECT_EQ(readBytes(path), "old") << path;
        EXPECT_FALSE(fileExists(temporaryPathOf(path))) << path;
    }

    for (const std::string& path : {p.spots, p.roads, p.users}) writeBytes(temporaryPathOf(path) + "/inside", "");
    recoverDataFiles(p.spots, p.roads, p.users);
    for (const std::string& path : {p.spots, p.roads, p.users})
        EXPECT_TRUE(fileExists(temporaryPathOf(path) + "/inside")) << path;
}

TEST(DataRecovery, FinishesBothMapFilesOfACommittedSave) {
    TempDir dir;
    const Paths p = pathsIn(dir);
    writeBytes(p.spots, "new spots");  // renamed before the kill
    writeBytes(p.roads, "old roads");
    writeBytes(temporaryPathOf(p.roads), "new roads");
    writeBytes(commitMarkOf(p.spots), "");
    EXPECT_TRUE(recoverDataFiles(p.spots, p.roads, p.users));
    EXPECT_EQ(readBytes(p.roads), "new roads");
    EXPECT_FALSE(fileExists(commitMarkOf(p.spots)));
    EXPECT_FALSE(fileExists(temporaryPathOf(p.roads)));
}

TEST(DataRecovery, SaysWhenTheMapFilesCannotBeSettled) {
    TempDir dir;
    const Paths p = pathsIn(dir);
    writeBytes(p.roads + "/inside", "");  // a folder no rename can replace
    writeBytes(temporaryPathOf(p.roads), "new roads");
    writeBytes(commitMarkOf(p.spots), "");
    EXPECT_FALSE(recoverDataFiles(p.spots, p.roads, p.users));
    EXPECT_TRUE(fileExists(commitMarkOf(p.spots)));
}
