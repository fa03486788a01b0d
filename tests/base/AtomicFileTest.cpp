// Replacing files atomically: several together, all or, when a new file
// cannot be written or a rename fails, none; what may stand in the temporary
// file's place; and finishing or dropping at start-up what a kill
// interrupted.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/AtomicFile.h"
#include "base/FileCalls.h"
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

// ---- what stands where the temporary file goes ----

namespace {

enum class InTheWay { Nothing, LeftoverFile, LinkToFile, DanglingLink, Folder };

struct InTheWayCase {
    InTheWay what;
    bool written;
};

// Puts the thing at path; a link points at dir/target.
void place(InTheWay what, const TempDir& dir, const std::string& path) {
    switch (what) {
    case InTheWay::Nothing: break;
    case InTheWay::LeftoverFile: writeBytes(path, "half of a kil"); break;
    case InTheWay::LinkToFile:
        writeBytes(dir.file("target"), "outside");
        std::filesystem::create_symlink(dir.file("target"), path);
        break;
    case InTheWay::DanglingLink: std::filesystem::create_symlink(dir.file("target"), path); break;
    case InTheWay::Folder: std::filesystem::create_directory(path); break;
    }
}

// A leftover file is replaced; a link is never followed, and like a folder
// it fails the write and stays as it was.
const InTheWayCase kInTheWay[] = {
    {InTheWay::Nothing, true},        {InTheWay::LeftoverFile, true}, {InTheWay::LinkToFile, false},
    {InTheWay::DanglingLink, false}, {InTheWay::Folder, false},
};

void expectLeftAlone(InTheWay what, const TempDir& dir, const std::string& temporary) {
    const auto status = std::filesystem::symlink_status(temporary);
    if (what == InTheWay::LinkToFile || what == InTheWay::DanglingLink) { EXPECT_TRUE(std::filesystem::is_symlink(status)); }
    if (what == InTheWay::Folder) { EXPECT_TRUE(std::filesystem::is_directory(status)); }
    if (what == InTheWay::LinkToFile) { EXPECT_EQ(readBytes(dir.file("target")), "outside"); }
    if (what == InTheWay::DanglingLink) { EXPECT_FALSE(fileExists(dir.file("target"))); }
}

}  // namespace

TEST(AtomicFile, ALeftoverTemporaryIsReplacedAndALinkOrFolderFailsTheWrite) {
    for (const InTheWayCase& c : kInTheWay) {
        for (bool together : {false, true}) {
            SCOPED_TRACE(static_cast<int>(c.what) * 2 + together);
            TempDir dir;
            const std::string path = dir.file("a.txt");
            writeBytes(path, "old");
            place(c.what, dir, temporaryPathOf(path));
            const bool written =
                together ? writeFilesTogether({{path, "new"}, {dir.file("b.txt"), "b"}}) : writeFileAtomically(path, "new");
            EXPECT_EQ(written, c.written);
            EXPECT_EQ(readBytes(path), c.written ? "new" : "old");
            EXPECT_EQ(fileExists(dir.file("b.txt")), together && c.written);
            EXPECT_FALSE(fileExists(commitMarkOf(path)));
            if (c.written) { EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(temporaryPathOf(path)))); }
            expectLeftAlone(c.what, dir, temporaryPathOf(path));
        }
    }
}

TEST(AtomicFile, OnlyARegularLeftoverTemporaryIsRemoved) {
    for (const InTheWayCase& c : kInTheWay) {
        SCOPED_TRACE(static_cast<int>(c.what));
        TempDir dir;
        const std::string path = dir.file("a.txt");
        place(c.what, dir, temporaryPathOf(path));
        EXPECT_EQ(removeLeftoverTemporary(path), c.what == InTheWay::LeftoverFile);
        if (c.what == InTheWay::LeftoverFile) { EXPECT_FALSE(fileExists(temporaryPathOf(path))); }
        expectLeftAlone(c.what, dir, temporaryPathOf(path));
    }
}

// ---- finishing a replacement a kill interrupted ----

TEST(AtomicFile, RecoveryWithoutTheCommitMarkDropsTheTemporaries) {
    TempDir dir;
    const std::string a = dir.file("a.txt"), b = dir.file("b.txt");
    writeBytes(a, "old a");
    writeBytes(b, "old b");
    writeBytes(temporaryPathOf(a), "new a");
    writeBytes(temporaryPathOf(b), "new");  // killed while writing it
    EXPECT_TRUE(recoverFilesTogether({a, b}));
    EXPECT_EQ(readBytes(a), "old a");
    EXPECT_EQ(readBytes(b), "old b");
    EXPECT_FALSE(fileExists(temporaryPathOf(a)));
    EXPECT_FALSE(fileExists(temporaryPathOf(b)));
}

