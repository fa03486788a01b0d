#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "accounts/UserTableRules.h"
#include "base/TextConvert.h"
#include "support/TempDir.h"
#include "support/UsersText.h"

namespace {

// "name password" per stored account, as wide text.
using Records = std::vector<std::wstring>;

AccountStore storeOf(const Records& records) {
    AccountStore store;
    for (const std::wstring& record : records) {
        const size_t space = record.find(L' ');
        UserAccount& account = store.accounts[store.accountCount++];
        account.userName = wideToNarrow(record.substr(0, space));
        account.password = space == std::wstring::npos ? "" : wideToNarrow(record.substr(space + 1));
    }
    return store;
}

// accounts user0 pw0 .. user<count-1> pw<count-1>.
AccountStore numberedStore(int count) {
    Records records;
    for (int i = 0; i < count; ++i) records.push_back(L"user" + std::to_wstring(i) + L" pw" + std::to_wstring(i));
    return storeOf(records);
}

Records recordsOf(const AccountStore& store) {
    Records records;
    for (int i = 0; i < store.accountCount; ++i)
        records.push_back(narrowToWide(store.accounts[i].userName) + L" " + narrowToWide(store.accounts[i].password));
    return records;
}

void setRow(PageRows& rows, int r, const sf::String& name, const sf::String& password) {
    rows.rows[r] = RowText{name, password};
}

}  // namespace

TEST(UserTableShow, RowsShowTheirPagesAccountsAndEmptyCellsOtherwise) {
    // The empty line a registration leaves after a save is an account of
    // two empty fields: it is shown as an empty row.
    const AccountStore store = storeOf({L"张三 pw", L"", L"solo", L"bob 2"});
    const PageRows page = shownPage(store, 0);
    EXPECT_EQ(page.rows[0].name, sf::String(L"张三"));
    EXPECT_EQ(page.rows[0].password, sf::String(L"pw"));
    EXPECT_TRUE(page.rows[1].name.isEmpty() && page.rows[1].password.isEmpty());
    EXPECT_EQ(page.rows[2].name, sf::String(L"solo"));
    EXPECT_TRUE(page.rows[2].password.isEmpty());
    EXPECT_EQ(page.rows[3].name, sf::String(L"bob"));
    for (int r = 4; r < kRowsPerPage; ++r) EXPECT_TRUE(page.rows[r].name.isEmpty()) << r;

    const AccountStore twelve = numberedStore(12);
    EXPECT_EQ(shownRow(twelve, 1, 1).name, sf::String(L"user11"));
    EXPECT_TRUE(shownRow(twelve, 1, 2).name.isEmpty());
    EXPECT_EQ(slotOf(3, 4), 34);
}

TEST(UserTableShow, EditableRowsEndAtTheFirstEmptyRowAfterTheLastAccount) {
    struct Case {
        const char* what;
        AccountStore store;
        int page;
        std::vector<int> editable;
    };
    const std::vector<Case> cases = {
        {"no account: the first row takes the first one", numberedStore(0), 0, {0}},
        {"three accounts and the row below", numberedStore(3), 0, {0, 1, 2, 3}},
        {"a full page", numberedStore(10), 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"the page after a full one", numberedStore(10), 1, {0}},
        {"an empty line between accounts stays open", storeOf({L"a 1", L"", L"b 2"}), 0, {0, 1, 2, 3}},
        {"an empty line at the end", storeOf({L"a 1", L""}), 0, {0, 1}},
    };
    for (const Case& c : cases) {
        for (const bool stale : {false, true}) {  // the flags another page left
            bool editable[kRowsPerPage];
            for (bool& e : editable) e = stale;
            updateEditableRows(editable, shownPage(c.store, c.page));
            std::vector<int> open;
            for (int r = 0; r < kRowsPerPage; ++r)
                if (editable[r]) open.push_back(r);
            EXPECT_EQ(open, c.editable) << c.what << (stale ? ", after open rows" : ", after closed rows");
        }
    }
}

TEST(UserTablePaging, NextNeedsAFullPageAndStopsAtTheTenthPreviousNeedsAnEarlierPage) {
    struct Case {
        int accounts;
        int page;
        bool forward;
    };
    for (const Case& c : std::vector<Case>{{9, 0, false},
                                           {10, 0, true},
                                           {10, 1, false},
                                           {19, 1, false},
                                           {20, 1, true},
                                           {100, 8, true},
                                           {100, 9, false}}) {
        EXPECT_EQ(canPageForward(c.page, c.accounts), c.forward) << c.accounts << " accounts, page " << c.page;
    }
    EXPECT_FALSE(canPageBack(0));
    EXPECT_TRUE(canPageBack(1));
    EXPECT_TRUE(canPageBack(9));
}

