// The Options dialog's rules that need no window: the folder check and creation, and the size
// list of the calculator font.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "shell/FolderPath.h"
#include "shell/FontSizes.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

namespace zyk {
namespace {

namespace fs = std::filesystem;

TEST(FolderPath, SyntaxOfEachComponent) {
    struct Row {
        const char* path;
        bool valid;
    };
    const Row rows[] = {
        {"/", true},
        {"/home/me/data", true},
        {"/home/me/my stats/", true},
        {"/home/me/v1.2", true},
        {"", false},
        {"home/me", false},         // not absolute (the drive letter's place)
        {"/home//me", false},       // an empty component
        {"/home/me /data", false},  // ends with a blank
        {"/home/ me", false},       // begins with a blank
        {"/home/me\t", false},      // ends with a tab
        {"/home/.hidden", false},   // begins with '.'
        {"/home/data.", false},     // ends with '.'
        {"/home/..", false},
        {"/home/a:b", false},
        {"/home/a*b", false},
        {"/home/a?b", false},
        {"/home/\"quoted\"", false},
        {"/home/a<b>", false},
        {"/home/a|b", false},
        {"/home/a\\b", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(folder_path::CheckSyntax(row.path) == folder_path::Check::Valid, row.valid)
            << "'" << row.path << "'";
    }
}

TEST(FolderPath, MissingFoldersAreCreatedAfterAskingOrReportedWhenTheyCannotBe) {
    test::TempFolder temp;
    const fs::path root = temp.Path();
    fs::create_directory(root / "locked");
    ::chmod((root / "locked").c_str(), 0500);
    const bool canBypassModes = ::geteuid() == 0;                // root writes into any folder
    std::FILE* file = std::fopen((root / "file").c_str(), "w");  // no folder can go below it
    ASSERT_NE(file, nullptr);
    std::fclose(file);

    struct Row {
        std::string path;
        MessageAnswer answer;  // to the question, when it comes
        folder_path::Outcome outcome;
        std::string message;  // the start of the message shown, "" for none
    };
    const Row rows[] = {
        {root.string(), MessageAnswer::Yes, folder_path::Outcome::Ready, ""},
        {(root / "a").string(), MessageAnswer::Yes, folder_path::Outcome::Ready,
         "The folder:\n\n" + (root / "a").string() + "\n\ndoes not exist."},
        {(root / "b" / "my stats").string(), MessageAnswer::Yes, folder_path::Outcome::Ready,
         "The folder:\n\n"},
        {(root / "c").string(), MessageAnswer::No, folder_path::Outcome::Declined, "The folder:"},
        {(root / "bad " / "x").string(), MessageAnswer::Yes, folder_path::Outcome::Invalid,
         "The folder:\n\n" + (root / "bad " / "x").string() + "\n\nis invalid. Please reenter."},
        {(root / "file" / "x").string(), MessageAnswer::Yes, folder_path::Outcome::NotCreated,
         "The folder:\n\n" + (root / "file" / "x").string() +
             "\n\ncan not be created. Please double check."},
    };
    for (const Row& row : rows) {
        test::RecordingMessages messages;
        messages.answer = row.answer;
        EXPECT_EQ(folder_path::CheckAndCreate(row.path, messages), row.outcome) << row.path;
        if (row.message.empty()) {
            EXPECT_TRUE(messages.shown.empty()) << row.path;
        } else {
            ASSERT_FALSE(messages.shown.empty()) << row.path;
            EXPECT_EQ(messages.shown.back().text.rfind(row.message, 0), 0u)
                << messages.shown.back().text;
        }
        EXPECT_EQ(fs::is_directory(row.path), row.outcome == folder_path::Outcome::Ready)
            << row.path;
    }
    // Two levels created at once, from the top down.
    EXPECT_TRUE(fs::is_directory(root / "b"));

    // A parent that may not be written to: the component cannot be created.
    if (!canBypassModes) {
        test::RecordingMessages messages;
        messages.answer = MessageAnswer::Yes;
        EXPECT_EQ(folder_path::CheckAndCreate((root / "locked" / "x").string(), messages),
                  folder_path::Outcome::NotCreated);
    }
    ::chmod((root / "locked").c_str(), 0700);
}

TEST(FontSizes, ScalableFontsOfferTheFixedListBitmapFontsTheirOwn) {
    EXPECT_EQ(font_sizes::ForFont(true, {7, 13}),
              (std::vector<int>{6, 8, 9, 10, 11, 12, 14, 16, 18, 20}));
    EXPECT_EQ(font_sizes::ForFont(false, {10, 8, 10, 0, 12}), (std::vector<int>{8, 10, 12}));

    struct Row {
        std::vector<int> sizes;
        int current;
        int picked;
    };
    const Row rows[] = {
        {{8, 10}, 9, 10},   // the first size not smaller
        {{8, 10}, 12, 10},  // none is: the last
        {{8, 10}, 8, 8},   {{8, 10}, 2, 8}, {{}, 9, 9},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(font_sizes::Pick(row.sizes, row.current), row.picked) << row.current;
    }
}

}  // namespace
}  // namespace zyk
