// The data files under faults: unreadable and replaced files, concurrent saves, and writers
// killed at random moments.

#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "FormulaTestSupport.h"
#include "formulas/CUserConstantFile.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/ConstantsList.h"
#include "formulas/DataFolderCleanup.h"
#include "support/ChildProcess.h"

namespace zyk::test {
namespace {

const std::string kFormulaHeader = "0015: User formulas to be used with Zyk Calculator!";
const std::string kConstantHeader = "1025: User constants to be used with Zyk Calculator!";
const std::string kCannotAccess = "Can't open file:\n\nThe file could not be accessed.";

std::string Joined(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) {
        out += text + "|";
    }
    return out;
}

// Names of the folder's entries that a write left behind ("<name>.tmp<digits>").
std::set<std::string> Temporaries(const std::filesystem::path& folder) {
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".tmp") != std::string::npos) {
            found.insert(name);
        }
    }
    return found;
}

class DataFileFaultTest : public TempFolderTest {};

// Only a missing or corrupt constants file may make way for the defaults: one that exists but
// cannot be read keeps every byte, and the window lists nothing rather than the defaults.
TEST_F(DataFileFaultTest, UnreadableConstantsFileIsReportedAndNeverReplaced) {
    const std::string own = CrLfLines({kConstantHeader, "Mine", "my", "42"});
    std::filesystem::permissions(m_folder, std::filesystem::perms::all);
    struct Case {
        const char* what;
        std::function<void()> spoil;
        bool asUser;  // read by a process that mode 000 keeps out
    };
    const Case cases[] = {
        {"mode 000",
         [&] {
             std::filesystem::permissions(m_folder / "UserConstants.dat",
                                          std::filesystem::perms::none);
         },
         true},
        {"folder in the file's place",
         [&] {
             std::filesystem::remove(m_folder / "UserConstants.dat");
             std::filesystem::create_directories(m_folder / "UserConstants.dat" / "inside");
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(m_folder / "UserConstants.dat");
        WriteBytes("UserConstants.dat", own);
        c.spoil();
        const auto seen = RunInChild(
            [&] {
                RecordingMessages messages;
                ConstantsList list(m_folder, messages);
                list.Add({"Added", "ad", "1"});
                return Joined(messages.Texts()) + std::to_string(list.Constants().size());
            },
            c.asUser);
        ASSERT_TRUE(seen.has_value()) << "the child could not run as an unprivileged user";
        // Start-up, then Add's append and its reading again: each reports, none writes.
        EXPECT_EQ(*seen, Joined({kCannotAccess, kCannotAccess, kCannotAccess}) + "0");
        EXPECT_FALSE(Exists("UserConstants.bad"));
        if (c.asUser) {
            std::filesystem::permissions(m_folder / "UserConstants.dat",
                                         std::filesystem::perms::owner_read);
            EXPECT_EQ(ReadBytes("UserConstants.dat"), own);
        } else {
            EXPECT_TRUE(std::filesystem::is_directory(m_folder / "UserConstants.dat" / "inside"));
        }
        EXPECT_TRUE(Temporaries(m_folder).empty());
    }
}

// A save that cannot be written says why and leaves the file as it was, with no temporary file.
TEST_F(DataFileFaultTest, FailedSaveAsKeepsTheOldFile) {
    const std::string before = CrLfLines({kFormulaHeader, "A", "a=1", "[a]=1"});
    struct Case {
        const char* what;
        std::function<void()> spoil, repair;
        bool asUser;
        std::function<void()> limit;  // run in the child before the save
        std::string message;
    };
    const Case cases[] = {
        {"read-only folder",
         [&] {
             using std::filesystem::perms;
             std::filesystem::permissions(
                 m_folder,
                 perms::all & ~(perms::owner_write | perms::group_write | perms::others_write));
         },
         [&] { std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all); }, true,
         [] {}, kCannotAccess},
        {"full disk", [] {}, [] {}, false,
         [] {
             // Writes past 64 bytes fail as on a full disk (EFBIG rather than a signal).
             signal(SIGXFSZ, SIG_IGN);
             const rlimit small{64, 64};
             setrlimit(RLIMIT_FSIZE, &small);
         },
         "Can't open file:\n\nThe disk is full. "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("UserEq.dat", before);
        c.spoil();
        const auto seen = RunInChild(
            [&] {
                c.limit();
                RecordingMessages messages;
                CUserFormulaFile(m_folder, messages).AppendRecord({"N", "n=2", "[n]=2"});
                return Joined(messages.Texts());
            },
            c.asUser);
        c.repair();
        ASSERT_TRUE(seen.has_value());
        EXPECT_EQ(*seen, Joined({c.message}));
        EXPECT_EQ(ReadBytes("UserEq.dat"), before);
        EXPECT_TRUE(Temporaries(m_folder).empty());
    }
}

// The outdated formula file is copied to UserEq.old before it is replaced: at no moment is there
// no UserEq.dat, and the copy is complete before the new file takes the name.
TEST_F(DataFileFaultTest, RenewalNeverLeavesTheFormulaFileMissing) {
    const std::string outdated = CrLfLines({"0014: older header", "A", "a=1", "[a]=1"});
    WriteBytes("UserEq.dat", outdated);
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, m_folder.c_str(), IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE),
              0);

    std::vector<FormulaRecord> formulas;
    CUserFormulaFile(m_folder, m_messages).ReadInto(formulas);

    std::vector<std::string> events;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n = 0; (n = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* p = buffer; p < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(p);
            const std::string name = event->len > 0 ? event->name : "";
            if (name.find(".tmp") == std::string::npos) {
                events.push_back((event->mask & IN_MOVED_TO ? "in " : "out ") + name);
            }
            p += sizeof(inotify_event) + event->len;
        }
    }
    close(watch);
    EXPECT_EQ(events, (std::vector<std::string>{"in UserEq.old", "in UserEq.dat"}));
    EXPECT_EQ(ReadBytes("UserEq.old"), outdated);
    EXPECT_EQ(ReadBytes("UserEq.dat"), kFormulaHeader + "\r\n");
}

