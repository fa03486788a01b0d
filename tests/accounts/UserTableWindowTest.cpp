// The user-data table's record and its free functions, driven with map
// points and synthetic events. The buttons' glyphs need a graphics context,
// so these run beside a window test's X server.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "accounts/UserTable.h"
#include "base/TextConvert.h"
#include "support/FieldEvents.h"
#include "support/RunTree.h"
#include "support/TempDir.h"
#include "support/UsersText.h"

namespace {

enum class Column { Name, Password };

class UserTableRecord : public ::testing::Test {
protected:
    void SetUp() override {
        // The buttons' click areas are their glyphs.
        ASSERT_TRUE(font.loadFromFile(sourceDir() + "/fonts/MF-FangHei-Noncommercial-Regular.ttf"));
        buildUserTable(table, font);
    }

    void open(const std::string& usersText) {
        writeBytes(path, usersText);
        openUserTable(table, path);
    }

    TextField& cell(int row, Column column) {
        return column == Column::Name ? table.rows[row].name : table.rows[row].password;
    }
    static sf::Vector2f centre(sf::FloatRect r) { return {r.left + r.width / 2, r.top + r.height / 2}; }
    void clickCell(int row, Column column) {
        handleUserTableClick(table, centre(cell(row, column).box.getGlobalBounds()), path);
    }
    void clickButton(const TextButton& button) { handleUserTableClick(table, centre(button.getGlobalBounds()), path); }
    void clickNowhere() { handleUserTableClick(table, {1000.f, 1000.f}, path); }
    void type(const std::wstring& text) {
        for (wchar_t c : text) handleUserTableKeys(table, typed(static_cast<sf::Uint32>(c)));
    }
    // Types into both cells of an empty row, then clicks "保存修改".
    void fillAndSave(int row, const std::wstring& name, const std::wstring& password) {
        clickCell(row, Column::Name);
        type(name);
        clickCell(row, Column::Password);
        type(password);
        clickButton(table.saveButton);
    }
    void erase(int times) {
        for (int i = 0; i < times; ++i) handleUserTableKeys(table, keyPressed(sf::Keyboard::Backspace));
    }
    // One Tab stroke: a press and a release.
    void tab() {
        handleUserTableKeys(table, keyPressed(sf::Keyboard::Tab));
        handleUserTableKeys(table, keyReleased(sf::Keyboard::Tab));
    }
    // Row and column of every focused cell, as "r name" / "r password".
    std::vector<std::string> focusedCells() {
        std::vector<std::string> focused;
        for (int r = 0; r < kRowsPerPage; ++r) {
            if (table.rows[r].name.focused) focused.push_back(std::to_string(r) + " name");
            if (table.rows[r].password.focused) focused.push_back(std::to_string(r) + " password");
        }
        return focused;
    }
    sf::String shown(int row, Column column) { return cell(row, column).text.getString(); }
    std::string message() {
        const std::basic_string<sf::Uint8> utf8 = table.message.getString().toUtf8();
        return std::string(utf8.begin(), utf8.end());
    }

    sf::Font font;
    UserTable table;
    TempDir dir;
    std::string path = dir.file("users.txt");
};

}  // namespace

TEST_F(UserTableRecord, OpeningShowsTheFirstPageOfAFreshRead) {
    open("\xD3\xCE\xBF\xCD 123456\r\nalice 2024abc\r\n");  // 游客 in GBK
    EXPECT_EQ(table.page, 0);
    EXPECT_EQ(table.header.indexText.getString(), sf::String(L"序号"));
    EXPECT_EQ(table.header.name.text.getString(), sf::String(L"用户名"));
    EXPECT_EQ(table.header.password.text.getString(), sf::String(L"密码"));
    EXPECT_EQ(shown(0, Column::Name), sf::String(L"游客"));
    EXPECT_EQ(shown(1, Column::Password), sf::String(L"2024abc"));
    EXPECT_EQ(cell(1, Column::Password).text.getFillColor(), sf::Color::Black);
    EXPECT_EQ(shown(2, Column::Name), sf::String(L"空用户名"));
    EXPECT_EQ(shown(2, Column::Password), sf::String(L"空密码"));
    EXPECT_EQ(cell(2, Column::Name).text.getFillColor(), kPlaceholderGrey);
    EXPECT_EQ(table.rows[9].indexText.getString(), sf::String(L"10"));
    // Rows 0 .. 2 take clicks: the two accounts and the row for a new one.
    EXPECT_EQ(std::vector<bool>(table.editable, table.editable + 4), (std::vector<bool>{true, true, true, false}));

    // Another opening reads the file again, from page 0.
    writeBytes(path, "bob 1\r\n");
    openUserTable(table, path);
    EXPECT_EQ(shown(0, Column::Name), sf::String(L"bob"));
    EXPECT_EQ(shown(1, Column::Name), sf::String(L"空用户名"));

    // Without a file the table shows the accounts of its last read.
    std::remove(path.c_str());
    openUserTable(table, path);
    EXPECT_EQ(shown(0, Column::Name), sf::String(L"bob"));
    EXPECT_EQ(table.store.accountCount, 1);
}

