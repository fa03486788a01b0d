#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "accounts/LoginRules.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "support/UsersText.h"

namespace {

const std::string kZhangSan = "\xD5\xC5\xC8\xFD";    // 张三 in GBK
const std::string kAdminName = "\xD4\xC6\xC6\xDC\xBF\xCD";  // 云栖客 in GBK

std::wstring messageOf(LoginOutcome outcome) { return outcomeMessage(outcome).text; }
std::wstring messageOf(RegisterOutcome outcome) { return outcomeMessage(outcome).text; }

class UsersFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("users.txt");
    AccountStore store;

    LoginOutcome login(const sf::String& name, const sf::String& password) {
        return attemptLogin(path, store, name, password);
    }
    RegisterOutcome registration(const sf::String& name, const sf::String& password) {
        return registerAccount(path, store, name, password);
    }
};

}  // namespace

using Login = UsersFile;
using Registration = UsersFile;

TEST_F(Login, AdministratorNeedsNoUsersFile) {
    const LoginOutcome outcome = login(L"云栖客", L"5820413");
    EXPECT_EQ(outcome, LoginOutcome::Administrator);
    EXPECT_EQ(messageOf(outcome), L"登录成功");
    EXPECT_TRUE(outcomeMessage(outcome).success);
    EXPECT_EQ(userLineText(L"云栖客", outcome), sf::String(L"用户名：云栖客\n用户类型：系统管理员"));

    EXPECT_EQ(login(L"张三", L"pw"), LoginOutcome::NoUsersFile);
    EXPECT_EQ(messageOf(LoginOutcome::NoUsersFile), L"找不到用户数据");
    EXPECT_FALSE(outcomeMessage(LoginOutcome::NoUsersFile).success);
}

TEST_F(Login, OrdinaryUserMatchesNameAndPasswordExactly) {
    writeBytes(path, "alice 123\r\n" + kZhangSan + " pw\r\nAlice 456\r\n");
    const LoginOutcome outcome = login(L"张三", L"pw");
    EXPECT_EQ(outcome, LoginOutcome::OrdinaryUser);
    EXPECT_EQ(messageOf(outcome), L"登录成功");
    EXPECT_EQ(userLineText(L"张三", outcome), sf::String(L"用户名：张三\n用户类型：普通用户"));
    EXPECT_EQ(login(L"Alice", L"456"), LoginOutcome::OrdinaryUser);
    EXPECT_EQ(login(L"alice", L"456"), LoginOutcome::WrongPassword);  // case counts
    EXPECT_EQ(login(L"alice", L"1234"), LoginOutcome::WrongPassword);
}

TEST_F(Login, WrongPasswordForKnownNameUnknownUserOtherwise) {
    writeBytes(path, "alice 123\r\n");
    EXPECT_EQ(messageOf(login(L"alice", L"999")), L"密码错误");
    EXPECT_EQ(messageOf(login(L"bob", L"123")), L"用户名不存在");
    // The administrator's name with a wrong password, once the file is read.
    EXPECT_EQ(messageOf(login(L"云栖客", L"123")), L"密码错误");
}

TEST_F(Login, EmptyFileKnowsOnlyTheAdministrator) {
    writeBytes(path, "");
    EXPECT_EQ(login(L"alice", L"123"), LoginOutcome::UnknownUser);
    EXPECT_EQ(login(L"", L""), LoginOutcome::UnknownUser);
    EXPECT_EQ(login(L"云栖客", L"1"), LoginOutcome::WrongPassword);
    EXPECT_EQ(login(L"云栖客", L"5820413"), LoginOutcome::Administrator);
}

TEST_F(Login, EmptyLineNeverLogsAnyoneIn) {
    writeBytes(path, "alice 123\r\n\r\nbob 456");
    EXPECT_EQ(login(L"", L""), LoginOutcome::UnknownUser);
    EXPECT_EQ(messageOf(login(L"", L"")), L"用户名不存在");
    EXPECT_EQ(login(L"", L"123"), LoginOutcome::UnknownUser);
    EXPECT_EQ(login(L"bob", L"456"), LoginOutcome::OrdinaryUser);  // lines after it still count
}

