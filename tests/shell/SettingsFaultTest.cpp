// The settings file under faults: writes that cannot reach it, and calculators writing it at the
// same time.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "shell/qt/QSettingsStore.h"
#include "support/ChildProcess.h"
#include "support/TempFolder.h"

namespace zyk::test {
namespace {

const std::string kStart = "Your settings could not be saved in\n\n";
const std::string kEnd = "\n\nWhat you change now lasts only until Zyk Calc closes.";

class SettingsFaultTest : public ::testing::Test {
protected:
    QString Ini() const { return QString::fromStdString(m_ini.string()); }
    // Every memory entry present, so that storing one digit keeps the file's size.
    void WriteTenMemories() const {
        QSettingsStore store(Ini());
        for (char digit = '0'; digit <= '9'; ++digit) {
            store.WriteText("User Constants", std::string(1, digit), "0");
        }
    }

    TempFolder m_temp;
    const std::filesystem::path m_ini = m_temp.Path() / "Zyk Calc.ini";
};

// A store that cannot write says so (once per run of failures), keeps the old file and still
// reads back what was stored in this run.
TEST_F(SettingsFaultTest, WritesThatCannotBeStoredAreReportedAndKeepTheOldFile) {
    struct Case {
        const char* what;
        std::function<void()> spoil, repair;
        bool asUser;
        std::function<void()> limit;  // in the child, before the writes
        std::string reason;
    };
    const auto folder = m_temp.Path();
    using std::filesystem::perms;
    const Case cases[] = {
        {"read-only folder",
         [&] {
             std::filesystem::permissions(
                 folder,
                 perms::all & ~(perms::owner_write | perms::group_write | perms::others_write));
         },
         [&] { std::filesystem::permissions(folder, perms::owner_all); }, true, [] {},
         "The folder cannot be written to."},
        {"full disk", [] {}, [] {}, false,
         [] {
             signal(SIGXFSZ, SIG_IGN);
             const rlimit small{16, 16};
             setrlimit(RLIMIT_FSIZE, &small);
         },
         "The disk may be full."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        { QSettingsStore(Ini()).WriteText("User Constants", "1", "4"); }
        const std::string before = FileBytes(m_ini);
        c.spoil();
        const auto seen = RunInChild(
            [&] {
                c.limit();
                QSettingsStore store(Ini());
                std::string told;
                store.SetWriteFailureHandler([&](const std::string& message) { told += message; });
                store.WriteText("User Constants", "1", "5.25");
                store.WriteText("User Constants", "2", "7");  // still failing: not told again
                return told + "|" + store.ReadText("User Constants", "1", "0") + "|" +
                       (store.WriteFailed() ? "failed" : "stored");
            },
            c.asUser);
        c.repair();
        ASSERT_TRUE(seen.has_value());
        EXPECT_EQ(seen->rfind(kStart + m_ini.string() + "\n\n", 0), 0u) << *seen;
        EXPECT_NE(seen->find(c.reason + kEnd + "|5.25|failed"), std::string::npos) << *seen;
        EXPECT_EQ(FileBytes(m_ini), before);
    }
}

// Writes held through the window's start fail when the hold ends, before the window listens:
// the failure is told when it does, then once more only after a write worked in between.
TEST_F(SettingsFaultTest, AFolderInTheFilesPlaceIsToldOncePerRunOfFailures) {
    std::filesystem::create_directories(m_ini / "inside");
    QSettingsStore store(Ini());
    {
        const QSettingsStore::WriteHold hold(store);
        store.WriteInt("Colors", "Bkc", 4141);
        store.WriteText("Folders", "Programs", "/p");
    }
    std::vector<std::string> told;
    store.SetWriteFailureHandler([&](const std::string& message) { told.push_back(message); });
    store.WriteInt("Settings", "Left", 20);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], kStart + m_ini.string() + "\n\nA folder has the file's name." + kEnd);
    EXPECT_TRUE(std::filesystem::is_directory(m_ini / "inside"));
    EXPECT_EQ(store.ReadText("Folders", "Programs", ""), "/p");

    std::filesystem::remove_all(m_ini);
    store.WriteInt("Settings", "Left", 30);
    EXPECT_EQ(told.size(), 1u);
    EXPECT_EQ(QSettingsStore(Ini()).ReadInt("Colors", "Bkc", 0), 4141);
    std::filesystem::remove(m_ini);
    std::filesystem::create_directory(m_ini);
    store.WriteInt("Settings", "Left", 40);
    EXPECT_EQ(told.size(), 2u);
    EXPECT_TRUE(store.WriteFailed());
}

// Another calculator's write of the same size within one tick of the file system's clock must
// still be seen: the test sets the file's time back to make the tick certain.
TEST_F(SettingsFaultTest, AnotherCalculatorsWriteWithinOneClockTickIsKept) {
    WriteTenMemories();
    QSettingsStore mine(Ini());
    mine.WriteText("User Constants", "1", "5");
    struct stat afterMine {};
    ASSERT_EQ(stat(m_ini.c_str(), &afterMine), 0);
    const auto other = RunInChild([&] {
        QSettingsStore store(Ini());
        store.WriteText("User Constants", "2", "6");
        return std::string(store.WriteFailed() ? "failed" : "stored");
    });
    ASSERT_EQ(other, "stored");
    const timespec times[2] = {afterMine.st_atim, afterMine.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, m_ini.c_str(), times, 0), 0);

    mine.WriteText("User Constants", "3", "7");
    QSettingsStore fresh(Ini());
    EXPECT_EQ(fresh.ReadText("User Constants", "1", ""), "5");
    EXPECT_EQ(fresh.ReadText("User Constants", "2", ""), "6");
    EXPECT_EQ(fresh.ReadText("User Constants", "3", ""), "7");
    EXPECT_EQ(mine.ReadText("User Constants", "2", ""), "6");
}

// Nine calculators store a memory each at the same moment: all nine are kept.
TEST_F(SettingsFaultTest, SimultaneousMemoryStoresKeepEveryMemory) {
    WriteTenMemories();
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> writers;
    for (char digit = '1'; digit <= '9'; ++digit) {
        const pid_t child = fork();
        if (child == 0) {
            close(start[1]);
            QSettingsStore store(Ini());
            store.ReadText("User Constants", "0", "");  // each has read the file before
            char go = 0;
            const bool released = read(start[0], &go, 1) == 0;
            store.WriteText("User Constants", std::string(1, digit), std::string(1, digit));
            _exit(released && !store.WriteFailed() ? 0 : 1);
        }
        ASSERT_GT(child, 0);
        writers.push_back(child);
    }
    close(start[0]);
    close(start[1]);
    for (const pid_t child : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    QSettingsStore store(Ini());
    for (char digit = '1'; digit <= '9'; ++digit) {
        EXPECT_EQ(store.ReadText("User Constants", std::string(1, digit), ""),
                  std::string(1, digit));
    }
    EXPECT_FALSE(std::filesystem::exists(m_ini.string() + ".update.lock"));
}

}  // namespace
}  // namespace zyk::test
