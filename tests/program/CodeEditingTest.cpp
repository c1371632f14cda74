// The code editor's rules that need no window: colouring a line, indentation, program files.
#include <gtest/gtest.h>

#include <fstream>

#include "program/CodeColourScanner.h"
#include "program/CodeEditorSettings.h"
#include "program/CodeIndentation.h"
#include "program/ProgramFile.h"
#include "support/TempFolder.h"

namespace zyk::test {
namespace {

// A line's colouring drawn under it: one letter per character, '.' for plain text,
// K keyword, W second-list word, C comment, N number, S string.
std::string Painted(const CodeColourScanner& scanner, std::u16string_view line) {
    constexpr char kLetters[] = {'.', 'K', 'W', 'C', 'N', 'S'};
    std::string painted(line.size(), '.');
    for (const CodeTokenSpan& span : scanner.Scan(line)) {
        for (int i = span.start; i < span.start + span.length; ++i) {
            painted[static_cast<std::size_t>(i)] = kLetters[static_cast<int>(span.token)];
        }
    }
    return painted;
}

TEST(CodeColourScanner, ColoursTheProgramWindowsTokens) {
    const CodeColourScanner scanner(code_editor::ProgramRules());
    const struct {
        std::u16string_view line;
        std::string_view painted;
    } rows[] = {
        {u"if (x > 1) then", "KK......N..KKKK"},
        {u"If (x > 1) then", "........N..KKKK"},  // case counts: If is a name
        {u"endif", "....."},                      // a word is looked up whole
        {u"end1 loop", ".....KKKK"},              // digits belong to the word
        {u"x = 3 ' set x", "....N.CCCCCCC"},
        {u"rem note", "........"},                // rem is not in the keyword list
        {u"print \"it's\" x", "......SSSSSS.."},  // print is not listed
        {u"print \"open", "......SSSSS"},
        {u"y = 1.5e-3*x2", "....NNNNNN..."},
        {u"y = 2e+x", "....N..."},    // an exponent needs digits
        {u"y = 1.2.3", "....NNN.N"},  // the longest number, then a new one
        {u"y = -4", ".....N"},        // no sign
        {u"_tmp for to step next", ".....KKK.KK.KKKK.KKKK"},
        {u"a\u00e9for x", "..KKK.."},  // only ASCII letters make words
        {u"do while (i < 10) ' \"x\"", "KK.KKKKK......NN..CCCCC"},
        {u"fx f(x)", "KK....."},
        {u"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Painted(scanner, row.line), row.painted)
            << std::string(row.line.begin(), row.line.end());
    }
}

TEST(CodeColourScanner, SecondListCommentWordAndCaseRules) {
    CodeColourRules rules;
    rules.commentCharacters = ";#";
    rules.commentWord = "REM";
    rules.stringDelimiter = '\'';
    rules.keywords = " rem print ";
    rules.secondWords = " sin ";
    const struct {
        bool caseSensitive;
        std::u16string_view line;
        std::string_view painted;
    } rows[] = {
        {true, u"print sin(2) # x", "KKKKK.WWW.N..CCC"},
        {true, u"x rem note", "..CCCCCCCC"},  // the comment word, listed, starts a comment
        {true, u"x REM note", ".........."},  // listed only in lower case
        {false, u"x REM note", "..CCCCCCCC"},
        {false, u"PRINT 'a;b' ; c", "KKKKK.SSSSS.CCC"},
        {true, u"PRINT SIN", "........."},
    };
    for (const auto& row : rows) {
        rules.caseSensitive = row.caseSensitive;
        EXPECT_EQ(Painted(CodeColourScanner(rules), row.line), row.painted)
            << std::string(row.line.begin(), row.line.end());
    }
}

TEST(CodeIndentation, EnterAndShiftTab) {
    const struct {
        std::u16string_view line;
        int tabsAfter;
        int unindent;
    } rows[] = {
        {u"\tif (x > 1) then", 2, 1},
        {u"if(x>1) then", 1, 0},
        {u"\t\tdo while (i < 3)", 3, 1},
        {u"elseif (x = 2) then", 1, 0},
        {u"\telse", 2, 1},
        {u"  else", 1, 2},  // blanks are no tabs, but the word counts
        {u"ifx = 1", 0, 0},
        {u"\tend", 1, 1},
        {u"      loop", 0, 4},  // at most one tab stop of blanks
        {u" \tx = 1", 0, 1},
        {u"", 0, 0},
    };
    for (const auto& row : rows) {
        const std::string text(row.line.begin(), row.line.end());
        EXPECT_EQ(CodeIndentation::TabsAfter(row.line), row.tabsAfter) << text;
        EXPECT_EQ(CodeIndentation::UnindentLength(row.line), row.unindent) << text;
    }
}

TEST(ProgramFile, WritesEveryLineWithCrLfAndReadsItBack) {
    const struct {
        std::vector<std::string> editorLines;
        std::string_view bytes;
    } rows[] = {
        {{"var x", "x = 2", "print x"}, "var x\r\nx = 2\r\nprint x\r\n"},
        {{"var x", "x = 2", "print x", ""}, "var x\r\nx = 2\r\nprint x\r\n"},  // ends with a break
        {{"a", "", ""}, "a\r\n\r\n"},
        {{""}, ""},
        {{"print \"\xB2 \xE9\""}, "print \"\xB2 \xE9\"\r\n"},  // Windows-1252 as it is
    };
    TempFolder folder;
    const auto path = folder.Path() / "program.bas";
    for (const auto& row : rows) {
        ASSERT_FALSE(ProgramFile::Write(path, row.editorLines));
        EXPECT_EQ(FileBytes(path), row.bytes);
        std::vector<std::string> read;
        ASSERT_FALSE(ProgramFile::Read(path, read));
        std::vector<std::string> expected = row.editorLines;
        if (!expected.empty() && expected.back().empty()) {
            expected.pop_back();
        }
        EXPECT_EQ(read, expected);
        // Opened, the editor holds the lines and a last line break: saved again, the same bytes.
        read.emplace_back();
        EXPECT_EQ(ProgramFile::Compose(read), row.bytes);
    }
}

TEST(ProgramFile, ReadsUtf8AndLfAndRefusesWhatIsNoFile) {
    TempFolder folder;
    const auto path = folder.Path() / "utf8.bas";
    std::ofstream(path, std::ios::binary) << "print \"x\xC2\xB2\"\nprint 1";
    std::vector<std::string> lines;
    ASSERT_FALSE(ProgramFile::Read(path, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"print \"x\xB2\"", "print 1"}));

    for (const auto& missing : {folder.Path() / "none.bas", folder.Path()}) {
        lines = {"kept"};
        EXPECT_TRUE(ProgramFile::Read(missing, lines)) << missing;
        EXPECT_EQ(lines, std::vector<std::string>{"kept"});
    }
    EXPECT_TRUE(ProgramFile::Write(folder.Path() / "no" / "folder.bas", {"x"}));
}

}  // namespace
}  // namespace zyk::test
