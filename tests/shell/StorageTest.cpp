#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <vector>

#include <unistd.h>

#include "shell/AtomicFile.h"
#include "shell/qt/ProgramFolder.h"
#include "shell/qt/QSettingsStore.h"
#include "support/TempFolder.h"

namespace zyk {
namespace {

const std::string kMinusTwoAndAHalf = std::string(1, '\xAD') + "2.5";

TEST(QSettingsStore, ValuesSurviveANewStoreOnTheSameFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("Zyk Calc.ini");
    {
        QSettingsStore store(file);
        store.WriteInt("Display", "Format", 503);
        store.WriteText("User Constants", "1", kMinusTwoAndAHalf);
        store.WriteText("Folders", "Programs", "/tmp/Caf\xE9 Programs");
    }
    QSettingsStore again(file);
    EXPECT_EQ(again.ReadInt("Display", "Format", 501), 503);
    EXPECT_EQ(again.ReadText("User Constants", "1", "0"), kMinusTwoAndAHalf);
    EXPECT_EQ(again.ReadText("Folders", "Programs", ""), "/tmp/Caf\xE9 Programs");
    EXPECT_EQ(again.ReadText("User Constants", "7", "0"), "0");
    EXPECT_EQ(again.ReadInt("Settings", "Left", 150), 150);
}

TEST(QSettingsStore, EntriesSpoiledByHandReadAsTheirDefaults) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Zyk Calc.ini");
    QFile ini(file);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Display]\nDecimals=ten\nFormat=\" 502 \"\n[Settings]\nLeft=0x20\n");
    ini.close();
    QSettingsStore store(file);
    EXPECT_EQ(store.ReadInt("Display", "Decimals", 10), 10);
    EXPECT_EQ(store.ReadInt("Display", "Format", 501), 502);
    EXPECT_EQ(store.ReadInt("Settings", "Left", 150), 32);
}

// Where each kind of copy keeps its data files: the build folder and a portable copy beside
// the executable, an installed copy in the user's data folder (also when it may write beside
// the executable, as root may), --data-dir wherever it points.
TEST(ProgramFolder, EachKindOfCopyKeepsItsDataWhereItsUserExpects) {
    enum class Expect { ExecutableFolder, UserFolder, DataDir };
    struct Row {
        const char* name;
        const char* executableDir;  // relative to the temporary root
        std::vector<const char*> folders;
        bool readOnly;
        const char* dataDir;  // relative, or nullptr
        Expect expect;
    };
    const Row rows[] = {
        {"build folder",
         "build",
         {"build/help", "build/images"},
         false,
         nullptr,
         Expect::ExecutableFolder},
        {"portable copy", "zyk", {"zyk/help"}, false, nullptr, Expect::ExecutableFolder},
        {"installed prefix",
         "usr/bin",
         {"usr/share/zykcalc/help"},
         false,
         nullptr,
         Expect::UserFolder},
        {"read-only folder", "ro", {"ro/help"}, true, nullptr, Expect::UserFolder},
        {"--data-dir beats an installed copy",
         "usr/bin",
         {"usr/share/zykcalc/help"},
         false,
         "portable/data",
         Expect::DataDir},
    };
    for (const Row& row : rows) {
        QTemporaryDir dir;
        QDir root(dir.path());
        root.mkpath(row.executableDir);
        for (const char* folder : row.folders) {
            root.mkpath(folder);
        }
        const QString exe = root.filePath(row.executableDir);
        if (row.readOnly) {
            QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner);
        }
        const QString user = root.filePath("home/data");
        const QString data = row.dataDir ? root.filePath(row.dataDir) : QString();
        const ProgramFolder folder = ResolveProgramFolder(data, exe, user);
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        switch (row.expect) {
            case Expect::ExecutableFolder:
                EXPECT_EQ(folder.path, QDir(exe).absolutePath()) << row.name;
                EXPECT_TRUE(folder.settingsFile.isEmpty()) << row.name;
                break;
            case Expect::UserFolder:
                // Root may write anywhere: a read-only folder only counts for other users.
                if (row.readOnly && ::geteuid() == 0) {
                    break;
                }
                EXPECT_EQ(folder.path, QDir(user).absolutePath()) << row.name;
                EXPECT_TRUE(QDir(user).exists()) << row.name;
                EXPECT_TRUE(folder.settingsFile.isEmpty()) << row.name;
                break;
            case Expect::DataDir:
                EXPECT_TRUE(QDir(data).exists()) << row.name;
                EXPECT_EQ(folder.path, QDir(data).absolutePath()) << row.name;
                EXPECT_EQ(folder.settingsFile, folder.path + "/Zyk Calc.ini") << row.name;
                break;
        }
    }
}

class AtomicFileTest : public ::testing::Test {
protected:
    test::TempFolder m_temp;
    const std::filesystem::path m_folder = m_temp.Path();
};

TEST_F(AtomicFileTest, ReplacesContentsAndLeavesNoTemporaryFile) {
    const auto target = m_folder / "UserEq.dat";
    ASSERT_FALSE(ReplaceFileContents(target, "first\r\n"));
    ASSERT_FALSE(ReplaceFileContents(target, std::string("second\r\n\xB7sqrt\r\n")));
    std::string bytes;
    ASSERT_FALSE(ReadFileContents(target, bytes));
    EXPECT_EQ(bytes, "second\r\n\xB7sqrt\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(AtomicFileTest, AFolderThatIsMissingReportsAnErrorAndWritesNothing) {
    const auto target = m_folder / "missing" / "UserEq.dat";
    EXPECT_TRUE(ReplaceFileContents(target, "x"));
    EXPECT_FALSE(std::filesystem::exists(target));
    std::string bytes;
    EXPECT_EQ(ReadFileContents(target, bytes), std::errc::no_such_file_or_directory);
}

}  // namespace
}  // namespace zyk