TEST_F(Login, NameGbkCannotHoldDoesNotMatchItsQuestionMarkForm) {
    writeBytes(path, "a? 1\r\n");
    EXPECT_EQ(login(L"a\U0001F600", L"1"), LoginOutcome::UnknownUser);
    EXPECT_EQ(login(L"a?", L"1"), LoginOutcome::OrdinaryUser);
}

TEST_F(Login, ReadsIntoTheStoreWithoutChangingAccountCount) {
    writeBytes(path, "alice 123\r\nbob 456\r\n");
    store.accountCount = 7;
    login(L"bob", L"456");
    EXPECT_EQ(store.accountCount, 7);
    EXPECT_EQ(store.accounts[1].userName, "bob");
}

TEST_F(Login, LinesPastTheHundredthAreNotRead) {
    writeBytes(path, numberedLines(101, false));
    EXPECT_EQ(login(L"user99", L"pw99"), LoginOutcome::OrdinaryUser);
    EXPECT_EQ(login(L"user100", L"pw100"), LoginOutcome::UnknownUser);
}

TEST_F(Registration, AppendsLineBreakThenGbkRecord) {
    writeBytes(path, "alice 123");
    const RegisterOutcome outcome = registration(L"张三", L"pw");
    EXPECT_EQ(outcome, RegisterOutcome::Registered);
    EXPECT_EQ(messageOf(outcome), L"注册成功");
    EXPECT_TRUE(outcomeMessage(outcome).success);
    EXPECT_EQ(readBytes(path), "alice 123\r\n" + kZhangSan + " pw");
    EXPECT_EQ(login(L"张三", L"pw"), LoginOutcome::OrdinaryUser);
}

TEST_F(Registration, AfterRewriteLeavesEmptyLineThatNeverLogsIn) {
    store.accounts[0] = {"alice", "123"};
    store.accountCount = 1;
    ASSERT_TRUE(writeAccounts(path, store));
    ASSERT_EQ(registration(L"bob", L"456"), RegisterOutcome::Registered);
    EXPECT_EQ(readBytes(path), "alice 123\r\n\r\nbob 456");

    AccountStore read;
    ASSERT_EQ(readAccounts(path, read), 3);
    EXPECT_EQ(read.accounts[1].userName, "");
    EXPECT_EQ(login(L"", L""), LoginOutcome::UnknownUser);
    EXPECT_EQ(login(L"bob", L"456"), LoginOutcome::OrdinaryUser);
}

TEST_F(Registration, EmptyFieldsAreRefusedFirst) {
    EXPECT_EQ(messageOf(registration(L"", L"")), L"请输入用户名");
    EXPECT_EQ(messageOf(registration(L"", L"pw")), L"请输入用户名");
    EXPECT_EQ(messageOf(registration(L"bob", L"")), L"请输入密码");
    EXPECT_FALSE(outcomeMessage(RegisterOutcome::EmptyPassword).success);
    EXPECT_FALSE(fileExists(path));
}

TEST_F(Registration, WhiteSpaceIsRefusedAndNothingWritten) {
    writeBytes(path, "alice 123");
    for (const auto& [name, password] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"bob smith", L"pw"}, {L"bob", L"p w"}, {L" ", L"pw"}, {L"bob", L"pw "}, {L"a\nb", L"pw"},
             {L"bob", L"\f"}}) {
        const RegisterOutcome outcome = registration(name, password);
        EXPECT_EQ(outcome, RegisterOutcome::WhiteSpace);
        EXPECT_EQ(messageOf(outcome), L"用户名和密码不能含空格");
    }
    EXPECT_EQ(readBytes(path), "alice 123");
}

TEST_F(Registration, NameGbkCannotHoldIsRefusedAndNothingWritten) {
    writeBytes(path, "alice 123");
    const RegisterOutcome outcome = registration(L"名\U0001F600", L"pw");
    EXPECT_EQ(outcome, RegisterOutcome::NameNotStorable);
    EXPECT_EQ(messageOf(outcome), L"用户名含有无法保存的字符");
    EXPECT_EQ(registration(L"bob", L"\u0E01"), RegisterOutcome::PasswordNotStorable);
    // GBK holds it, but the login's password field cannot type it.
    EXPECT_EQ(registration(L"bob", L"密码"), RegisterOutcome::PasswordNotStorable);
    EXPECT_EQ(readBytes(path), "alice 123");
}