TEST_F(UserTableRecord, NextPageNeedsAFullPageAndStopsAtTheTenth) {
    open(numberedLines(9, true));
    clickButton(table.nextButton);
    EXPECT_EQ(table.page, 0) << "9 accounts fill no page";

    open(numberedLines(10, true));
    clickButton(table.nextButton);
    EXPECT_EQ(table.page, 1);
    EXPECT_EQ(table.rows[0].indexText.getString(), sf::String(L"11"));
    EXPECT_EQ(table.rows[9].indexText.getString(), sf::String(L"20"));
    for (int r = 0; r < kRowsPerPage; ++r) EXPECT_EQ(shown(r, Column::Name), sf::String(L"空用户名")) << r;
    // Only the first row takes clicks.
    clickCell(1, Column::Name);
    EXPECT_TRUE(focusedCells().empty());
    clickCell(0, Column::Name);
    EXPECT_EQ(focusedCells(), std::vector<std::string>{"0 name"});
    clickButton(table.nextButton);
    EXPECT_EQ(table.page, 1) << "the second page is not full";
    clickButton(table.previousButton);
    EXPECT_EQ(table.page, 0);
    EXPECT_EQ(shown(9, Column::Name), sf::String(L"user9"));
    clickButton(table.previousButton);
    EXPECT_EQ(table.page, 0);

    open(numberedLines(kMaxAccounts, true));
    for (int i = 0; i < 12; ++i) clickButton(table.nextButton);
    EXPECT_EQ(table.page, 9) << "no eleventh page";
    EXPECT_EQ(table.rows[9].indexText.getString(), sf::String(L"100"));
    EXPECT_EQ(shown(9, Column::Name), sf::String(L"user99"));
}

TEST_F(UserTableRecord, AClickFocusesOneEditableCellShownByAWhiteFill) {
    open("a 1\r\n");
    clickCell(0, Column::Password);
    EXPECT_EQ(focusedCells(), std::vector<std::string>{"0 password"});
    EXPECT_EQ(cell(0, Column::Password).box.getFillColor(), sf::Color::White);
    EXPECT_FLOAT_EQ(cell(0, Column::Password).box.getOutlineThickness(), 5.f);

    clickCell(1, Column::Name);
    EXPECT_EQ(focusedCells(), std::vector<std::string>{"1 name"});
    EXPECT_EQ(cell(0, Column::Password).box.getFillColor(), sf::Color::Transparent);
    EXPECT_FLOAT_EQ(cell(0, Column::Password).box.getOutlineThickness(), 5.f);
    EXPECT_EQ(shown(1, Column::Name), sf::String(L"")) << "a focused empty cell waits for the caret";

    // On the line where two cells' outlines overlap, one of them gets it.
    handleUserTableClick(table, {290.f, 140.f}, path);
    EXPECT_EQ(focusedCells(), std::vector<std::string>{"0 password"});
    handleUserTableClick(table, {100.f, 190.f}, path);
    EXPECT_EQ(focusedCells(), std::vector<std::string>{"1 name"});

    clickCell(2, Column::Name);  // below the row for a new account
    EXPECT_TRUE(focusedCells().empty());
    EXPECT_EQ(shown(1, Column::Name), sf::String(L"空用户名"));
}

