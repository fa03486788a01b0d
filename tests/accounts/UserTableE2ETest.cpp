// The administrator's user-data table in the real binary: appending an
// account that then logs in, removing one so the later ones move up, and
// saves refused or failed with the users file left byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "base/TextConvert.h"
#include "support/Program.h"
#include "support/TempDir.h"
#include "support/UsersText.h"

namespace {

const sf::Color kPanelColour(70, 120, 210);
const sf::Color kPlaceholderGrey(150, 150, 150);
const sf::Vector2i kPanelSample(630, 330);  // blank panel on both map screens
const sf::Vector2i kBackButton = interfacePixel(55.f, 568.f);
const sf::Vector2i kUserDataButton = interfacePixel(650.f, 235.f);
// The table's buttons at the home view, under the ten rows.
const sf::Vector2i kPreviousButton = homeViewPixel(15.f, 765.f);
const sf::Vector2i kSaveButton = homeViewPixel(195.f, 765.f);
const sf::Vector2i kNextButton = homeViewPixel(380.f, 765.f);
// The message, two lines from map (95, 810) up to the panel.
const sf::IntRect kMessageArea(140, 418, 258, 62);

// Row r's cells span map y 130 + 60 r .. 190 + 60 r: the name cell x -10 ..
// 290, the password cell 290 .. 520.
sf::Vector2i nameCell(int row) { return homeViewPixel(140.f, 160.f + 60.f * row); }
sf::Vector2i passwordCell(int row) { return homeViewPixel(405.f, 160.f + 60.f * row); }
// Inside the name cell's outline, where its text stands.
sf::IntRect nameCellInside(int row) {
    const sf::Vector2i corner = homeViewPixel(-5.f, 135.f + 60.f * row);
    return sf::IntRect(corner.x, corner.y, 145, 25);
}

// Cyan where the map would be, the side panel beside it.
bool isTable(const sf::Image& shot) {
    return Program::windowPixel(shot, 5, 300) == sf::Color::Cyan && Program::windowPixel(shot, kPanelSample) == kPanelColour;
}
bool isMapScreen(const sf::Image& shot) {
    return Program::windowPixel(shot, 5, 300) != sf::Color::Cyan && Program::windowPixel(shot, kPanelSample) == kPanelColour;
}
bool isLoginScreen(const sf::Image& shot) {
    return Program::windowPixel(shot, 600, 100) == sf::Color::Cyan && Program::windowPixel(shot, kPanelSample) != kPanelColour;
}
bool showsMessage(const sf::Image& shot, sf::Color colour) { return countPixels(shot, kMessageArea, colour) > 50; }
bool showsPlaceholder(const sf::Image& shot, int row) {
    return countPixels(shot, nameCellInside(row), kPlaceholderGrey, 20) > 30;
}

// Each record ends in CR LF, and no line break stands alone.
bool everyRecordEndsInCrLf(const std::string& text) {
    const auto lineBreaks = std::count(text.begin(), text.end(), '\n');
    size_t crLf = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++crLf;
    return !text.empty() && text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0 &&
           static_cast<size_t>(lineBreaks) == crLf;
}

int differingPixels(const sf::Image& a, sf::IntRect inA, const sf::Image& b, sf::Vector2i offsetInB) {
    int count = 0;
    for (int y = inA.top; y < inA.top + inA.height; ++y)
        for (int x = inA.left; x < inA.left + inA.width; ++x)
            count += Program::windowPixel(a, x, y) != Program::windowPixel(b, x + offsetInB.x, y + offsetInB.y);
    return count;
}

class UserTableE2E : public ::testing::Test {
protected:
    // Starts the program on this users file (the sample's when empty), logs
    // in as the administrator and opens the table.
    void openTable(const std::string& usersText = std::string()) {
        if (!usersText.empty()) writeBytes(usersPath(), usersText);
        ASSERT_TRUE(program.start());
        ASSERT_TRUE(program.waitForScreen(isLoginScreen, 2000));
        program.logIn("云栖客", "5820413");
        ASSERT_TRUE(program.waitForScreen(isMapScreen, 3000)) << "the administrator screen";
        program.clickAt(kUserDataButton);
        ASSERT_TRUE(program.waitForScreen(isTable, 2000)) << "the table in place of the map";
    }

    // Clicks into a cell and replaces what it holds.
    void retype(sf::Vector2i cell, const std::string& text) {
        program.clickAt(cell);
        program.key("BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace");
        if (!text.empty()) program.typeText(text);
    }

    // Clicks "保存修改" and waits for its message; the screenshot in *shot.
    bool save(sf::Color colour, sf::Image* shot) {
        program.clickAt(kSaveButton);
        return program.waitForScreen([colour](const sf::Image& s) { return showsMessage(s, colour); }, 2000, shot);
    }

    std::string usersPath() const { return program.file("Data/users.txt"); }

    Program program;
};

}  // namespace

