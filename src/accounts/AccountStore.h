#pragma once
// The ordinary accounts and the users file that holds them: GBK text, one
// account per line, user name, a space and the password. The built-in
// administrator is a constant of the program and never stored in the file.
#include <string>

struct UserAccount {
    std::string userName;  // GBK, no white space
    std::string password;  // GBK, no white space
};

constexpr int kMaxAccounts = 100;

// Every read fills slots from 0 on and empties the slots after the last one
// it filled. accountCount is the user-data table's count as of its last read;
// login and registration read into the same slots but use the count the read
// returns, leaving accountCount alone.
struct AccountStore {
    UserAccount accounts[kMaxAccounts];
    int accountCount = 0;
};

const char* const kUsersFile = "Data/users.txt";

const wchar_t* const kAdminUserName = L"云栖客";
const wchar_t* const kAdminPassword = L"5820413";

// Reads the file line by line into the slots: the first word of a line is the
// user name, the second the password, later words are dropped, a missing word
// is stored empty (so an empty line is an account with both fields empty).
// A CR before the line break is white space. Only the first kMaxAccounts
// lines are stored and counted. Returns the count, or -1 when the file cannot
// be opened or read, in which case the store keeps what it held.
int readAccounts(const std::string& path, AccountStore& store);

// As readAccounts, but only the user names are taken; every password slot is
// left empty.
int readAccountNames(const std::string& path, AccountStore& store);

// The zero-based line that appendAccount's record would occupy: one past the
// number of line breaks already in the file, since the record is preceded by
// a line break of its own. Returns -1 when the file cannot be opened or read.
int appendedRecordLine(const std::string& path);

// Adds CR LF, the user name, " " and the password at the end of an existing
// file (it is never created here) by rewriting the whole file atomically, so
// a failure or a kill leaves either the old file or the new one, never a piece
// of a record. Returns false when the file cannot be read or the write fails;
// the file then stays as it was.
bool appendAccount(const std::string& path, const std::string& userName, const std::string& password);

// The file's bytes for slots 0 .. accountCount - 1: name, " ", password and
// CR LF for each.
std::string usersFileText(const AccountStore& store);

// Replaces the whole file with usersFileText, creating it when missing. On
// failure the old file stays as it was and false is returned.
bool writeAccounts(const std::string& path, const AccountStore& store);