TEST_F(UserTableRecord, TabMovesFromTheFocusedCellToTheNextWhateverCameBefore) {
    open(numberedLines(10, true));
    struct Step {
        const char* what;
        int clickRow;  // -1: no click
        Column clickColumn;
        std::vector<std::string> focusedAfterTab;
    };
    const std::vector<Step> steps = {
        {"name to password", 0, Column::Name, {"0 password"}},
        {"password to the next row's name", -1, Column::Name, {"1 name"}},
        {"name to password again", -1, Column::Name, {"1 password"}},
        {"a clicked password moves to the next row", 4, Column::Password, {"5 name"}},
        {"a clicked name", 5, Column::Name, {"5 password"}},
        {"a clicked password", 6, Column::Password, {"7 name"}},
        {"and on", -1, Column::Name, {"7 password"}},
        {"the name stroke", 9, Column::Name, {"9 password"}},
        {"the last row's password keeps the focus", -1, Column::Name, {"9 password"}},
    };
    for (const Step& step : steps) {
        if (step.clickRow >= 0) clickCell(step.clickRow, step.clickColumn);
        tab();
        EXPECT_EQ(focusedCells(), step.focusedAfterTab) << step.what;
    }
    EXPECT_EQ(cell(9, Column::Password).box.getFillColor(), sf::Color::White);
    EXPECT_EQ(cell(9, Column::Name).box.getFillColor(), sf::Color::Transparent);
    EXPECT_FLOAT_EQ(cell(9, Column::Name).box.getOutlineThickness(), 5.f);

    // After nine strokes, a name's Tab: what is typed next lands in the
    // password it moved to.
    clickCell(2, Column::Name);
    tab();
    type(L"x");
    EXPECT_EQ(cell(2, Column::Password).typedText(), sf::String(L"pw2x"));
    EXPECT_EQ(cell(2, Column::Name).typedText(), sf::String(L"user2"));

    // The focus never moves where a click could not put it.
    open("a 1\r\n");
    clickCell(1, Column::Password);
    tab();
    EXPECT_EQ(focusedCells(), std::vector<std::string>{"1 password"});
}

TEST_F(UserTableRecord, SaveWritesTheFileAndRereadsItASecondSaveWaitsForAnotherClick) {
    const std::string saved = "a 1\r\n" + wideToNarrow(L"新人") + " pw\r\n";
    open("a 1\r\n");
    fillAndSave(1, L"新人", L"pw");
    EXPECT_TRUE(table.messageVisible);
    EXPECT_EQ(message(), "保存成功");
    EXPECT_EQ(table.message.getFillColor(), sf::Color::Green);
    EXPECT_EQ(readBytes(path), saved);
    EXPECT_TRUE(table.editable[2]) << "the reread page opens the next row";

    // A second click right after writes nothing; any other click lets the
    // next one save again.
    writeBytes(path, "changed\r\n");
    clickButton(table.saveButton);
    EXPECT_EQ(readBytes(path), "changed\r\n");
    EXPECT_TRUE(table.messageVisible);
    clickNowhere();
    EXPECT_FALSE(table.messageVisible);
    clickButton(table.saveButton);
    EXPECT_EQ(readBytes(path), saved);
}

TEST_F(UserTableRecord, RefusalsRereadThePageAndAFailedWriteKeepsWhatWasTyped) {
    const std::string before = "a 1\r\nb 2\r\n";
    open(before);
    clickCell(1, Column::Name);
    erase(1);
    type(L"a");
    clickButton(table.saveButton);
    EXPECT_EQ(message(), "保存失败\n用户名重复");
    EXPECT_EQ(table.message.getFillColor(), sf::Color::Red);
    EXPECT_EQ(shown(1, Column::Name), sf::String(L"b")) << "the typed change is gone";
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(table.message.getCharacterSize(), 50u);

    // A longer reason is set smaller, so it ends left of the side panel.
    fillAndSave(2, L"a b", L"pw");
    EXPECT_EQ(message(), "保存失败\n用户名和密码不能含空格");
    EXPECT_LT(table.message.getCharacterSize(), 50u);
    const sf::FloatRect bounds = table.message.getGlobalBounds();
    EXPECT_LE(bounds.left + bounds.width, 610.f);

    clickCell(2, Column::Name);
    type(L"solo");
    clickButton(table.saveButton);
    EXPECT_EQ(message(), "保存失败\n空用户名或空密码");
    EXPECT_EQ(shown(2, Column::Name), sf::String(L"空用户名"));
    EXPECT_EQ(readBytes(path), before);

    writeBytes(path + ".tmp/block", "");
    fillAndSave(2, L"c", L"3");
    EXPECT_EQ(message(), "找不到用户数据");
    EXPECT_EQ(table.message.getFillColor(), sf::Color::Red);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(cell(2, Column::Name).content, sf::String(L"c"));
    EXPECT_EQ(cell(2, Column::Password).content, sf::String(L"3"));
}
