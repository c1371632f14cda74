#include "CalculatorTestSupport.h"
#include "calculator/NumberText.h"

namespace zyk::test {
namespace {

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
    Calc().SetResultLine("stopped", false);
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
