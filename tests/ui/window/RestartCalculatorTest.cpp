#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "app/RestartProgram.h"
#include "support/RecordingMessages.h"

namespace zyk {
namespace {

TEST(RestartCalculator, FailureSaysWhy) {
    const struct {
        const char* file;  // relative to a temporary folder
        bool create, executable;
        const char* reason;
    } rows[] = {
        {"zykcalc", false, false, "The specified file was not found."},
        {"gone/zykcalc", false, false, "The specified path was not found."},
        {"zykcalc", true, false, "The operating system denied\naccess to the specified file."},
        {"zykcalc", true, true,
         "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        QTemporaryDir dir;
        const QString program = dir.filePath(QString::fromUtf8(row.file));
        if (row.create) {
            QFile file(program);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not a program");
            file.close();
            file.setPermissions(row.executable ? (QFile::ReadOwner | QFile::ExeOwner)
                                               : QFile::ReadOwner);
        }
        test::RecordingMessages messages;
        EXPECT_FALSE(RestartCalculator(program, dir.path(), messages));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  std::string("Can't open the calculator:\n\n") + row.reason);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    }
}

TEST(RestartCalculator, RealProgramStartsWithoutAMessage) {
    test::RecordingMessages messages;
    EXPECT_TRUE(RestartCalculator(QStringLiteral("/bin/true"), QStringLiteral("/"), messages));
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace zyk
