#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/AtomicFile.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

namespace zyk::test {

using Lines = std::vector<std::string>;

// Joins lines with CR LF after each, as the data files are written.
inline std::string CrLfLines(const Lines& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\r\n";
    }
    return out;
}

// A fresh temporary folder and recorded messages for each test.
class TempFolderTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(m_messages.questions, std::vector<std::string>{})
            << "the formulas core never asks for text itself";
    }

    std::string ReadBytes(const std::string& name) const {
        std::string bytes;
        EXPECT_FALSE(ReadFileContents(m_folder / name, bytes)) << name;
        return bytes;
    }
    void WriteBytes(const std::string& name, const std::string& bytes) const {
        ASSERT_FALSE(ReplaceFileContents(m_folder / name, bytes)) << name;
    }
    void WriteRecords(const std::string& name, const std::string& header, Lines lines) const {
        lines.insert(lines.begin(), header);
        WriteBytes(name, CrLfLines(lines));
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(m_folder / name); }
    // A path whose parent is a regular file: every open below it fails with "not a directory",
    // even for root.
    std::filesystem::path FolderBelowAFile() const {
        const auto file = m_folder / "plain-file";
        EXPECT_FALSE(ReplaceFileContents(file, "x"));
        return file / "data";
    }

    TempFolder m_temp;
    const std::filesystem::path m_folder = m_temp.Path();
    RecordingMessages m_messages;
};

}  // namespace zyk::test
