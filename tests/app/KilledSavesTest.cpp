// Saves killed at random moments: a child process saves over and over and is
// sent SIGKILL after a random delay. Afterwards
// every data file holds, byte for byte, its content from before the save under
// way or from after it; once the start-up recovery has run, files saved
// together agree and nothing but the data files is left in the folder.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <new>
#include <random>
#include <set>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "accounts/AccountStore.h"
#include "accounts/LoginRules.h"
#include "app/DataRecovery.h"
#include "map/MapFiles.h"
#include "support/TempDir.h"

namespace {

// A fork of a process under AddressSanitizer costs tens of milliseconds (its
// shadow memory is copied as the child touches it): there the sanitizer
// checks the same code paths with fewer kills.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kKillsPerCase = 25;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kKillsPerCase = 25;
#else
constexpr int kKillsPerCase = 100;
#endif
#else
constexpr int kKillsPerCase = 100;
#endif
constexpr int kWarmUpSaves = 2;
constexpr int kSavesBeforeKill = 5;  // after the warm-up, a kill comes within about this many saves
constexpr int kMaxSavesPerChild = 90;  // registration stops at 100 accounts
// In memory where the machine has it: what a killed process leaves does not
// depend on the disk, and the disk's flushes would make these saves take
// many seconds.
const std::string kFolderParent = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
const std::string kName = "\xD0\xC2\xBD\xA8\xBE\xB0\xB5\xE3";  // 新建景点 in GBK

// What the child tells the parent, in memory both share.
struct SaveProgress {
    std::atomic<int> started{0};   // the save under way, or the last one begun
    std::atomic<int> finished{0};  // the last save that returned
};

// One kind of save over files of its own folder. contentAfter(n) holds each
// file's bytes after saves 1 .. n (n = 0: the starting content); save(dir, n)
// performs save n.
struct SaveCase {
    const char* name;
    std::vector<std::string> files;
    std::function<std::vector<std::string>(int)> contentAfter;
    std::function<bool(const TempDir&, int)> save;
};

// A map table that differs in every save and in its length.
TextTable mapTable(int n, const std::string& kind) {
    TextTable table;
    table.count = 90 + n % 10;
    for (int i = 0; i < table.count; ++i)
        table.rows[i] = {kName + kind, kind, std::to_string(n), std::to_string(i * 7), std::to_string(i), "1000"};
    return table;
}

AccountStore fullStore(int n) {
    AccountStore store;
    store.accountCount = kMaxAccounts;
    for (int i = 0; i < kMaxAccounts; ++i) store.accounts[i] = {"user" + std::to_string(i), "pw" + std::to_string(n)};
    return store;
}

const std::string kUsersBefore = "a 1\r\nb 2";

std::string registered(int n) {
    std::string text = kUsersBefore;
    for (int k = 1; k <= n; ++k) text += "\r\nnew" + std::to_string(k) + " pw" + std::to_string(k);
    return text;
}

std::vector<SaveCase> saveCases() {
    return {
        {"map file",
         {"route.txt"},
         [](int n) { return std::vector<std::string>{mapFileText(mapTable(n, "r"))}; },
         [](const TempDir& dir, int n) { return writeMapFile(dir.file("route.txt"), mapTable(n, "r")); }},
        {"both map files",
         {"cross.txt", "route.txt"},
         [](int n) { return std::vector<std::string>{mapFileText(mapTable(n, "s")), mapFileText(mapTable(n, "r"))}; },
         [](const TempDir& dir, int n) {
             return writeBothMapFiles(dir.file("cross.txt"), mapTable(n, "s"), dir.file("route.txt"), mapTable(n, "r"));
         }},
        {"user-data table",
         {"users.txt"},
         [](int n) { return std::vector<std::string>{usersFileText(fullStore(n))}; },
         [](const TempDir& dir, int n) { return writeAccounts(dir.file("users.txt"), fullStore(n)); }},
        {"registration",
         {"users.txt"},
         [](int n) { return std::vector<std::string>{registered(n)}; },
         [](const TempDir& dir, int n) {
             AccountStore store;
             const std::wstring number = std::to_wstring(n);
             return registerAccount(dir.file("users.txt"), store, L"new" + number, L"pw" + number) ==
                    RegisterOutcome::Registered;
         }},
    };
}

void writeStartingContent(const TempDir& dir, const SaveCase& c) {
    const std::vector<std::string> bytes = c.contentAfter(0);
    for (size_t i = 0; i < c.files.size(); ++i) writeBytes(dir.file(c.files[i]), bytes[i]);
}

// Which of the two saves every file shows: `started` or `finished`, or -1
// when the files show different saves.
int shownSave(const TempDir& dir, const SaveCase& c, int finished, int started) {
    for (int n : {started, finished}) {
        const std::vector<std::string> bytes = c.contentAfter(n);
        bool all = true;
        for (size_t i = 0; i < c.files.size(); ++i) all = all && readBytes(dir.file(c.files[i])) == bytes[i];
        if (all) return n;
    }
    return -1;
}

// Each file on its own holds its content after save `finished` or, when a
// save was under way, after save `started`.
bool eachFileWhole(const TempDir& dir, const SaveCase& c, int finished, int started) {
    const std::vector<std::string> before = c.contentAfter(finished), after = c.contentAfter(started);
    for (size_t i = 0; i < c.files.size(); ++i) {
        const std::string bytes = readBytes(dir.file(c.files[i]));
        if (bytes.empty() || (bytes != before[i] && bytes != after[i])) return false;
    }
    return true;
}

std::set<std::string> folderEntries(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) names.insert(entry.path().filename());
    return names;
}