// Twenty calculators press Save As on one data folder at the same moments: every formula stays.
TEST_F(DataFileFaultTest, SimultaneousSaveAsKeepsEveryRecord) {
    constexpr int kWriters = 20;
    constexpr int kSavesEach = 1;
    constexpr int kExisting = 10000;
    // A long file keeps each save busy long enough for the saves to overlap.
    Lines existing;
    for (int i = 0; i < kExisting; ++i) {
        const std::string number = std::to_string(i);
        existing.insert(existing.end(), {"Old" + number, "o=" + number, "[o]=" + number});
    }
    WriteRecords("UserEq.dat", kFormulaHeader, existing);
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> writers;
    for (int i = 0; i < kWriters; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            close(start[1]);
            char go = 0;
            const bool released = read(start[0], &go, 1) == 0;
            RecordingMessages messages;
            bool saved = true;
            for (int k = 0; k < kSavesEach; ++k) {
                const std::string number = std::to_string(i * kSavesEach + k);
                saved = CUserFormulaFile(m_folder, messages)
                            .AppendRecord({"F" + number, "y=" + number, "[y]=" + number}) &&
                        saved;
            }
            _exit(released && saved && messages.shown.empty() ? 0 : 1);
        }
        ASSERT_GT(child, 0);
        writers.push_back(child);
    }
    close(start[0]);
    close(start[1]);  // end of file releases all of them at once
    for (const pid_t child : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::vector<FormulaRecord> formulas;
    ASSERT_TRUE(CUserFormulaFile(m_folder, m_messages).ReadInto(formulas));
    ASSERT_EQ(formulas.size(), kExisting + kWriters * kSavesEach);
    std::set<std::string> names;
    for (std::size_t i = 0; i < formulas.size(); ++i) {
        names.insert(formulas[i].name);
        if (i >= kExisting) {
            ASSERT_EQ(formulas[i].displayForm, "y=" + formulas[i].name.substr(1)) << i;
        }
    }
    EXPECT_EQ(names.size(), formulas.size());
    EXPECT_TRUE(Temporaries(m_folder).empty());
}

// A calculator killed at a random moment of renewing, saving a formula and adding a constant
// leaves each file with its old or its new contents, and the next start sweeps up its temporary
// files.
TEST_F(DataFileFaultTest, KilledWritesLeaveEveryFileOldOrNew) {
    constexpr int kRounds = 50;
    // On a busy machine a child may be killed before it ran at all, round after round: further
    // rounds then go on until the kills met the sequence at two different points.
    constexpr int kMostRounds = 500;
    const std::string outdated = CrLfLines({"0014: older header", "A", "a=1", "[a]=1"});
    const std::string renewed = kFormulaHeader + "\r\n";
    const std::string saved = renewed + CrLfLines({"N", "n=2", "[n]=2"});
    const std::string constants = CrLfLines({kConstantHeader, "Pi", "pi", "3.14"});
    const std::string added = constants + CrLfLines({"Two", "two", "2"});
    const auto run = [&] {
        const pid_t child = fork();
        if (child == 0) {
            RecordingMessages messages;
            std::vector<FormulaRecord> formulas;
            CUserFormulaFile(m_folder, messages).ReadInto(formulas);
            CUserFormulaFile(m_folder, messages).AppendRecord({"N", "n=2", "[n]=2"});
            CUserConstantFile(m_folder, messages).AppendRecord({"Two", "two", "2"});
            _exit(0);
        }
        return child;
    };
    const auto setUp = [&] {
        std::filesystem::remove(m_folder / "UserEq.old");
        WriteBytes("UserEq.dat", outdated);
        WriteBytes("UserConstants.dat", constants);
    };

    // An undisturbed run tells how long the whole sequence takes.
    setUp();
    const auto begin = std::chrono::steady_clock::now();
    const pid_t whole = run();
    ASSERT_GT(whole, 0);
    ASSERT_EQ(waitpid(whole, nullptr, 0), whole);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - begin);
    ASSERT_EQ(ReadBytes("UserEq.dat"), saved);
    ASSERT_EQ(ReadBytes("UserConstants.dat"), added);

    std::mt19937 random(20240611);
    std::uniform_int_distribution<long> moment(0, span.count() * 5 / 4);
    std::set<std::string> outcomes;
    for (int round = 0; round < kRounds || (outcomes.size() < 2 && round < kMostRounds); ++round) {
        SCOPED_TRACE(round);
        setUp();
        const pid_t child = run();
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);

        const std::string formulas = ReadBytes("UserEq.dat");
        EXPECT_TRUE(formulas == outdated || formulas == renewed || formulas == saved) << formulas;
        if (formulas != outdated) {
            EXPECT_EQ(ReadBytes("UserEq.old"), outdated);
        } else if (Exists("UserEq.old")) {
            EXPECT_EQ(ReadBytes("UserEq.old"), outdated);
        }
        const std::string constantFile = ReadBytes("UserConstants.dat");
        EXPECT_TRUE(constantFile == constants || constantFile == added) << constantFile;
        outcomes.insert(formulas + constantFile);

        RemoveDataFileLeftovers(m_folder);
        EXPECT_TRUE(Temporaries(m_folder).empty());
    }
    // The kills met the sequence at different points, not all before or all after it.
    EXPECT_GT(outcomes.size(), 1u);
}

}  // namespace
}  // namespace zyk::test
