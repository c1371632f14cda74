#include <string>

#include "CalculatorTestSupport.h"
#include "calculator/ExpressionLine.h"
#include "calculator/NumberText.h"

namespace zyk::test {
namespace {

// Steps on a line: "t:abc" set text, "i:x" insert, "c3" caret, "s1,3" select anchor 1 to
// caret 3, "<" ">" move, "b" delete before, "d" delete after.
void Apply(ExpressionLine& line, const std::string& step) {
    if (step.rfind("t:", 0) == 0) {
        line.SetText(step.substr(2));
    } else if (step.rfind("i:", 0) == 0) {
        line.Insert(step.substr(2));
    } else if (step.rfind("n:", 0) == 0) {  // n:count:c inserts count copies of c at once
        const auto colon = step.find(':', 2);
        EXPECT_EQ(line.Insert(std::string(std::stoul(step.substr(2, colon - 2)), step[colon + 1])),
                  step.back() != '!');
    } else if (step[0] == 'c') {
        line.SetCaret(std::stoul(step.substr(1)));
    } else if (step[0] == 's') {
        const auto comma = step.find(',');
        line.SetSelection(std::stoul(step.substr(1, comma - 1)),
                          std::stoul(step.substr(comma + 1)));
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
    std::string text;
    std::size_t caret, selectionStart, selectionEnd;
};

constexpr std::size_t kMax = ExpressionLine::kMaxLength;

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
        {{"t:123", "c99"}, "123", 3, 3, 3},
        {{"t:123", "s99,0"}, "123", 0, 0, 3},
        {{"t:123", "s0,3", "i:"}, "", 0, 0, 0},
        // The length cap: an insertion that would pass it changes nothing ("!" marks a refusal).
        {{"n:100000:1"}, std::string(kMax, '1'), kMax, kMax, kMax},
        {{"n:100001:1!"}, "", 0, 0, 0},
        {{"n:99999:1", "c0", "n:2:2!"}, std::string(kMax - 1, '1'), 0, 0, 0},
        {{"n:99999:1", "s0,2", "i:222"}, "222" + std::string(kMax - 3, '1'), 3, 3, 3},
        {{"n:100000:1", "s0,1", "n:2:2!"}, std::string(kMax, '1'), 1, 0, 1},
        {{"n:100000:1", "b", "c0", "n:1:2"}, "2" + std::string(kMax - 1, '1'), 1, 1, 1},
    };
    for (const auto& row : cases) {
        ExpressionLine line;
        std::string trace;
        for (const auto& step : row.steps) {
            Apply(line, step);
            trace += step + " ";
        }
        EXPECT_EQ(line.Text().size(), row.text.size()) << trace;
        EXPECT_TRUE(line.Text() == row.text) << trace;
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
    EXPECT_EQ(Calc().SelectionStart(), 2u);
    EXPECT_EQ(Calc().SelectionEnd(), 2u);
}

TEST_F(Editing, PastingStopsAtTheLengthCapWithARefusal) {
    const struct {
        int pastes;
        std::size_t length;
        bool refused;
    } cases[] = {{16, 65536, false}, {17, 65536, true}, {32, 65536, true}};
    for (const auto& row : cases) {
        Restart();
        Press("1");
        for (int i = 0; i < row.pastes; ++i) {
            Press("CopyExpression Paste");
        }
        EXPECT_EQ(Calc().ExpressionText(), std::string(row.length, '1')) << row.pastes;
        EXPECT_EQ(Calc().ConsumeRefusedInsertion(), row.refused) << row.pastes;
        EXPECT_FALSE(Calc().ConsumeRefusedInsertion()) << "reported once";
    }
    // A line set longer by a program is not copied; the buffer keeps what it held.
    Calc().SetExpressionLine(std::string(ExpressionLine::kMaxLength + 1, '2'), true);
    Press("CopyExpression");
    EXPECT_TRUE(Calc().ConsumeRefusedInsertion());
    Press("AC Paste");
    EXPECT_EQ(Calc().ExpressionText().size(), 65536u);
}

TEST_F(Editing, OutsideEditingTheFirstKeyOnlyClearsTheResultLine) {
    for (const char* key : {"<Del", "<"}) {
        // A program that stopped on an error leaves the line outside editing.
        Calc().SetExpressionLine("12", false);
        Calc().ShowErrorLine("stopped");
        Calc().InsertNumberText("5");  // other windows may not insert now
        Press(key);
        EXPECT_EQ(Expression(), "12") << key;
        EXPECT_EQ(Result(), "") << key;
        EXPECT_EQ(Calc().Caret(), 2u) << key;
        Press(key);
        EXPECT_EQ(Calc().Caret(), 1u) << key;
        EXPECT_TRUE(Calc().IsEditing());
    }
}

TEST(NormaliseNumberText, SignsPointsExponentsAndFunctionE) {
    const std::pair<const char*, const char*> cases[] = {
        {"-5", "−5"},
        {"-5.", "−5"},
        {".", ""},
        {"-", "−"},
        {"[y]=-2[x]", "[y]=−2[x]"},
        {"[y]=-", "[y]=-"},  // five characters: too short for a formula's sign
        {"[y]=-1.5E-3*·e2", "[y]=−1.5e−3*·e^2"},
        {"1--2", "1+2"},
        {"--2", "−-2"},     // the first '-' is the sign before pairs are looked for
        {"1-2--", "1-2+"},  // the pair begins before the last character
        {"1.5E-7", "1.5e−7"},
        {"2e+5", "2e+5"},
        {"e-5", "e-5"},  // an 'e' at the first or the last character is left alone
        {"1e", "1e"},
        {"5e-", "5e−"},
        {"3·e-1", "3·e^-1"},
        {"·e^2", "·e^2"},
        {"·e", "·e"},
        {"{e}-2", "{e}-2"},  // the e of a constant name is followed by its brace
        {"12.5E3.", "12.5e3"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Utf8(NormaliseNumberText(Bytes(text))), expected) << text;
    }
}

class InsertOperations : public CalculatorTest {};

TEST_F(InsertOperations, NumberTextGoesInAtTheCaretNormalised) {
    Press("2 *");
    Calc().InsertNumberText("-1.5E-3");
    Press("EXE");
    EXPECT_EQ(Result(), "= -0.003");
    Press("1 2");
    Calc().SetSelection(0, 1);
    Calc().InsertNumberText("7.");
    EXPECT_EQ(Expression(), "72");
    Press("AC Mx");  // memory select refuses inserts too
    Calc().InsertNumberText("1");
    EXPECT_EQ(Expression(), "Select a number (0 - 9)");
    Press("AC 2 var:x EXE");
    Calc().InsertNumberText("-4");  // replaces the formula shown, like typing
    EXPECT_EQ(Expression(), "−4");
}

TEST_F(InsertOperations, FormulaWithValuesSetsTheMemoriesAAndB) {
    Calc().InsertFormulaWithValues(Bytes("[y]=-¦a¦+¦b¦[x]"), 2, 3);
    EXPECT_EQ(Expression(), "[y]=−¦a¦+¦b¦[x]");
    Press("EXE 4 EXE");
    EXPECT_EQ(Result(), "y=10");
    Calc().ShowErrorLine("stopped");
    Calc().InsertFormulaWithValues(Bytes("¦a¦"), 7, 8);
    EXPECT_EQ(Calc().Evaluator().Memory("a"), 2.0);  // refused outside editing: unchanged
}

TEST_F(InsertOperations, ConstantsTakeTheAtofValueOfTheirText) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Ry", "10973731.568549", "= 10973731.569"},
        {"mp", "1.67262158e-27 ", "= 1.67262158e-027"},  // the trailing space is ignored
        {"x", "abc", "= 0"},
        {"c", "3e8", "= 300000000"},
    };
    for (const auto& [symbol, valueText, result] : cases) {
        Restart();
        Calc().InsertConstant(symbol, valueText);
        EXPECT_EQ(Expression(), "{" + std::string(symbol) + "}");
        Press("EXE");
        EXPECT_EQ(Result(), result) << symbol;
    }
    Press("const:c EXE");  // the Constants menu's {c} reads the new value too
    EXPECT_EQ(Result(), "= 300000000");
    Calc().SetExpressionLine("", false);
    Calc().InsertConstant("q", "5");
    EXPECT_FALSE(Calc().Evaluator().Constant("q").has_value());
}

}  // namespace
}  // namespace zyk::test
