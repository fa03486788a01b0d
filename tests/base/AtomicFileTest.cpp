// Replacing several files together: all or, when a new file cannot be
// written, none.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/AtomicFile.h"
#include "support/TempDir.h"

TEST(AtomicFile, FilesReplacedTogetherAllGetTheirNewContent) {
    TempDir dir;
    writeBytes(dir.file("a.txt"), "old a");
    const std::vector<FileReplacement> files = {{dir.file("a.txt"), "new a\r\n"}, {dir.file("b.txt"), "new b"}};
    EXPECT_TRUE(writeFilesTogether(files));
    EXPECT_EQ(readBytes(dir.file("a.txt")), "new a\r\n");
    EXPECT_EQ(readBytes(dir.file("b.txt")), "new b");
    EXPECT_FALSE(fileExists(dir.file("a.txt.tmp")));
    EXPECT_FALSE(fileExists(dir.file("b.txt.tmp")));
}

TEST(AtomicFile, WhenOneNewFileCannotBeWrittenNoOriginalChanges) {
    TempDir dir;
    writeBytes(dir.file("a.txt"), "old a");
    writeBytes(dir.file("b.txt"), "old b");
    // A folder where b's temporary file would go: it cannot be created.
    std::filesystem::create_directory(dir.file("b.txt.tmp"));
    EXPECT_FALSE(writeFilesTogether({{dir.file("a.txt"), "new a"}, {dir.file("b.txt"), "new b"}}));
    EXPECT_EQ(readBytes(dir.file("a.txt")), "old a");
    EXPECT_EQ(readBytes(dir.file("b.txt")), "old b");
    EXPECT_FALSE(fileExists(dir.file("a.txt.tmp")));

    // A file in a folder that does not exist fails the same way.
    EXPECT_FALSE(writeFilesTogether({{dir.file("a.txt"), "new a"}, {dir.file("none/b.txt"), "new b"}}));
    EXPECT_EQ(readBytes(dir.file("a.txt")), "old a");
}