double secondsPerSave(const TempDir& dir, const SaveCase& c) {
    constexpr int kSaves = 5;
    writeStartingContent(dir, c);
    EXPECT_TRUE(c.save(dir, 1)) << c.name;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 2; n <= kSaves + 1; ++n) EXPECT_TRUE(c.save(dir, n)) << c.name;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kSaves;
}

// Saves from 1 on until killed; exit status 2 reports a failed save.
[[noreturn]] void saveUntilKilled(const TempDir& dir, const SaveCase& c, SaveProgress& progress) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    for (int n = 1; n <= kMaxSavesPerChild; ++n) {
        progress.started = n;
        if (!c.save(dir, n)) ::_exit(2);
        progress.finished = n;
    }
    ::_exit(0);
}

// Waited out busily: a sleep this short overshoots by more than a save lasts.
void waitFor(double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {}
}

// A child's first save is slow, its memory being copied as it is touched:
// the delay starts once it saves at full speed. Returns the child's status.
int killAfterWarmUp(pid_t child, double delay, const SaveProgress& progress) {
    int status = 0;
    while (progress.finished < kWarmUpSaves) {
        if (::waitpid(child, &status, WNOHANG) == child) return status;
        std::this_thread::yield();
    }
    waitFor(delay);
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return status;
}

struct KillCounts {
    int insideSave = 0;          // a save had begun and not returned
    int temporaryOnDisk = 0;     // a temporary file or a commit mark was left
    int disagreed = 0;           // files saved together held different saves
    int finishedByRecovery = 0;  // the recovery brought in the newer save
};

}  // namespace

TEST(KilledSaves, EveryFileIsWholeOldOrNewAndRecoveryLeavesNoTemporary) {
    std::mt19937 random(20240611);  // fixed random state, so runs repeat their delays
    void* shared = ::mmap(nullptr, sizeof(SaveProgress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    SaveProgress& progress = *new (shared) SaveProgress;

    std::vector<KillCounts> caseCounts;
    for (const SaveCase& c : saveCases()) {
        SCOPED_TRACE(c.name);
        TempDir dir(kFolderParent);
        const std::set<std::string> dataFiles(c.files.begin(), c.files.end());
        // The child saves back to back, so a kill at a random moment of its
        // next few saves lands at a random point of one: inside the writes
        // as often as they take their share of a save's time.
        std::uniform_real_distribution<double> delay(0.0, kSavesBeforeKill * secondsPerSave(dir, c));
        KillCounts& counts = caseCounts.emplace_back();
        for (int kill = 0; kill < kKillsPerCase; ++kill) {
            SCOPED_TRACE(kill);
            writeStartingContent(dir, c);
            progress.started = 0;
            progress.finished = 0;
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) saveUntilKilled(dir, c, progress);
            const int status = killAfterWarmUp(child, delay(random), progress);
            ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << "a save failed";
            const int finished = progress.finished, started = progress.started;
            const bool temporaryLeft = folderEntries(dir) != dataFiles;
            if (started > finished) ++counts.insideSave;
            if (temporaryLeft) ++counts.temporaryOnDisk;

            ASSERT_TRUE(eachFileWhole(dir, c, finished, started)) << "after the kill";
            const int before = shownSave(dir, c, finished, started);
            if (before < 0) ++counts.disagreed;

            recoverDataFiles(dir.file("cross.txt"), dir.file("route.txt"), dir.file("users.txt"));
            const int after = shownSave(dir, c, finished, started);
            ASSERT_GE(after, 0) << "the files disagree after the recovery";
            if (after != before) ++counts.finishedByRecovery;
            ASSERT_EQ(folderEntries(dir), dataFiles);
        }
        // The next save after a recovery finds nothing in its way.
        EXPECT_TRUE(c.save(dir, kMaxSavesPerChild + 1));
        std::cout << "[ killed   ] " << c.name << ": " << kKillsPerCase << " kills, " << counts.insideSave
                  << " inside a save, " << counts.temporaryOnDisk << " left a temporary file, " << counts.disagreed
                  << " left files disagreeing, " << counts.finishedByRecovery << " finished by the recovery\n";
    }
    // Kills must reach the writes themselves, not only the gaps between
    // saves. They do least often in a registration, whose reading takes most
    // of its time, so the check is over all cases together.
    int temporariesLeft = 0;
    for (const KillCounts& counts : caseCounts) temporariesLeft += counts.temporaryOnDisk;
    EXPECT_GT(temporariesLeft, 0);
    progress.~SaveProgress();
    ::munmap(shared, sizeof(SaveProgress));
}
