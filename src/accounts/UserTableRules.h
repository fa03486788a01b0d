#pragma once
// What the administrator's table of accounts decides, free of any window:
// which account a row shows, when the pages turn, whether a page may be
// saved, and how its rows are merged into the accounts and written back.
#include <SFML/System/String.hpp>
#include <string>

#include "accounts/AccountStore.h"

constexpr int kRowsPerPage = 10;
constexpr int kAccountPages = kMaxAccounts / kRowsPerPage;

// The two cells of a row as typed, without the blinking caret.
struct RowText {
    sf::String name;
    sf::String password;
};

struct PageRows {
    RowText rows[kRowsPerPage];
};

// The account slot that row r of the page shows.
int slotOf(int page, int row);

// Row r of the page: the account's name and password, or two empty cells
// past the last account and for an account whose name and password are both
// empty (the empty line a registration leaves after a save).
RowText shownRow(const AccountStore& store, int page, int row);
PageRows shownPage(const AccountStore& store, int page);

// Which rows take clicks after a page is shown: a row showing an account
// and the row below it; the row below an empty row does not. An empty row
// keeps its own flag, so the first empty row after the last account stays
// open for a new one. The first row always takes clicks, so an empty users
// file can get its first account.
void updateEditableRows(bool editable[kRowsPerPage], const PageRows& shown);

// "下一页" turns only from a full page and never past the last page the
// slots hold; "上一页" from any page but the first.
bool canPageForward(int page, int accountCount);
bool canPageBack(int page);

enum class SaveOutcome {
    MixedRow,             // a row with one of its two cells empty
    WhiteSpace,           // the rules every stored account keeps (LoginRules)
    NameNotStorable,
    PasswordNotStorable,
    NameTaken,            // the administrator's, another account's or another row's name
    WriteFailed,
    Saved,
};

// The checks of a save, before anything is written. A mixed row refuses the
// page whatever else it holds; otherwise the first row that breaks a rule
// gives the outcome: white space, a name GBK cannot hold, a password the
// login cannot type, then a taken name. A name is taken when it is the
// administrator's, the stored name of any account off this page (on every
// page), or the name of an earlier row of this page: so the saved file never
// holds one name twice, and a row whose name is unchanged is not its own
// duplicate. Returns Saved when the page may be saved.
SaveOutcome checkPage(const AccountStore& store, int page, const PageRows& rows);

// True when one of the row's two cells is empty and the other is not.
bool isMixedRow(const RowText& row);

// Puts the page's rows in place of the accounts it showed: a filled row
// replaces its account or, past the last one, is appended; a row with both
// cells empty removes its account, and the later accounts move up.
void mergePage(AccountStore& store, int page, const PageRows& rows);

// checkPage, then mergePage and the atomic rewrite of the users file. On a
// refusal or a failed write the store and the file stay as they were.
SaveOutcome savePage(const std::string& path, AccountStore& store, int page, const PageRows& rows);

// "保存成功", "找不到用户数据" or "保存失败\n" and the reason.
sf::String saveMessageText(SaveOutcome outcome);
bool saveSucceeded(SaveOutcome outcome);