TEST(UserTableMerge, RowsReplaceAppendAndRemoveAndLaterAccountsMoveUp) {
    struct Case {
        const char* what;
        int accounts;
        int page;
        std::vector<int> emptied;  // rows whose two cells are emptied
        int appendRow;             // row given "new" / "pw", or -1
        Records expected;
    };
    const std::vector<Case> cases = {
        {"remove one", 4, 0, {1}, -1, {L"user0 pw0", L"user2 pw2", L"user3 pw3"}},
        {"remove two", 4, 0, {0, 2}, -1, {L"user1 pw1", L"user3 pw3"}},
        {"remove the last", 4, 0, {3}, -1, {L"user0 pw0", L"user1 pw1", L"user2 pw2"}},
        {"append one", 2, 0, {}, 2, {L"user0 pw0", L"user1 pw1", L"new pw"}},
        {"remove one and append one", 2, 0, {0}, 2, {L"user1 pw1", L"new pw"}},
        {"remove on the first page, later pages move up",
         12,
         0,
         {0},
         -1,
         {L"user1 pw1", L"user2 pw2", L"user3 pw3", L"user4 pw4", L"user5 pw5", L"user6 pw6", L"user7 pw7",
          L"user8 pw8", L"user9 pw9", L"user10 pw10", L"user11 pw11"}},
        {"append on the second page", 10, 1, {}, 0,
         {L"user0 pw0", L"user1 pw1", L"user2 pw2", L"user3 pw3", L"user4 pw4", L"user5 pw5", L"user6 pw6",
          L"user7 pw7", L"user8 pw8", L"user9 pw9", L"new pw"}},
        // Only reachable by hand: a row two below the last account lands
        // right after it, with no empty record between.
        {"append past a gap", 1, 0, {}, 3, {L"user0 pw0", L"new pw"}},
    };
    for (const Case& c : cases) {
        AccountStore store = numberedStore(c.accounts);
        PageRows rows = shownPage(store, c.page);
        for (int r : c.emptied) setRow(rows, r, L"", L"");
        if (c.appendRow >= 0) setRow(rows, c.appendRow, L"new", L"pw");
        mergePage(store, c.page, rows);
        EXPECT_EQ(recordsOf(store), c.expected) << c.what;
        EXPECT_TRUE(store.accounts[store.accountCount].userName.empty()) << c.what << ": the freed slot is emptied";
    }
}

TEST(UserTableMerge, EmptyLineOfARegistrationIsRemovedAndRenamesAreStoredInGbk) {
    AccountStore store = storeOf({L"a 1", L"", L"b 2"});
    PageRows rows = shownPage(store, 0);
    setRow(rows, 0, L"张三", L"x9");
    mergePage(store, 0, rows);
    EXPECT_EQ(recordsOf(store), (Records{L"张三 x9", L"b 2"}));
    EXPECT_EQ(store.accounts[0].userName, "\xD5\xC5\xC8\xFD");

    // A full store on its last page never grows past the slots.
    AccountStore full = numberedStore(kMaxAccounts);
    mergePage(full, kAccountPages - 1, shownPage(full, kAccountPages - 1));
    EXPECT_EQ(full.accountCount, kMaxAccounts);
    EXPECT_EQ(recordsOf(full), recordsOf(numberedStore(kMaxAccounts)));
}

TEST(UserTableCheck, TakenNamesAreRefused) {
    const AccountStore store = numberedStore(15);  // user0 .. user9 on page 1, user10 .. user14 on page 2
    struct Case {
        const char* what;
        int page;
        int row;
        std::wstring name;
        SaveOutcome outcome;
    };
    for (const Case& c : std::vector<Case>{
             {"an unchanged row is not its own duplicate", 0, 3, L"user3", SaveOutcome::Saved},
             {"the administrator's name", 0, 3, L"云栖客", SaveOutcome::NameTaken},
             {"a name on a later page", 0, 3, L"user12", SaveOutcome::NameTaken},
             {"a name on an earlier page", 1, 2, L"user4", SaveOutcome::NameTaken},
             {"another row's name on the page", 0, 3, L"user5", SaveOutcome::NameTaken},
             {"the appended row", 1, 5, L"user0", SaveOutcome::NameTaken},
             {"a new name", 1, 5, L"new", SaveOutcome::Saved},
             {"names compare exactly", 0, 3, L"User5", SaveOutcome::Saved},
         }) {
        PageRows rows = shownPage(store, c.page);
        setRow(rows, c.row, c.name, L"pw");
        EXPECT_EQ(checkPage(store, c.page, rows), c.outcome) << c.what;
    }

    // Two rows given one new name: the saved file would hold it twice.
    PageRows twice = shownPage(store, 0);
    setRow(twice, 1, L"same", L"1");
    setRow(twice, 6, L"same", L"2");
    EXPECT_EQ(checkPage(store, 0, twice), SaveOutcome::NameTaken);

    // Two names swapped on one page, or a removed account's name given to
    // another row: the saved file holds each name once.
    PageRows swapped = shownPage(store, 0);
    setRow(swapped, 1, L"user2", L"pw2");
    setRow(swapped, 2, L"user1", L"pw1");
    EXPECT_EQ(checkPage(store, 0, swapped), SaveOutcome::Saved);
    PageRows reused = shownPage(store, 0);
    setRow(reused, 1, L"", L"");
    setRow(reused, 2, L"user1", L"pw");
    EXPECT_EQ(checkPage(store, 0, reused), SaveOutcome::Saved);
}