TEST(AtomicFile, RecoveryWithTheCommitMarkFinishesTheRenames) {
    // Killed after the mark: before any rename, after the first, after both.
    for (int renamed = 0; renamed <= 2; ++renamed) {
        SCOPED_TRACE(renamed);
        TempDir dir;
        const std::string a = dir.file("a.txt"), b = dir.file("b.txt");
        writeBytes(renamed >= 1 ? a : temporaryPathOf(a), "new a");
        writeBytes(renamed >= 2 ? b : temporaryPathOf(b), "new b");
        if (renamed < 1) writeBytes(a, "old a");
        if (renamed < 2) writeBytes(b, "old b");
        writeBytes(commitMarkOf(a), "");
        writeBytes(rollBackCopyOf(a), "old a");
        EXPECT_TRUE(recoverFilesTogether({a, b}));
        EXPECT_EQ(readBytes(a), "new a");
        EXPECT_EQ(readBytes(b), "new b");
        EXPECT_FALSE(fileExists(rollBackCopyOf(a)));
        EXPECT_FALSE(fileExists(temporaryPathOf(a)));
        EXPECT_FALSE(fileExists(temporaryPathOf(b)));
        EXPECT_FALSE(fileExists(commitMarkOf(a)));
    }
}

TEST(AtomicFile, AStaleCommitMarkIsRemovedBeforeTheTemporariesAreWritten) {
    TempDir dir;
    const std::string a = dir.file("a.txt"), b = dir.file("b.txt");
    writeBytes(commitMarkOf(a), "");
    // b's temporary cannot be written: the stale mark must not survive to
    // make a later recovery take a's temporary for a finished one.
    std::filesystem::create_directory(temporaryPathOf(b));
    EXPECT_FALSE(writeFilesTogether({{a, "new a"}, {b, "new b"}}));
    EXPECT_FALSE(fileExists(commitMarkOf(a)));
    EXPECT_FALSE(fileExists(a));
}

TEST(AtomicFile, ReadsAWholeFileAndFailsOnAMissingFileOrAFolder) {
    TempDir dir;
    std::string bytes(5000, 'x');
    writeBytes(dir.file("a.txt"), bytes + "end");
    std::string read;
    ASSERT_TRUE(readWholeFile(dir.file("a.txt"), read));
    EXPECT_EQ(read, bytes + "end");
    EXPECT_FALSE(readWholeFile(dir.file("missing.txt"), read));
    EXPECT_FALSE(readWholeFile(dir.path(), read));
}

TEST(AtomicFile, WhileARenameIsOwedTheMarkStaysAndNoLaterSaveRunsUnderIt) {
    TempDir dir;
    const std::string a = dir.file("a.txt"), b = dir.file("b.txt");
    writeBytes(a + "/inside", "");  // a folder that no rename can replace
    writeBytes(temporaryPathOf(a), "new a");
    writeBytes(temporaryPathOf(b), "new b");
    writeBytes(commitMarkOf(a), "");
    EXPECT_FALSE(recoverFilesTogether({a, b}));
    // The mark keeps the decision to roll forward. A later save first
    // settles what is left and fails while it cannot, so none of its own
    // temporaries is ever taken for the one the mark covers.
    EXPECT_TRUE(fileExists(commitMarkOf(a)));
    EXPECT_FALSE(writeFilesTogether({{a, "later a"}, {b, "later b"}}));
    EXPECT_EQ(readBytes(temporaryPathOf(a)), "new a");
    EXPECT_EQ(readBytes(temporaryPathOf(b)), "new b");

    std::filesystem::remove_all(a);
    EXPECT_TRUE(recoverFilesTogether({a, b}));
    EXPECT_EQ(readBytes(a), "new a");
    EXPECT_EQ(readBytes(b), "new b");
    EXPECT_FALSE(fileExists(commitMarkOf(a)));
    EXPECT_FALSE(fileExists(temporaryPathOf(a)));
}

// ---- undoing a replacement whose rename failed ----

TEST(AtomicFile, WhenTheLastRenameFailsTheFirstFileIsPutBack) {
    // Without a first original, the roll-back leaves it empty: what a
    // missing map file reads as.
    for (const bool firstExists : {true, false}) {
        SCOPED_TRACE(firstExists);
        TempDir dir;
        const std::string a = dir.file("a.txt"), b = dir.file("b.txt");
        if (firstExists) writeBytes(a, "old a");
        writeBytes(b + "/inside", "");  // b's rename fails after a's succeeded
        EXPECT_FALSE(writeFilesTogether({{a, "new a"}, {b, "new b"}}));
        EXPECT_EQ(readBytes(a), firstExists ? "old a" : "");
        for (const std::string& left : {temporaryPathOf(a), temporaryPathOf(b), rollBackCopyOf(a), commitMarkOf(a)})
            EXPECT_FALSE(fileExists(left)) << left;
    }
}
