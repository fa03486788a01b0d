#include "accounts/UserTableRules.h"

#include <algorithm>
#include <vector>

#include "accounts/LoginRules.h"
#include "base/TextConvert.h"

namespace {

bool isFilled(const RowText& row) { return !row.name.isEmpty() && !row.password.isEmpty(); }

std::string fileText(const sf::String& text) { return wideToNarrow(text.toWideString()); }

SaveOutcome outcomeOf(AccountTextFault fault) {
    switch (fault) {
    case AccountTextFault::WhiteSpace: return SaveOutcome::WhiteSpace;
    case AccountTextFault::NameNotStorable: return SaveOutcome::NameNotStorable;
    case AccountTextFault::PasswordNotStorable: return SaveOutcome::PasswordNotStorable;
    case AccountTextFault::None: break;
    }
    return SaveOutcome::Saved;
}

sf::String refusal(const wchar_t* reason) { return sf::String(L"保存失败\n") + sf::String(reason); }

}  // namespace

int slotOf(int page, int row) { return page * kRowsPerPage + row; }

RowText shownRow(const AccountStore& store, int page, int row) {
    const int slot = slotOf(page, row);
    if (slot < 0 || slot >= std::min(store.accountCount, kMaxAccounts)) return RowText();
    const UserAccount& account = store.accounts[slot];
    return RowText{narrowToWide(account.userName), narrowToWide(account.password)};
}

PageRows shownPage(const AccountStore& store, int page) {
    PageRows shown;
    for (int r = 0; r < kRowsPerPage; ++r) shown.rows[r] = shownRow(store, page, r);
    return shown;
}

void updateEditableRows(bool editable[kRowsPerPage], const PageRows& shown) {
    editable[0] = true;
    for (int r = 0; r < kRowsPerPage; ++r) {
        const RowText& row = shown.rows[r];
        const bool showsAccount = !row.name.isEmpty() || !row.password.isEmpty();
        if (showsAccount) editable[r] = true;
        if (r + 1 < kRowsPerPage) editable[r + 1] = showsAccount;
    }
}

bool canPageForward(int page, int accountCount) {
    return page + 1 < kAccountPages && accountCount >= slotOf(page + 1, 0);
}

bool canPageBack(int page) { return page > 0; }

bool isMixedRow(const RowText& row) { return row.name.isEmpty() != row.password.isEmpty(); }

SaveOutcome checkPage(const AccountStore& store, int page, const PageRows& rows) {
    for (const RowText& row : rows.rows) {
        if (isMixedRow(row)) return SaveOutcome::MixedRow;
    }
    for (int r = 0; r < kRowsPerPage; ++r) {
        const RowText& row = rows.rows[r];
        if (!isFilled(row)) continue;
        const SaveOutcome fault = outcomeOf(accountTextFault(row.name, row.password));
        if (fault != SaveOutcome::Saved) return fault;
        if (nameTakenOutside(row.name, store, store.accountCount, slotOf(page, 0), kRowsPerPage))
            return SaveOutcome::NameTaken;
        for (int earlier = 0; earlier < r; ++earlier) {
            if (rows.rows[earlier].name == row.name) return SaveOutcome::NameTaken;
        }
    }
    return SaveOutcome::Saved;
}

void mergePage(AccountStore& store, int page, const PageRows& rows) {
    const int count = std::min(store.accountCount, kMaxAccounts);
    const int first = std::min(slotOf(page, 0), count);
    // The accounts before the page, the page's rows, the accounts after it:
    // a removed row leaves no gap, and an appended row lands right after the
    // last account.
    std::vector<UserAccount> merged(store.accounts, store.accounts + first);
    for (int r = 0; r < kRowsPerPage; ++r) {
        const RowText& row = rows.rows[r];
        const int slot = slotOf(page, r);
        if (isFilled(row)) merged.push_back(UserAccount{fileText(row.name), fileText(row.password)});
        else if (isMixedRow(row) && slot < count) merged.push_back(store.accounts[slot]);  // left as it was
    }
    for (int slot = slotOf(page, kRowsPerPage); slot < count; ++slot) merged.push_back(store.accounts[slot]);

    const int mergedCount = std::min(static_cast<int>(merged.size()), kMaxAccounts);
    for (int i = 0; i < kMaxAccounts; ++i) store.accounts[i] = i < mergedCount ? merged[i] : UserAccount();
    store.accountCount = mergedCount;
}

SaveOutcome savePage(const std::string& path, AccountStore& store, int page, const PageRows& rows) {
    const SaveOutcome checked = checkPage(store, page, rows);
    if (checked != SaveOutcome::Saved) return checked;
    AccountStore merged = store;
    mergePage(merged, page, rows);
    if (!writeAccounts(path, merged)) return SaveOutcome::WriteFailed;
    store = merged;
    return SaveOutcome::Saved;
}

sf::String saveMessageText(SaveOutcome outcome) {
    switch (outcome) {
    case SaveOutcome::MixedRow: return refusal(L"空用户名或空密码");
    case SaveOutcome::WhiteSpace: return refusal(accountTextFaultText(AccountTextFault::WhiteSpace));
    case SaveOutcome::NameNotStorable: return refusal(accountTextFaultText(AccountTextFault::NameNotStorable));
    case SaveOutcome::PasswordNotStorable:
        return refusal(accountTextFaultText(AccountTextFault::PasswordNotStorable));
    case SaveOutcome::NameTaken: return refusal(L"用户名重复");
    case SaveOutcome::WriteFailed: return L"找不到用户数据";
    case SaveOutcome::Saved: return L"保存成功";
    }
    return L"";
}

bool saveSucceeded(SaveOutcome outcome) { return outcome == SaveOutcome::Saved; }
