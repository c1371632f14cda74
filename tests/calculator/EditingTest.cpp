#include <string>

#include "CalculatorTestSupport.h"
#include "calculator/ExpressionLine.h"

namespace zyk::test {
namespace {

// Steps on a line: "t:abc" set text, "i:x" insert, "c3" caret, "s1,3" select anchor 1 to
// caret 3, "<" ">" move, "b" delete before, "d" delete after.
void Apply(ExpressionLine& line, const std::string& step) {
    if (step.rfind("t:", 0) == 0) {
        line.SetText(step.substr(2));
    } else if (step.rfind("i:", 0) == 0) {
        line.Insert(step.substr(2));
    } else if (step[0] == 'c') {
        line.SetCaret(std::stoi(step.substr(1)));
    } else if (step[0] == 's') {
        const auto comma = step.find(',');
        line.SetSelection(std::stoi(step.substr(1, comma - 1)), std::stoi(step.substr(comma + 1)));
    } else if (step == "<") {
        line.MoveLeft();
    } else if (step == ">") {
        line.MoveRight();
    } else if (step == "b") {
        line.DeleteBefore();
    } else if (step == "d") {
        line.DeleteAfter();
    } else {
        ADD_FAILURE() << "unknown step " << step;
    }
}

struct LineCase {
    std::vector<std::string> steps;
    const char* text;
    int caret, selectionStart, selectionEnd;
};

TEST(ExpressionLine, TokensCaretAndSelection) {
    const LineCase cases[] = {
        {{"i:12", "i:3"}, "123", 3, 3, 3},
        {{"t:12", "c1", "i:x"}, "1x2", 2, 2, 2},
        {{"t:12345", "s1,3", "i:x"}, "1x45", 2, 2, 2},
        {{"t:12345", "s3,1", "i:x"}, "1x45", 2, 2, 2},
        {{"t:12345", "s1,3", "<"}, "12345", 1, 1, 1},
        {{"t:12345", "s3,1", ">"}, "12345", 3, 3, 3},
        {{"t:12", "<", "<", "<"}, "12", 0, 0, 0},
        {{"t:123", "c1", "b"}, "23", 0, 0, 0},
        {{"t:123", "c1", "d"}, "13", 1, 1, 1},
        {{"t:123", "d"}, "123", 3, 3, 3},
        {{"t:12345", "s1,4", "b"}, "15", 1, 1, 1},
        {{"t:12345", "s4,1", "d"}, "15", 1, 1, 1},
        {{"t:123", "c-5"}, "123", 0, 0, 0},
        {{"t:123", "s99,-1"}, "123", 0, 0, 3},
        {{"t:123", "s0,3", "i:"}, "", 0, 0, 0},
    };
    for (const auto& row : cases) {
        ExpressionLine line;
        std::string trace;
        for (const auto& step : row.steps) {
            Apply(line, step);
            trace += step + " ";
        }
        EXPECT_EQ(line.Text(), row.text) << trace;
        EXPECT_EQ(line.Caret(), row.caret) << trace;
        EXPECT_EQ(line.SelectionStart(), row.selectionStart) << trace;
        EXPECT_EQ(line.SelectionEnd(), row.selectionEnd) << trace;
    }
}

class Editing : public CalculatorTest {};

TEST_F(Editing, CaretAndDeleteKeysEditAtTheCaret) {
    ExpectKeyCases({
        {"1 2 3 < < 4", "1423", ""},
        {"1 2 3 < <Del", "13", ""},
        {"1 2 3 < Del> Del>", "12", ""},
        {"1 2 3 < < < < 9 > > > > 0", "91230", ""},
        {"sin < <Del", "·sn", ""},  // one byte is one character
        {"1 <Del <Del", "", ""},    // no previous expression to bring back
    });
    Press("1 2 3 4 5");
    Calc().SetSelection(1, 3);
    Press("9");
    EXPECT_EQ(Expression(), "1945");
    Calc().SetSelection(3, 0);
    Press("<Del 1 2 3");
    EXPECT_EQ(Expression(), "1235");  // the deletion left the caret at 0
    Calc().SetSelection(0, 2);
    Press(">");
    EXPECT_EQ(Calc().SelectionStart(), 2);
    EXPECT_EQ(Calc().SelectionEnd(), 2);
}

TEST_F(Editing, OutsideEditingTheFirstKeyOnlyClearsTheResultLine) {
    for (const char* key : {"<Del", "<"}) {
        // A program that stopped on an error leaves the line outside editing.
        Calc().SetExpressionLine("12", false);
        Calc().SetResultLine("stopped", false);
        Calc().InsertNumberText("5");  // other windows may not insert now
        Press(key);
        EXPECT_EQ(Expression(), "12") << key;
        EXPECT_EQ(Result(), "") << key;
        EXPECT_EQ(Calc().Caret(), 2) << key;
        Press(key);
        EXPECT_EQ(Calc().Caret(), 1) << key;
        EXPECT_TRUE(Calc().IsEditing());
    }
}

}  // namespace
}  // namespace zyk::test
