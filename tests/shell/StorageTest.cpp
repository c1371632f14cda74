#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>

#include "shell/AtomicFile.h"
#include "shell/ui/ProgramFolder.h"
#include "shell/ui/QSettingsStore.h"
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

TEST(ProgramFolder, DataDirIsCreatedAndHoldsTheSettingsFile) {
    QTemporaryDir dir;
    const QString data = dir.filePath("portable/data");
    const ProgramFolder folder = ResolveProgramFolder(data, QString());
    EXPECT_TRUE(QDir(data).exists());
    EXPECT_EQ(folder.path, QDir(data).absolutePath());
    EXPECT_EQ(folder.settingsFile, folder.path + "/Zyk Calc.ini");
}

TEST(ProgramFolder, WritableExecutableFolderIsUsedWithTheUsersOwnSettings) {
    QTemporaryDir dir;
    const ProgramFolder folder = ResolveProgramFolder(QString(), dir.path());
    EXPECT_EQ(folder.path, QDir(dir.path()).absolutePath());
    EXPECT_TRUE(folder.settingsFile.isEmpty());
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
