#include "accounts/LoginRules.h"

#include "accounts/AccountLimits.h"
#include "base/RecordWords.h"
#include "base/TextConvert.h"

namespace {

// True when the typed text is exactly the stored GBK text. Text GBK cannot
// hold never matches: its conversion would turn the character into "?", or
// drop it, so that "bob" with a character beyond the BMP would be "bob".
bool sameText(const std::string& stored, const sf::String& typed) {
    const std::wstring wide = wideText(typed);
    return gbkCanEncode(wide) && wideToNarrow(wide) == stored;
}

bool isAdministrator(const sf::String& name, const sf::String& password) {
    return name == sf::String(kAdminUserName) && password == sf::String(kAdminPassword);
}

}  // namespace

OutcomeMessage outcomeMessage(LoginOutcome outcome) {
    switch (outcome) {
    case LoginOutcome::Administrator:
    case LoginOutcome::OrdinaryUser: return {L"登录成功", true};
    case LoginOutcome::WrongPassword: return {L"密码错误", false};
    case LoginOutcome::UnknownUser: return {L"用户名不存在", false};
    case LoginOutcome::NoUsersFile: return {L"找不到用户数据", false};
    }
    return {L"", false};
}

OutcomeMessage outcomeMessage(RegisterOutcome outcome) {
    switch (outcome) {
    case RegisterOutcome::EmptyName: return {L"请输入用户名", false};
    case RegisterOutcome::EmptyPassword: return {L"请输入密码", false};
    case RegisterOutcome::WhiteSpace: return {accountTextFaultText(AccountTextFault::WhiteSpace), false};
    case RegisterOutcome::NameNotStorable: return {accountTextFaultText(AccountTextFault::NameNotStorable), false};
    case RegisterOutcome::PasswordNotStorable:
        return {accountTextFaultText(AccountTextFault::PasswordNotStorable), false};
    case RegisterOutcome::NoUsersFile:
    case RegisterOutcome::AppendFailed: return {L"找不到用户数据", false};
    case RegisterOutcome::NameTaken: return {L"当前用户名已存在", false};
    case RegisterOutcome::StoreFull: return {L"用户数量已达上限", false};
    case RegisterOutcome::Registered: return {L"注册成功", true};
    }
    return {L"", false};
}

sf::Color messageColor(const OutcomeMessage& message) {
    return message.success ? sf::Color::Green : sf::Color::Red;
}

AccountTextFault accountTextFault(const sf::String& name, const sf::String& password) {
    // A space would split the record on reading, so the account read back
    // would differ from the one stored.
    if (containsWhiteSpace(name) || containsWhiteSpace(password)) return AccountTextFault::WhiteSpace;
    if (!gbkCanEncode(wideText(name))) return AccountTextFault::NameNotStorable;
    for (sf::Uint32 c : password) {
        if (c > kHighestPasswordCode) return AccountTextFault::PasswordNotStorable;
    }
    return AccountTextFault::None;
}

const wchar_t* accountTextFaultText(AccountTextFault fault) {
    switch (fault) {
    case AccountTextFault::WhiteSpace: return L"用户名和密码不能含空格";
    case AccountTextFault::NameNotStorable: return L"用户名含有无法保存的字符";
    case AccountTextFault::PasswordNotStorable: return L"密码含有无法保存的字符";
    case AccountTextFault::None: break;
    }
    return L"";
}

bool nameTaken(const sf::String& name, const AccountStore& store, int count) {
    return nameTakenOutside(name, store, count, 0, 0);
}

bool nameTakenOutside(const sf::String& name, const AccountStore& store, int count, int skipFirst, int skipCount) {
    if (name.isEmpty()) return false;
    if (name == sf::String(kAdminUserName)) return true;
    if (count > kMaxAccounts) count = kMaxAccounts;
    for (int i = 0; i < count; ++i) {
        if (i >= skipFirst && i < skipFirst + skipCount) continue;
        if (sameText(store.accounts[i].userName, name)) return true;
    }
    return false;
}

LoginOutcome attemptLogin(const std::string& path, AccountStore& store, const sf::String& name,
                          const sf::String& password) {
    if (isAdministrator(name, password)) return LoginOutcome::Administrator;
    const int count = readAccounts(path, store);
    if (count < 0) return LoginOutcome::NoUsersFile;
    for (int i = 0; i < count; ++i) {
        const UserAccount& account = store.accounts[i];
        if (!account.userName.empty() && sameText(account.userName, name) && sameText(account.password, password))
            return LoginOutcome::OrdinaryUser;
    }
    return nameTaken(name, store, count) ? LoginOutcome::WrongPassword : LoginOutcome::UnknownUser;
}

RegisterOutcome registerAccount(const std::string& path, AccountStore& store, const sf::String& name,
                                const sf::String& password) {
    if (name.isEmpty()) return RegisterOutcome::EmptyName;
    if (password.isEmpty()) return RegisterOutcome::EmptyPassword;
    switch (accountTextFault(name, password)) {
    case AccountTextFault::WhiteSpace: return RegisterOutcome::WhiteSpace;
    case AccountTextFault::NameNotStorable: return RegisterOutcome::NameNotStorable;
    case AccountTextFault::PasswordNotStorable: return RegisterOutcome::PasswordNotStorable;
    case AccountTextFault::None: break;
    }

    const int count = readAccountNames(path, store);
    if (count < 0) return RegisterOutcome::NoUsersFile;
    if (nameTaken(name, store, count)) return RegisterOutcome::NameTaken;
    // Lines past the store's capacity are never read, so such an account
    // could never log in.
    if (appendedRecordLine(path) >= kMaxAccounts) return RegisterOutcome::StoreFull;

    if (!appendAccount(path, wideToNarrow(name.toWideString()), wideToNarrow(password.toWideString())))
        return RegisterOutcome::AppendFailed;
    return RegisterOutcome::Registered;
}

sf::String userLineText(const sf::String& name, LoginOutcome outcome) {
    const wchar_t* type = outcome == LoginOutcome::Administrator ? L"系统管理员" : L"普通用户";
    return sf::String(L"用户名：") + name + sf::String(L"\n用户类型：") + sf::String(type);
}
