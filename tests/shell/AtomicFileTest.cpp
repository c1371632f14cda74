#include <gtest/gtest.h>

#include <filesystem>

#include "shell/AtomicFile.h"
#include "support/TempFolder.h"

namespace zyk {
namespace {

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
