#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/ProgramText.h"
#include "program/TextScan.h"
#include "program/WordReader.h"

namespace zyk {
namespace {

TEST(ProgramTextTest, FileContentsSplitIntoLinesWithEitherLineEnd) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"var x\r\nx = 1\r\n", {"var x", "x = 1"}},
        {"var x\nx = 1\n", {"var x", "x = 1"}},
        {"var x\r\nx = 1", {"var x", "x = 1"}},  // no line end after the last line
        {"a\n\nb\n", {"a", "", "b"}},            // an empty line stays a line (numbering)
        {"\xB7\xAD\xE9\r\n", {"\xB7\xAD\xE9"}},  // bytes stay bytes
        {"", {}},
    };
    for (const Case& c : cases) {
        const ProgramText text = ProgramText::FromFileContents(c.bytes);
        ASSERT_EQ(text.LineCount(), static_cast<int>(c.lines.size())) << c.bytes;
        for (int i = 0; i < text.LineCount(); ++i) {
            EXPECT_EQ(text.RawLine(i), c.lines[i]) << c.bytes;
        }
    }
}

TEST(ProgramTextTest, CommentIsCutAtTheFirstApostropheEvenInsideQuotes) {
    struct Case {
        std::string line;
        std::string code;
    };
    const Case cases[] = {
        {"x = 3 ' set x", "x = 3 "},
        {"' only a comment", ""},
        {"print \"it's\"", "print \"it"},
        {"print \"a\" 'one' 'two'", "print \"a\" "},
        {"rem a note", "rem a note"},  // no comment keyword
        {"x = 1", "x = 1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgramText::CutComment(c.line), c.code) << c.line;
        const ProgramText text(std::vector<std::string>{c.line});
        EXPECT_EQ(text.Line(0), c.code) << c.line;
        EXPECT_EQ(text.RawLine(0), c.line);
    }
    const ProgramText text(std::vector<std::string>{"x"});
    EXPECT_EQ(text.Line(1), "");
    EXPECT_EQ(text.Line(-1), "");
}

TEST(WordReaderTest, SplitsStatementsIntoWords) {
    struct Case {
        std::string line;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"var a, b; c", {"var", "a", "b", "c"}},
        {"x=5", {"x", "5"}},
        {"  \tprint x", {"print", "x"}},
        {"print \"a b\" x", {"print", "\"a b\"", "x"}},
        {"print \"a=b;c\"y", {"print", "\"a=b;c\"", "y"}},
        {"print \"open", {"print", "\"open"}},
        {"print x + 1", {"print", "x", "+", "1"}},
        {"print (x + 1)", {"print", "(x + 1)"}},
        {"fx f(a b) g(c)", {"fx", "f(a b)", "g(c)"}},
        {"if(x>1) then", {"if(x>1)", "then"}},
        {"print x\ty", {"print", "x", "y"}},
        {"print gcd(12,8)", {"print", "gcd(12", "8)"}},  // a comma always separates
        {"a\"b\"", {"a", "\"b\""}},
        {"   ", {}},
        {"", {}},
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

TEST(WordReaderTest, ReportsWhereTheWordStartsAndEnds) {
    WordReader reader("  print  \"hi\"", 0);
    std::string_view word;
    ASSERT_TRUE(reader.Next(word));
    EXPECT_EQ(reader.WordStart(), 2u);
    EXPECT_EQ(reader.Column(), 7u);
    ASSERT_TRUE(reader.Next(word));
    EXPECT_EQ(reader.WordStart(), 9u);
    EXPECT_EQ(word, "\"hi\"");
    EXPECT_FALSE(reader.Next(word));
    EXPECT_FALSE(WordReader("abc", 10).Next(word));  // a column past the end reads nothing
}

TEST(TextScanTest, KeywordNeedsNoLetterOnEitherSide) {
    struct Case {
        std::string line;
        std::string keyword;
        std::size_t position;
    };
    constexpr std::size_t kNone = std::string_view::npos;
    const Case cases[] = {
        {"if (x) then", "if", 0},
        {"elseif (x) then", "if", kNone},  // part of elseif
        {"elseif (x) then", "elseif", 0},
        {"endif", "end", kNone},  // a letter follows
        {"end1", "end", 0},       // digits do not break a keyword
        {"\tend", "end", 1},
        {"x = lifespan if", "if", kNone},  // only the first occurrence is examined
        {"If (x) then", "if", kNone},      // case-sensitive
        {"print \"the end\"", "end", 11},  // strings are not skipped
        {"(x)then", "then", 3},
        {"do while(x)", "while", 3},
        {"undo", "do", kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindKeyword(c.line, c.keyword), c.position) << c.line << " / " << c.keyword;
    }
    EXPECT_EQ(FindKeyword("if (a) then if (b) then", "if", 3), 12u);
}

TEST(TextScanTest, LegalNamesAreALetterThenLettersAndDigits) {
    struct Case {
        std::string name;
        bool legal;
    };
    const Case cases[] = {
        {"x", true},    {"abc12", true}, {"X9y", true},  {"9x", false},
        {"a_b", false}, {"", false},     {"a.b", false}, {"\xE9t\xE9", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsLegalName(c.name), c.legal) << c.name;
    }
}

TEST(TextScanTest, LeadingDigitsAndClosingBrackets) {
    EXPECT_EQ(ReadLeadingDigits("12abc", 100), 12u);
    EXPECT_EQ(ReadLeadingDigits("2.7", 100), 2u);
    EXPECT_EQ(ReadLeadingDigits("99999999999999999999999", 50), 50u);
    EXPECT_FALSE(ReadLeadingDigits("\xAD"
                                   "3",
                                   100)
                     .has_value());
    EXPECT_FALSE(ReadLeadingDigits("", 100).has_value());
    EXPECT_EQ(FindClosing("f((a)b)c", 1, '(', ')'), 6u);
    EXPECT_EQ(FindClosing("a[b[1]]", 1, '[', ']'), 6u);
    EXPECT_EQ(FindClosing("f((a)", 1, '(', ')'), std::string_view::npos);
    EXPECT_EQ(FindTopLevelComma("f(a,b),c"), 6u);
    EXPECT_EQ(FindTopLevelComma("x"), std::string_view::npos);
}

}  // namespace
}  // namespace zyk
