#include <gtest/gtest.h>

#include <algorithm>

#include "accounts/AccountStore.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"
#include "support/UsersText.h"

namespace {

const std::string kZhangSan = "\xD5\xC5\xC8\xFD";  // 张三 in GBK

}  // namespace

TEST(AccountStoreRead, SplitsEachLineIntoNameAndPassword) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    writeBytes(path, "alice 123 extra words\r\nsolo\r\n\r\n" + kZhangSan + "\tpw \r\nlast one");
    AccountStore store;
    ASSERT_EQ(readAccounts(path, store), 5);
    EXPECT_EQ(store.accounts[0].userName, "alice");
    EXPECT_EQ(store.accounts[0].password, "123");  // the third word is dropped
    EXPECT_EQ(store.accounts[1].userName, "solo");
    EXPECT_EQ(store.accounts[1].password, "");
    // An empty line is an account of two empty fields and counts.
    EXPECT_EQ(store.accounts[2].userName, "");
    EXPECT_EQ(store.accounts[2].password, "");
    // GBK bytes pass through; tab, trailing space and CR are white space.
    EXPECT_EQ(store.accounts[3].userName, kZhangSan);
    EXPECT_EQ(store.accounts[3].password, "pw");
    EXPECT_EQ(store.accounts[4].password, "one");
}

TEST(AccountStoreRead, EmptiesSlotsAfterTheLastLineAndLeavesAccountCountAlone) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    AccountStore store;
    for (int i = 0; i < kMaxAccounts; ++i) store.accounts[i] = {"stale", "stale"};
    store.accountCount = 42;
    writeBytes(path, "a 1\r\nb 2\r\n");
    ASSERT_EQ(readAccounts(path, store), 2);
    EXPECT_EQ(store.accounts[1].userName, "b");
    for (int i = 2; i < kMaxAccounts; ++i) {
        EXPECT_EQ(store.accounts[i].userName, "") << i;
        EXPECT_EQ(store.accounts[i].password, "") << i;
    }
    EXPECT_EQ(store.accountCount, 42);

    writeBytes(path, "");
    EXPECT_EQ(readAccounts(path, store), 0);
    EXPECT_EQ(store.accounts[0].userName, "");
}

TEST(AccountStoreRead, MissingOrUnreadableFileKeepsTheStore) {
    TempDir dir;
    AccountStore store;
    store.accounts[0] = {"kept", "1"};
    EXPECT_EQ(readAccounts(dir.file("missing.txt"), store), -1);
    EXPECT_EQ(readAccountNames(dir.file("missing.txt"), store), -1);
    // A folder where the file should be opens but cannot be read.
    EXPECT_EQ(readAccounts(dir.path(), store), -1);
    EXPECT_EQ(store.accounts[0].userName, "kept");
    EXPECT_EQ(store.accounts[0].password, "1");
}

TEST(AccountStoreRead, StoresAndCountsAtMostOneHundredLines) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    writeBytes(path, numberedLines(150, true));
    AccountStore store;
    EXPECT_EQ(readAccounts(path, store), kMaxAccounts);
    EXPECT_EQ(store.accounts[99].userName, "user99");
    EXPECT_EQ(readAccountNames(path, store), kMaxAccounts);
}

TEST(AccountStoreRead, NameOnlyReadTakesFirstWordsAndNoPasswords) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    writeBytes(path, "a 1\r\n\r\nc 3");
    AccountStore store;
    store.accounts[0].password = "stale";
    ASSERT_EQ(readAccountNames(path, store), 3);
    EXPECT_EQ(store.accounts[0].userName, "a");
    EXPECT_EQ(store.accounts[0].password, "");
    EXPECT_EQ(store.accounts[1].userName, "");
    EXPECT_EQ(store.accounts[2].userName, "c");
    EXPECT_EQ(store.accounts[2].password, "");
}

TEST(AccountStoreAppend, WritesLineBreakThenRecordWithoutCreatingTheFile) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    EXPECT_FALSE(appendAccount(path, "a", "1"));
    EXPECT_FALSE(fileExists(path));

    writeBytes(path, "a 1");
    ASSERT_TRUE(appendAccount(path, kZhangSan, "pw"));
    EXPECT_EQ(readBytes(path), "a 1\r\n" + kZhangSan + " pw");
}

TEST(AccountStoreAppend, AppendedRecordLineFollowsTheLineBreaksInTheFile) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    EXPECT_EQ(appendedRecordLine(path), -1);
    writeBytes(path, "");
    EXPECT_EQ(appendedRecordLine(path), 1);  // the record follows an empty first line
    writeBytes(path, "a 1");
    EXPECT_EQ(appendedRecordLine(path), 1);
    writeBytes(path, "a 1\r\n");
    EXPECT_EQ(appendedRecordLine(path), 2);
    writeBytes(path, numberedLines(3000, true));
    EXPECT_EQ(appendedRecordLine(path), 3001);

    // Whatever the file holds, the record lands where the function said.
    for (const std::string& before : {std::string(), std::string("a 1"), std::string("a 1\r\nb 2\r\n")}) {
        writeBytes(path, before);
        const int line = appendedRecordLine(path);
        ASSERT_TRUE(appendAccount(path, "new", "pw"));
        AccountStore store;
        ASSERT_EQ(readAccounts(path, store), line + 1);
        EXPECT_EQ(store.accounts[line].userName, "new");
    }
}

TEST(AccountStoreAppend, FailedWriteIsReportedAndLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    writeBytes(path, "a 1");
    // Let the file grow by three bytes only: the record is written in part
    // and then the write fails.
    bool appended = true;
    {
        FileSizeLimit limit(3 + 3);
        appended = appendAccount(path, "longname", "longpassword");
    }
    EXPECT_FALSE(appended);
    EXPECT_EQ(readBytes(path), "a 1");
    EXPECT_FALSE(fileExists(path + ".tmp"));

    // A folder in the file's place cannot be read, so nothing is written.
    EXPECT_FALSE(appendAccount(dir.path(), "a", "1"));
}

TEST(AccountStoreRewrite, WritesEachAccountFollowedByLineBreak) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    AccountStore store;
    store.accounts[0] = {"a", "1"};
    store.accounts[1] = {kZhangSan, "pw"};
    store.accounts[2] = {"beyond", "count"};
    store.accountCount = 2;
    ASSERT_TRUE(writeAccounts(path, store));  // creates the missing file
    EXPECT_EQ(readBytes(path), "a 1\r\n" + kZhangSan + " pw\r\n");

    store.accountCount = 0;
    ASSERT_TRUE(writeAccounts(path, store));
    EXPECT_EQ(readBytes(path), "");

    store.accountCount = kMaxAccounts + 5;  // never past the slots
    const std::string text = usersFileText(store);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), kMaxAccounts);
}

TEST(AccountStoreRewrite, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("users.txt");
    writeBytes(path, "a 1\r\nb 2\r\n");
    // A folder in the temporary file's place makes the write fail.
    writeBytes(path + ".tmp/block", "");
    AccountStore store;
    store.accounts[0] = {"c", "3"};
    store.accountCount = 1;
    EXPECT_FALSE(writeAccounts(path, store));
    EXPECT_EQ(readBytes(path), "a 1\r\nb 2\r\n");

    EXPECT_FALSE(writeAccounts(dir.file("no/such/folder/users.txt"), store));
}
