#include "RecordingConsole.h"
#include "program/ProgramText.h"
#include "program/TextScan.h"
#include "program/WordReader.h"

namespace zyk::test {
namespace {

TEST(ProgramTextTest, FileLinesEndWithCrLfOrLfAndLoseTheirComment) {
    struct Case {
        std::string bytes;
        std::string raw;   // lines, '\n'-separated
        std::string code;  // the same lines without comments
    };
    const Case cases[] = {
        {"var x\r\nx = 3 ' set x\r\n", "var x\nx = 3 ' set x", "var x\nx = 3 "},
        {"a\n\nb", "a\n\nb", "a\n\nb"},  // an empty line keeps the numbering
        {"print \"it's\"\n' note\n", "print \"it's\"\n' note", "print \"it\n"},
        {"rem a note\r\nprint \"a\" 'x' 'y'", "rem a note\nprint \"a\" 'x' 'y'",
         "rem a note\nprint \"a\" "},
        {"\xB7\xAD\xE9\r\n", "\xB7\xAD\xE9", "\xB7\xAD\xE9"},  // bytes stay bytes
    };
    for (const Case& c : cases) {
        const ProgramText text = ProgramText::FromFileContents(c.bytes);
        const auto raw = Lines(c.raw);
        ASSERT_EQ(text.LineCount(), static_cast<int>(raw.size())) << c.bytes;
        std::string code;
        for (int i = 0; i < text.LineCount(); ++i) {
            EXPECT_EQ(text.RawLine(i), raw[i]) << c.bytes;
            code += std::string(i ? "\n" : "") + std::string(text.Line(i));
        }
        EXPECT_EQ(code, c.code) << c.bytes;
    }
    EXPECT_EQ(ProgramText::FromFileContents("").LineCount(), 0);
}

TEST(WordReaderTest, SplitsStatementsIntoWords) {
    struct Case {
        std::string line;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"var a, b; c", {"var", "a", "b", "c"}},
        {"x=5", {"x", "5"}},
        {"  \tprint x\ty", {"print", "x", "y"}},
        {"print \"a=b; c\"y", {"print", "\"a=b; c\"", "y"}},
        {"print \"open", {"print", "\"open"}},
        {"print x + 1", {"print", "x", "+", "1"}},
        {"fx f(a b) g(c)", {"fx", "f(a b)", "g(c)"}},  // blanks inside parentheses stay
        {"if(x>1) then", {"if(x>1)", "then"}},
        {"print gcd(12,8)", {"print", "gcd(12", "8)"}},  // a comma always separates
        {"a\"b\"", {"a", "\"b\""}},
        {"   ", {}},
    };
    for (const Case& c : cases) {
        WordReader reader(c.line);
        std::vector<std::string> words;
        std::string_view word;
        while (reader.Next(word)) {
            words.emplace_back(word);
        }
        EXPECT_EQ(words, c.words) << c.line;
    }
}

TEST(TextScanTest, KeywordsNeedNoLetterOnEitherSide) {
    constexpr std::size_t kNone = std::string_view::npos;
    struct Case {
        std::string line, keyword;
        std::size_t position;
    };
    const Case cases[] = {
        {"if (x) then", "if", 0},     {"elseif (x) then", "if", kNone},
        {"endif", "end", kNone},      {"end1", "end", 0},                // digits do not break it
        {"\tend", "end", 1},          {"x = lifespan if", "if", kNone},  // first only
        {"If (x) then", "if", kNone}, {"print \"the end\"", "end", 11},
        {"(x)then", "then", 3},       {"undo", "do", kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindKeyword(c.line, c.keyword), c.position) << c.line << " / " << c.keyword;
    }
}

// Program files written on this system are mostly UTF-8; Windows-1252 files must stay as they are.
TEST(ProgramTextTest, FileBytesAreDecodedFromUtf8OnlyWhenTheyAreUtf8) {
    const struct {
        std::string file, text;
    } cases[] = {
        {"print \"x\xC2\xB2\"", "print \"x\xB2\""},            // UTF-8 square sign
        {"\xEF\xBB\xBFvar x", "var x"},                        // byte-order mark dropped
        {"print \"x\xB2\"", "print \"x\xB2\""},                // Windows-1252 as it is
        {"print \"\xE2\x88\x92\"", "print \"\xAD\""},          // U+2212 is the minus
        {"print \"\xE4\xB8\xAD\"", "print \"\xE4\xB8\xAD\""},  // no byte for it: kept
        {"var x\r\n", "var x\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgramText::DecodeFileBytes(c.file), c.text) << c.file;
    }
}

}  // namespace
}  // namespace zyk::test
