#include "accounts/AccountStore.h"

#include <fstream>
#include <vector>

#include "base/AtomicFile.h"
#include "base/FileCalls.h"
#include "base/RecordWords.h"

namespace {

int readLines(const std::string& path, AccountStore& store, bool withPasswords) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return -1;
    // Read aside first: a read error (a folder in the file's place, say)
    // leaves the store as it was.
    std::vector<UserAccount> read;
    std::string line;
    while (static_cast<int>(read.size()) < kMaxAccounts && std::getline(in, line)) {
        std::size_t pos = 0;
        UserAccount account;
        account.userName = nextRecordWord(line, pos);
        if (withPasswords) account.password = nextRecordWord(line, pos);
        read.push_back(account);
    }
    if (in.bad()) return -1;
    const int count = static_cast<int>(read.size());
    for (int i = 0; i < kMaxAccounts; ++i) store.accounts[i] = i < count ? read[i] : UserAccount();
    return count;
}

}  // namespace

int readAccounts(const std::string& path, AccountStore& store) { return readLines(path, store, true); }

int readAccountNames(const std::string& path, AccountStore& store) { return readLines(path, store, false); }

int appendedRecordLine(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return -1;
    int lineBreaks = 0;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            if (buffer[i] == '\n') ++lineBreaks;
    }
    if (in.bad()) return -1;
    return lineBreaks + 1;
}

bool appendAccount(const std::string& path, const std::string& userName, const std::string& password) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) return false;
    bytes += "\r\n" + userName + " " + password;
    return writeFileAtomically(path, bytes);
}

std::string usersFileText(const AccountStore& store) {
    int count = store.accountCount;
    if (count > kMaxAccounts) count = kMaxAccounts;
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += store.accounts[i].userName;
        text += ' ';
        text += store.accounts[i].password;
        text += "\r\n";
    }
    return text;
}

bool writeAccounts(const std::string& path, const AccountStore& store) {
    return writeFileAtomically(path, usersFileText(store));
}
