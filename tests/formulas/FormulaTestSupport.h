#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/AtomicFile.h"
#include "shell/UserMessages.h"

namespace zyk::testing_support {

// Records every message box the core shows.
class RecordingMessages : public UserMessages {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons) override {
        m_shown.push_back({std::string(text), std::string(caption), icon});
        return MessageAnswer::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        ADD_FAILURE() << "the formulas core never asks for text itself";
        return std::nullopt;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& shown : m_shown) {
            texts.push_back(shown.text);
        }
        return texts;
    }
    const std::vector<Shown>& All() const { return m_shown; }
    void Clear() { m_shown.clear(); }

private:
    std::vector<Shown> m_shown;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zyk-formulas-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    std::string ReadBytes(const std::string& name) const {
        std::string bytes;
        EXPECT_FALSE(ReadFileContents(m_folder / name, bytes)) << name;
        return bytes;
    }
    void WriteBytes(const std::string& name, const std::string& bytes) const {
        ASSERT_FALSE(ReplaceFileContents(m_folder / name, bytes)) << name;
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(m_folder / name); }
    // A path whose parent is a regular file: every open below it fails with "not a directory",
    // even for root.
    std::filesystem::path FolderBelowAFile() const {
        const auto file = m_folder / "plain-file";
        EXPECT_FALSE(ReplaceFileContents(file, "x"));
        return file / "data";
    }

    std::filesystem::path m_folder;
    RecordingMessages m_messages;
};

// Joins lines with CR LF after each, as the data files are written.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line + "\r\n";
    }
    return out;
}

}  // namespace zyk::testing_support