TEST(UserTableCheck, MixedRowsAndTextTheFileCannotHoldAreRefused) {
    const AccountStore store = numberedStore(3);
    struct Case {
        const char* what;
        std::wstring name;
        std::wstring password;
        SaveOutcome outcome;
        const wchar_t* message;
    };
    for (const Case& c : std::vector<Case>{
             {"password emptied", L"user1", L"", SaveOutcome::MixedRow, L"保存失败\n空用户名或空密码"},
             {"name emptied", L"", L"pw1", SaveOutcome::MixedRow, L"保存失败\n空用户名或空密码"},
             {"space in the name", L"a b", L"pw", SaveOutcome::WhiteSpace, L"保存失败\n用户名和密码不能含空格"},
             {"tab in the password", L"ab", L"p\tw", SaveOutcome::WhiteSpace, L"保存失败\n用户名和密码不能含空格"},
             {"a name GBK cannot hold", L"名\U0001F600", L"pw", SaveOutcome::NameNotStorable,
              L"保存失败\n用户名含有无法保存的字符"},
             {"a password the login cannot type", L"ab", L"密码", SaveOutcome::PasswordNotStorable,
              L"保存失败\n密码含有无法保存的字符"},
             {"code 128", L"ab", L"p\u0080", SaveOutcome::PasswordNotStorable, L"保存失败\n密码含有无法保存的字符"},
             {"white space comes first", L"a b", L"密码", SaveOutcome::WhiteSpace, L"保存失败\n用户名和密码不能含空格"},
             {"a taken name with a bad password", L"user0", L"密码", SaveOutcome::PasswordNotStorable,
              L"保存失败\n密码含有无法保存的字符"},
             {"Chinese names and ASCII passwords pass", L"小明", L"~!@#$%", SaveOutcome::Saved, L"保存成功"},
         }) {
        PageRows rows = shownPage(store, 0);
        setRow(rows, 1, c.name, c.password);
        const SaveOutcome outcome = checkPage(store, 0, rows);
        EXPECT_EQ(outcome, c.outcome) << c.what;
        EXPECT_EQ(saveMessageText(outcome), sf::String(c.message)) << c.what;
    }

    // A mixed row refuses the page whatever comes before it.
    PageRows rows = shownPage(store, 0);
    setRow(rows, 0, L"云栖客", L"pw");
    setRow(rows, 3, L"lonely", L"");
    EXPECT_EQ(checkPage(store, 0, rows), SaveOutcome::MixedRow);
}

TEST(UserTableSave, WritesEachRecordWithCrLfAndRefusalsAndFailuresWriteNothing) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    const std::string before = numberedLines(3, true);
    writeBytes(path, before);
    AccountStore store;
    store.accountCount = readAccounts(path, store);

    PageRows refused = shownPage(store, 0);
    setRow(refused, 3, L"user1", L"again");
    EXPECT_EQ(savePage(path, store, 0, refused), SaveOutcome::NameTaken);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(store.accountCount, 3);

    // The temporary file cannot be made: the old file and the store stay.
    PageRows appended = shownPage(store, 0);
    setRow(appended, 3, L"新人", L"pw3");
    writeBytes(path + ".tmp/block", "");
    EXPECT_EQ(savePage(path, store, 0, appended), SaveOutcome::WriteFailed);
    EXPECT_EQ(saveMessageText(SaveOutcome::WriteFailed), sf::String(L"找不到用户数据"));
    EXPECT_FALSE(saveSucceeded(SaveOutcome::WriteFailed));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(store.accountCount, 3);
    std::filesystem::remove_all(path + ".tmp");  // std::remove leaves a folder on Windows

    EXPECT_EQ(savePage(path, store, 0, appended), SaveOutcome::Saved);
    EXPECT_TRUE(saveSucceeded(SaveOutcome::Saved));
    EXPECT_EQ(readBytes(path), before + wideToNarrow(L"新人") + " pw3\r\n");
    EXPECT_EQ(store.accountCount, 4);

    // The save creates a missing file.
    const std::string fresh = dir.file("fresh/users.txt");
    writeBytes(dir.file("fresh/other"), "");
    AccountStore empty;
    PageRows first = shownPage(empty, 0);
    setRow(first, 0, L"first", L"1");
    EXPECT_EQ(savePage(fresh, empty, 0, first), SaveOutcome::Saved);
    EXPECT_EQ(readBytes(fresh), "first 1\r\n");
}
