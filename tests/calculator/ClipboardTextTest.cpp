// What the desktop's clipboard gets from Copy Result / Copy Expression, and what Ctrl+Shift+V
// makes of its text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calculator/ClipboardText.h"

namespace zyk::clipboard {
namespace {

const std::string kMinus = "\xAD";  // the calculator's negation sign

TEST(ClipboardText, AnswersUseTheHyphenExpressionsKeepTheMinusSign) {
    EXPECT_EQ(AnswerText(kMinus + "5"), "-5");
    EXPECT_EQ(AnswerText(kMinus + "1.5e" + kMinus + "003"), "-1.5e-003");
    EXPECT_EQ(AnswerText("x1=2   x2=" + kMinus + "3"), "x1=2   x2=-3");
    EXPECT_EQ(ExpressionText("2\xB7sqrt(" + kMinus + "4)\xB2"), "2\u00B7sqrt(\u22124)\u00B2");
}

TEST(ClipboardText, PastedTextIsReadAsEvalReadsIt) {
    struct Row {
        const char* clipboard;             // UTF-8
        std::optional<std::string> bytes;  // what is typed; nothing: refused with a message
        const char* problem;               // part of the message
    };
    const Row rows[] = {
        {"\u00B7sqrt(16)+1", "\xB7sqrt(16)+1", ""},
        {"  \u22122*3\r\n", kMinus + "2*3", ""},
        {"\u00AD4", kMinus + "4", ""},
        {"caf\u00E9 \u20AC", "caf\xE9 \x80", ""},
        {" \n\t", "", ""},  // nothing to type
        {"1+1\n2+2", std::nullopt, "more than one line"},
        {"2\u03A9", std::nullopt, "character U+03A9,"},
        {"\xF0\x9F\x98\x80", std::nullopt, "character U+1F600,"},
    };
    for (const Row& row : rows) {
        const Paste paste = ReadPaste(row.clipboard);
        if (row.bytes) {
            EXPECT_EQ(paste.bytes, *row.bytes) << row.clipboard;
            EXPECT_TRUE(paste.problem.empty()) << row.clipboard;
        } else {
            EXPECT_TRUE(paste.bytes.empty()) << row.clipboard;
            EXPECT_NE(paste.problem.find(row.problem), std::string::npos) << paste.problem;
        }
    }
}

}  // namespace
}  // namespace zyk::clipboard
