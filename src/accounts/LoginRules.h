#pragma once
// What the login screen decides when someone logs in or registers, free of
// any window: the users file is read and written through AccountStore, the
// screen only shows the resulting message.
#include <SFML/Graphics/Color.hpp>
#include <SFML/System/String.hpp>
#include <string>

#include "accounts/AccountStore.h"
#include "base/TextConvert.h"  // gbkCanEncode

enum class LoginOutcome { Administrator, OrdinaryUser, WrongPassword, UnknownUser, NoUsersFile };

enum class RegisterOutcome {
    EmptyName,
    EmptyPassword,
    WhiteSpace,
    NameNotStorable,
    PasswordNotStorable,
    NoUsersFile,
    NameTaken,
    StoreFull,
    AppendFailed,
    Registered,
};

// The text shown for an outcome and whether it is a success (green) or a
// failure (red).
struct OutcomeMessage {
    const wchar_t* text;
    bool success;
};

OutcomeMessage outcomeMessage(LoginOutcome outcome);
OutcomeMessage outcomeMessage(RegisterOutcome outcome);
sf::Color messageColor(const OutcomeMessage& message);

// What keeps a typed name and password from being stored as an account that
// reads back and logs in as typed, in the order the checks run.
enum class AccountTextFault {
    None,
    WhiteSpace,           // the record would split at it on reading
    NameNotStorable,      // GBK has no code for a character of the name
    PasswordNotStorable,  // a character the login's password field cannot type (above kHighestPasswordCode)
};

AccountTextFault accountTextFault(const sf::String& name, const sf::String& password);
// "用户名和密码不能含空格", "用户名含有无法保存的字符", "密码含有无法保存的字符";
// empty for None.
const wchar_t* accountTextFaultText(AccountTextFault fault);

// True when the name is the administrator's or the user name of one of the
// slots 0 .. count - 1. An empty name is never taken.
bool nameTaken(const sf::String& name, const AccountStore& store, int count);
// As nameTaken, but the slots skipFirst .. skipFirst + skipCount - 1 are
// not looked at.
bool nameTakenOutside(const sf::String& name, const AccountStore& store, int count, int skipFirst, int skipCount);

// The administrator is recognised before the file is opened, so the
// administrator logs in even without a users file. Otherwise the file is
// read into the store's slots (accountCount is left alone) and the first
// account with that user name and password logs in. An account with an empty
// user name never matches, so an empty line in the file logs nobody in.
LoginOutcome attemptLogin(const std::string& path, AccountStore& store, const sf::String& name,
                          const sf::String& password);

// Checks the typed name and password, reads the user names and appends the
// new account when nothing stands against it. Every refusal before the read
// leaves the file untouched; so does a taken name or a full file.
RegisterOutcome registerAccount(const std::string& path, AccountStore& store, const sf::String& name,
                                const sf::String& password);

// "用户名：<name>\n用户类型：<type>" for a successful login; the type is
// "系统管理员" or "普通用户".
sf::String userLineText(const sf::String& name, LoginOutcome outcome);