TEST_F(UserTableE2E, AnAccountAppendedOnTheFirstEmptyRowIsSavedWithCrLfAndLogsIn) {
    openTable();
    const std::string before = readBytes(usersPath());
    sf::Image shot = program.screenshot();
    program.saveScreenshot("usertable-page1");
    ASSERT_TRUE(showsPlaceholder(shot, 3)) << "the sample's three accounts, then an empty row";

    program.clickAt(nameCell(3));
    program.typeText("新人");
    ASSERT_TRUE(program.waitForScreen(
        [](const sf::Image& s) { return Program::windowPixel(s, homeViewPixel(280.f, 185.f + 180.f)) == sf::Color::White; },
        2000, &shot))
        << "the focused cell filled white";
    program.saveScreenshot("usertable-focused-cell", shot);
    program.clickAt(passwordCell(3));
    program.typeText("pw2024");
    ASSERT_TRUE(save(sf::Color::Green, &shot)) << "\"保存成功\" in green";
    program.saveScreenshot("usertable-saved", shot);

    const std::string after = readBytes(usersPath());
    // The sample ends without a line break; the table ends every record.
    EXPECT_EQ(after, before + "\r\n" + wideToNarrow(L"新人") + " pw2024\r\n");
    EXPECT_TRUE(everyRecordEndsInCrLf(after));
    EXPECT_FALSE(showsPlaceholder(shot, 3)) << "the reread row shows the new account";

    program.clickAt(kBackButton);
    ASSERT_TRUE(program.waitForScreen(isLoginScreen, 2000));
    program.logIn("新人", "pw2024");
    EXPECT_TRUE(program.waitForScreen(isMapScreen, 3000)) << "the new account logs in";
    program.saveScreenshot("usertable-new-account-logged-in");
}

TEST_F(UserTableE2E, RemovingAnAccountMovesTheLaterOnesUpAcrossPages) {
    openTable(numberedLines(12, true));
    const sf::Image page1 = program.screenshot();
    program.saveScreenshot("usertable-twelve-page1", page1);

    program.clickAt(kNextButton);
    sf::Image page2;
    ASSERT_TRUE(program.waitForScreen([](const sf::Image& s) { return showsPlaceholder(s, 2); }, 2000, &page2))
        << "page 2: user10, user11, then empty rows";
    program.saveScreenshot("usertable-twelve-page2", page2);
    EXPECT_FALSE(showsPlaceholder(page2, 1));
    program.clickAt(kPreviousButton);
    ASSERT_TRUE(program.waitForScreen([](const sf::Image& s) { return !showsPlaceholder(s, 2); }, 2000));

    retype(nameCell(1), "");
    retype(passwordCell(1), "");
    sf::Image saved;
    ASSERT_TRUE(save(sf::Color::Green, &saved));
    program.saveScreenshot("usertable-removed", saved);

    std::string expected;
    for (int i = 0; i < 12; ++i)
        if (i != 1) expected += "user" + std::to_string(i) + " pw" + std::to_string(i) + "\r\n";
    EXPECT_EQ(readBytes(usersPath()), expected);
    // Row 1 now shows what row 2 showed: user2 moved up one row.
    const int rowHeight = homeViewPixel(0.f, 60.f).y - homeViewPixel(0.f, 0.f).y;
    EXPECT_EQ(differingPixels(page1, nameCellInside(2), saved, {0, -rowHeight}), 0);
}

TEST_F(UserTableE2E, ADuplicateAMixedRowAndAFailedWriteLeaveTheFileByteIdentical) {
    openTable();
    const std::string before = readBytes(usersPath());

    retype(nameCell(3), "alice");  // the sample's second account
    retype(passwordCell(3), "x1");
    sf::Image duplicate;
    ASSERT_TRUE(save(sf::Color::Red, &duplicate)) << "\"保存失败\\n用户名重复\" in red";
    program.saveScreenshot("usertable-duplicate", duplicate);
    EXPECT_EQ(readBytes(usersPath()), before);
    EXPECT_TRUE(showsPlaceholder(duplicate, 3)) << "the page is read again";

    retype(nameCell(3), "solo");
    sf::Image mixed;
    ASSERT_TRUE(save(sf::Color::Red, &mixed)) << "\"保存失败\\n空用户名或空密码\" in red";
    program.saveScreenshot("usertable-mixed", mixed);
    EXPECT_EQ(readBytes(usersPath()), before);
    EXPECT_GT(differingPixels(duplicate, kMessageArea, mixed, {0, 0}), 100) << "another message";

    // A folder where the temporary file goes: the write fails.
    std::filesystem::create_directories(usersPath() + ".tmp/block");
    retype(nameCell(3), "carol");
    retype(passwordCell(3), "c3");
    sf::Image failed;
    ASSERT_TRUE(save(sf::Color::Red, &failed)) << "\"找不到用户数据\" in red";
    program.saveScreenshot("usertable-write-failed", failed);
    EXPECT_EQ(readBytes(usersPath()), before);
    EXPECT_GT(differingPixels(mixed, kMessageArea, failed, {0, 0}), 100) << "another message";
    EXPECT_FALSE(showsPlaceholder(failed, 3)) << "what was typed stays";
}
