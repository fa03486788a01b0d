// The users file as the program meets it: the input is a users file, a typed
// user name and a typed password (cut at the piece separator; the typed pieces
// are UTF-8, as the window delivers code points). The file is read as login,
// registration and the user-data table read it; every account it holds that
// the program could have written logs in; the typed account is registered
// and then saved through the table, and each time it must read back, log
// in and count as taken exactly as typed.
#include <SFML/System/String.hpp>

#include "FuzzInput.h"
#include "accounts/LoginRules.h"
#include "accounts/UserTableRules.h"
#include "support/TempDir.h"

namespace {

sf::String typedText(const std::string& utf8) { return sf::String::fromUtf8(utf8.begin(), utf8.end()); }

// True when the stored bytes are what the program itself would write for the
// text they show.
bool writtenByProgram(const std::string& stored) {
    const std::wstring shown = narrowToWide(stored);
    return gbkCanEncode(shown) && wideToNarrow(shown) == stored;
}

void checkStoredAccountsLogIn(const std::string& path, const AccountStore& read, int count) {
    for (int i = 0; i < count; ++i) {
        const UserAccount& account = read.accounts[i];
        if (account.userName.empty() || !writtenByProgram(account.userName) || !writtenByProgram(account.password))
            continue;
        AccountStore store;
        const LoginOutcome outcome =
            attemptLogin(path, store, narrowToWide(account.userName), narrowToWide(account.password));
        fuzzCheck(outcome == LoginOutcome::OrdinaryUser || outcome == LoginOutcome::Administrator,
                  "a stored account logs in with the name and password shown");
    }
}

// The account at the slot reads back as typed, logs in and is taken.
void checkStoredAsTyped(const std::string& path, int slot, const sf::String& name, const sf::String& password) {
    AccountStore store;
    const int count = readAccounts(path, store);
    fuzzCheck(slot < count, "the stored account is read back");
    fuzzCheck(sf::String(narrowToWide(store.accounts[slot].userName)) == name, "the name reads back as typed");
    fuzzCheck(sf::String(narrowToWide(store.accounts[slot].password)) == password,
              "the password reads back as typed");
    fuzzCheck(attemptLogin(path, store, name, password) == LoginOutcome::OrdinaryUser,
              "the stored account logs in as typed");
    fuzzCheck(nameTaken(name, store, count), "the stored name counts as taken");
}

void registerTyped(const std::string& path, const sf::String& name, const sf::String& password) {
    AccountStore store;
    const int line = appendedRecordLine(path);
    if (registerAccount(path, store, name, password) != RegisterOutcome::Registered) return;
    checkStoredAsTyped(path, line, name, password);
    fuzzCheck(registerAccount(path, store, name, password) == RegisterOutcome::NameTaken,
              "a name registers only once");
}

// Every page is shown and checked as the table would; then the typed
// account replaces the first row and page 0 is saved.
void saveThroughTable(const std::string& path, const sf::String& name, const sf::String& password) {
    AccountStore store;
    const int count = readAccounts(path, store);
    if (count < 0) return;
    store.accountCount = count;
    for (int page = 0; page < kAccountPages; ++page) {
        const PageRows shown = shownPage(store, page);
        bool editable[kRowsPerPage];
        updateEditableRows(editable, shown);
        checkPage(store, page, shown);
        canPageForward(page, store.accountCount);
    }
    // A row with both cells empty removes its account instead.
    if (name.isEmpty() || password.isEmpty()) return;
    PageRows rows = shownPage(store, 0);
    rows.rows[0] = RowText{name, password};
    if (savePage(path, store, 0, rows) != SaveOutcome::Saved) return;
    fuzzCheck(store.accountCount <= kMaxAccounts, "a save keeps at most the store's capacity");
    checkStoredAsTyped(path, 0, name, password);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempDir dir;
    const std::vector<std::string> pieces = splitInput(data, size, 3);
    const std::string path = dir.file("users.txt");
    const sf::String name = typedText(pieces[1]);
    const sf::String password = typedText(pieces[2]);

    writeBytes(path, pieces[0]);
    AccountStore read, names;
    const int count = readAccounts(path, read);
    fuzzCheck(readAccountNames(path, names) == count, "names and accounts are read alike");
    checkStoredAccountsLogIn(path, read, count);
    registerTyped(path, name, password);

    writeBytes(path, pieces[0]);
    saveThroughTable(path, name, password);
    return 0;
}
