#include <gtest/gtest.h>
#include <filesystem>
#include <sstream>

#include "map/MapFiles.h"
#include "support/TempDir.h"

namespace {

TextTable readText(const std::string& bytes, std::string* consoleOut = nullptr) {
    TempDir dir;
    writeBytes(dir.file("cross.txt"), bytes);
    TextTable table;
    std::ostringstream console;
    EXPECT_TRUE(readMapFile(dir.file("cross.txt"), table, console));
    if (consoleOut) *consoleOut = console.str();
    return table;
}

}  // namespace

TEST(MapFiles, ReadsFieldsSplitOnAnyWhiteSpace) {
    // 酒店 湖畔酒店 in GBK, tabs and a run of spaces, CR LF line ends.
    const TextTable table = readText("\xBE\xC6\xB5\xEA\t\xBA\xFE\xC5\xCF  4 120 80 35.5\r\nA B 1 2 3 4\r\n");
    ASSERT_EQ(table.count, 2);
    EXPECT_EQ(table.rows[0][0], "\xBE\xC6\xB5\xEA");
    EXPECT_EQ(table.rows[0][1], "\xBA\xFE\xC5\xCF");
    EXPECT_EQ(table.rows[0][5], "35.5");  // the CR is white space, not part of the field
    EXPECT_EQ(table.rows[1][3], "2");
}

TEST(MapFiles, LastLineWithoutLineFeedCountsAndEmptyLastLineIsARecord) {
    EXPECT_EQ(readText("a b 1 2 3 4\nc d 1 2 3 4\ne f 1 2 3 4").count, 3);

    const TextTable withEmpty = readText("a b 1 2 3 4\r\nc d 1 2 3 4\r\n\r\n");
    ASSERT_EQ(withEmpty.count, 3);
    for (const std::string& field : withEmpty.rows[2]) EXPECT_EQ(field, "");
}

TEST(MapFiles, SeventhFieldIgnoredAndMissingFieldsEmpty) {
    const TextTable table = readText("t n 1 2 3 4 extra\r\nt n 1\r\n");
    EXPECT_EQ(table.rows[0][5], "4");
    EXPECT_EQ(table.rows[1][2], "1");
    EXPECT_EQ(table.rows[1][3], "");
    EXPECT_EQ(table.rows[1][5], "");
}

TEST(MapFiles, MoreThan99LinesKeepsTheFirst99AndSaysSo) {
    std::string bytes;
    for (int i = 1; i <= 130; ++i) bytes += "t n" + std::to_string(i) + " 1 2 3 4\r\n";
    std::string console;
    const TextTable table = readText(bytes, &console);
    EXPECT_EQ(table.count, 99);
    EXPECT_EQ(table.rows[98][1], "n99");
    EXPECT_EQ(table.rows[99][1], "");  // the spare 100th row stays unused
    EXPECT_EQ(std::count(console.begin(), console.end(), '\n'), 1);
    EXPECT_NE(console.find("31"), std::string::npos);  // the number of lines ignored

    std::string exact;
    for (int i = 1; i <= 99; ++i) exact += "t n 1 2 3 4\r\n";
    std::string quiet;
    EXPECT_EQ(readText(exact, &quiet).count, 99);
    EXPECT_EQ(quiet, "");
}

TEST(MapFiles, MissingFileLeavesTableEmpty) {
    TextTable table;
    std::ostringstream console;
    EXPECT_FALSE(readMapFile("/nonexistent/cross.txt", table, console));
    EXPECT_EQ(table.count, 0);
    EXPECT_EQ(console.str(), "");
}

TEST(MapFiles, WritesRowsJoinedBySpacesWithCrLfAndReadsThemBack) {
    TempDir dir;
    TextTable table;
    table.rows[0] = {"\xBE\xC6\xB5\xEA", "\xD0\xC2\xBD\xA8\xBE\xB0\xB5\xE3", "1", "220", "69", "1000"};
    table.rows[1] = {"a", "b", "c", "d", "e", "f"};
    table.rows[2] = {"not", "written", "", "", "", ""};
    table.count = 2;
    ASSERT_TRUE(writeMapFile(dir.file("cross.txt"), table));
    EXPECT_EQ(readBytes(dir.file("cross.txt")),
              "\xBE\xC6\xB5\xEA \xD0\xC2\xBD\xA8\xBE\xB0\xB5\xE3 1 220 69 1000\r\na b c d e f\r\n");
    EXPECT_FALSE(fileExists(dir.file("cross.txt.tmp")));

    TextTable back;
    std::ostringstream console;
    readMapFile(dir.file("cross.txt"), back, console);
    EXPECT_EQ(back.count, 2);
    EXPECT_EQ(back.rows[0], table.rows[0]);
    EXPECT_EQ(back.rows[1], table.rows[1]);
}

TEST(MapFiles, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("route.txt");
    writeBytes(path, "old contents\r\n");
    // A folder where the temporary file would go makes the write fail even
    // for root, which file permissions would not stop.
    std::filesystem::create_directory(path + ".tmp");
    TextTable table;
    table.rows[0] = {"a", "b", "c", "d", "e", "f"};
    table.count = 1;
    EXPECT_FALSE(writeMapFile(path, table));
    EXPECT_EQ(readBytes(path), "old contents\r\n");

    EXPECT_FALSE(writeMapFile(dir.file("no-such-folder/route.txt"), table));
}

TEST(MapFiles, EmptyTableWritesEmptyFile) {
    TempDir dir;
    writeBytes(dir.file("cross.txt"), "x y 1 2 3 4\r\n");
    TextTable table;
    ASSERT_TRUE(writeMapFile(dir.file("cross.txt"), table));
    EXPECT_EQ(readBytes(dir.file("cross.txt")), "");
}