TEST_F(Registration, NameWithACharacterTheConverterDropsIsRefused) {
    // Stored, "alice" plus a tag character would read back and log in as "alice".
    writeBytes(path, "bob 1\r\n");
    EXPECT_EQ(registration(L"alice\U000E0001", L"pw"), RegisterOutcome::NameNotStorable);
    EXPECT_EQ(readBytes(path), "bob 1\r\n");
    EXPECT_EQ(login(L"bob\U000E0001", L"1"), LoginOutcome::UnknownUser);
}

TEST_F(Registration, MissingFileIsNeitherCreatedNorWritten) {
    const RegisterOutcome outcome = registration(L"bob", L"456");
    EXPECT_EQ(outcome, RegisterOutcome::NoUsersFile);
    EXPECT_EQ(messageOf(outcome), L"找不到用户数据");
    EXPECT_FALSE(fileExists(path));
    EXPECT_EQ(registration(L"云栖客", L"456"), RegisterOutcome::NoUsersFile);
}

TEST_F(Registration, TakenNamesAreRefusedIncludingTheAdministrators) {
    writeBytes(path, "");
    RegisterOutcome outcome = registration(L"云栖客", L"1");
    EXPECT_EQ(outcome, RegisterOutcome::NameTaken);
    EXPECT_EQ(messageOf(outcome), L"当前用户名已存在");
    EXPECT_EQ(readBytes(path), "");

    writeBytes(path, "alice 123\r\n" + kZhangSan + " pw");
    EXPECT_EQ(registration(L"张三", L"other"), RegisterOutcome::NameTaken);
    EXPECT_EQ(registration(L"alice", L"123"), RegisterOutcome::NameTaken);
    EXPECT_EQ(readBytes(path), "alice 123\r\n" + kZhangSan + " pw");
    EXPECT_EQ(registration(L"Alice", L"123"), RegisterOutcome::Registered);  // case counts
}

TEST_F(Registration, RefusedWhenTheRecordWouldLiePastTheHundredthLine) {
    // One hundred lines already.
    writeBytes(path, numberedLines(100, false));
    RegisterOutcome outcome = registration(L"bob", L"456");
    EXPECT_EQ(outcome, RegisterOutcome::StoreFull);
    EXPECT_EQ(messageOf(outcome), L"用户数量已达上限");
    EXPECT_FALSE(outcomeMessage(outcome).success);
    EXPECT_EQ(readBytes(path), numberedLines(100, false));

    // Ninety-nine records ending in a line break: the record would follow an
    // empty hundredth line, where no read would find it.
    writeBytes(path, numberedLines(99, true));
    EXPECT_EQ(registration(L"bob", L"456"), RegisterOutcome::StoreFull);
    EXPECT_EQ(readBytes(path), numberedLines(99, true));

    // Ninety-nine records without one: the record becomes the hundredth line
    // and can log in.
    writeBytes(path, numberedLines(99, false));
    EXPECT_EQ(registration(L"bob", L"456"), RegisterOutcome::Registered);
    EXPECT_EQ(login(L"bob", L"456"), LoginOutcome::OrdinaryUser);
    EXPECT_EQ(registration(L"carol", L"789"), RegisterOutcome::StoreFull);
}

TEST_F(Registration, UnreadableOrUnwritableFileReportsMissingData) {
    // A folder in the file's place opens but cannot be read.
    writeBytes(path + "/inside", "");
    EXPECT_EQ(registration(L"bob", L"456"), RegisterOutcome::NoUsersFile);

    // A file that can be read but not grown: the append fails.
    const std::string other = dir.file("other.txt");
    writeBytes(other, "alice 123");
    RegisterOutcome outcome;
    {
        FileSizeLimit limit(9);
        outcome = registerAccount(other, store, L"bob", L"456");
    }
    EXPECT_EQ(outcome, RegisterOutcome::AppendFailed);
    EXPECT_EQ(messageOf(outcome), L"找不到用户数据");
    EXPECT_FALSE(outcomeMessage(outcome).success);
    EXPECT_EQ(readBytes(other), "alice 123");
}
