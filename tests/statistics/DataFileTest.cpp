#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/AtomicFile.h"
#include "statistics/DataFile.h"
#include "support/TempFolder.h"

namespace zyk {
namespace {

using Lines = std::vector<std::string>;

TEST(DataFile, LinesEndAtLfWithOrWithoutCr) {
    const struct {
        std::string bytes;
        Lines lines;
    } rows[] = {
        {"", {}},
        {"3\r\n1\r\n2\r\n", {"3", "1", "2"}},
        {"3\n1\n2", {"3", "1", "2"}},  // LF only, last line without a line end
        {"1\r\n\r\n2\r\n", {"1", "", "2"}},
        {"\n", {""}},
        {"1;2\r\n3\r\n", {"1;2", "3"}},
        {"a\rb\r\n", {"a\rb"}},  // a lone CR stays in the line
        {"\xB7\xA6\r\n", {"\xB7\xA6"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(SplitDataLines(row.bytes), row.lines) << row.bytes.size();
    }
}

TEST(DataFile, WritesCrLfAndReadsBackWhatItWrote) {
    const test::TempFolder folder;
    const auto path = folder.Path() / "values.ssd";
    const Lines lines = {"1", "", "2,5", "10.2;30", "\xB0"};
    ASSERT_FALSE(WriteDataFile(path, lines));
    std::string bytes;
    ASSERT_FALSE(ReadFileContents(path, bytes));
    EXPECT_EQ(bytes, "1\r\n\r\n2,5\r\n10.2;30\r\n\xB0\r\n");
    EXPECT_EQ(ReadDataFile(path), lines);

    ASSERT_FALSE(WriteDataFile(path, {}));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(ReadDataFile(folder.Path() / "missing.ssd"), std::nullopt);
    EXPECT_TRUE(WriteDataFile(folder.Path() / "no" / "such.ssd", lines));
}

}  // namespace
}  // namespace zyk
