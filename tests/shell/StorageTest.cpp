#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
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

// A hold keeps writes from the file until the last hold ends; the store reads its own writes at
// once.
TEST(QSettingsStore, HeldWritesReachTheFileWhenTheLastHoldEnds) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Zyk Calc.ini");
    QSettingsStore store(file);
    // The file's own text: stores of one process share what they have not written yet.
    const auto onDisk = [&file] {
        QFile ini(file);
        if (!ini.open(QIODevice::ReadOnly)) {
            return -1;
        }
        const QByteArray text = ini.readAll();
        const qsizetype at = text.indexOf("Bkc=");
        return at < 0 ? -1 : text.mid(at + 4).split('\n').front().toInt();
    };
    {
        const QSettingsStore::WriteHold outer(store);
        {
            const QSettingsStore::WriteHold inner(store);
            store.WriteInt("Colors", "Bkc", 4141);
            store.WriteText("Folders", "Programs", "/p");
            EXPECT_EQ(store.ReadInt("Colors", "Bkc", -1), 4141);
        }
        EXPECT_EQ(onDisk(), -1) << "the outer hold still keeps it";
    }
    EXPECT_EQ(onDisk(), 4141);
    QFile ini(file);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Programs=/p")) << "every held write";
    store.WriteInt("Colors", "Bkc", 7);  // no hold: written at once
    EXPECT_EQ(onDisk(), 7);
    {
        const QSettingsStore::WriteHold unused(store);  // a hold without writes writes nothing
    }
    EXPECT_EQ(onDisk(), 7);
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
        // clang-format off
        {"build folder", "build", {"build/help", "build/images"}, false, nullptr, Expect::ExecutableFolder},
        {"portable copy", "zyk", {"zyk/help"}, false, nullptr, Expect::ExecutableFolder},
        {"installed prefix", "usr/bin", {"usr/share/zykcalc/help"}, false, nullptr, Expect::UserFolder},
        {"read-only folder", "ro", {"ro/help"}, true, nullptr, Expect::UserFolder},
        {"--data-dir beats an installed copy", "usr/bin", {"usr/share/zykcalc/help"}, false, "portable/data", Expect::DataDir},
        // clang-format on
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

std::filesystem::perms Mode(const std::filesystem::path& path) {
    return std::filesystem::status(path).permissions();
}

// A replace keeps what the user set up: the file's mode, and a link with the file it names.
TEST_F(AtomicFileTest, KeepsTheModeAndWritesThroughLinks) {
    using std::filesystem::perms;
    const auto real = m_folder / "real";
    std::filesystem::create_directory(real);
    struct Case {
        const char* what;
        std::function<void()> setUp;
        std::filesystem::path written;  // the file that must hold the new bytes
        perms mode;
    };
    const auto file = [&](const std::filesystem::path& path, perms mode) {
        ASSERT_FALSE(ReplaceFileContents(path, "old\r\n"));
        std::filesystem::permissions(path, mode);
    };
    const Case cases[] = {
        {"private file",
         [&] { file(m_folder / "UserEq.dat", perms::owner_read | perms::owner_write); },
         m_folder / "UserEq.dat", perms::owner_read | perms::owner_write},
        {"group-readable file",
         [&] {
             file(m_folder / "UserEq.dat",
                  perms::owner_read | perms::owner_write | perms::group_read);
         },
         m_folder / "UserEq.dat", perms::owner_read | perms::owner_write | perms::group_read},
        {"absolute link",
         [&] {
             file(real / "a.dat", perms::owner_read | perms::owner_write);
             std::filesystem::create_symlink(real / "a.dat", m_folder / "UserEq.dat");
         },
         real / "a.dat", perms::owner_read | perms::owner_write},
        {"relative link to a link",
         [&] {
             file(real / "b.dat", perms::owner_all);
             std::filesystem::create_symlink("b.dat", real / "b-link");
             std::filesystem::create_symlink("real/b-link", m_folder / "UserEq.dat");
         },
         real / "b.dat", perms::owner_all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(m_folder / "UserEq.dat");
        c.setUp();
        const bool isLink = std::filesystem::is_symlink(m_folder / "UserEq.dat");
        ASSERT_FALSE(ReplaceFileContents(m_folder / "UserEq.dat", "new\r\n"));
        std::string bytes;
        ASSERT_FALSE(ReadFileContents(c.written, bytes));
        EXPECT_EQ(bytes, "new\r\n");
        EXPECT_EQ(Mode(c.written), c.mode);
        EXPECT_EQ(std::filesystem::is_symlink(m_folder / "UserEq.dat"), isLink);
    }
    // A link to a file not yet there creates it; a link circle is refused and writes nothing.
    std::filesystem::remove(m_folder / "UserEq.dat");
    std::filesystem::create_symlink(real / "new.dat", m_folder / "UserEq.dat");
    ASSERT_FALSE(ReplaceFileContents(m_folder / "UserEq.dat", "x", perms::owner_read));
    EXPECT_EQ(Mode(real / "new.dat"), perms::owner_read);
    std::filesystem::create_symlink("loop-b", m_folder / "loop-a");
    std::filesystem::create_symlink("loop-a", m_folder / "loop-b");
    EXPECT_EQ(ReplaceFileContents(m_folder / "loop-a", "x"),
              std::errc::too_many_symbolic_link_levels);
    for (const auto& folder : {m_folder, real}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
                << entry.path();
        }
    }
}

TEST_F(AtomicFileTest, OnlyTheFilesOwnLeftoverTemporariesAreRemoved) {
    const std::vector<std::string> leftovers = {"UserEq.dat.tmp1", "UserEq.dat.tmp3870215364"};
    const std::vector<std::string> kept = {
        "UserEq.dat",      "UserEq.dat.tmp",   "UserEq.dat.tmp12x",  "UserEq.dat.tmpx12",
        "UserEq.old.tmp5", "XUserEq.dat.tmp5", "UserEq.dat.tmp7.bak"};
    for (const auto& name : leftovers) {
        ASSERT_FALSE(ReplaceFileContents(m_folder / name, "x"));
    }
    for (const auto& name : kept) {
        ASSERT_FALSE(ReplaceFileContents(m_folder / name, "x"));
    }
    std::filesystem::create_directory(m_folder / "UserEq.dat.tmp99");
    RemoveLeftoverTemporaries(m_folder, "UserEq.dat");
    for (const auto& name : leftovers) {
        EXPECT_FALSE(std::filesystem::exists(m_folder / name)) << name;
    }
    for (const auto& name : kept) {
        EXPECT_TRUE(std::filesystem::exists(m_folder / name)) << name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "UserEq.dat.tmp99"));
}

}  // namespace
}  // namespace zyk
