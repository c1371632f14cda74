#include "CalculatorTestSupport.h"
#include "calculator/NumberText.h"

namespace zyk::calculator_testing {
namespace {

struct NormaliseCase {
    const char* text;
    const char* expected;
};

TEST(NormaliseNumberText, SignsPointsExponentsAndFunctionE) {
    const NormaliseCase cases[] = {
        {"-5", "−5"},
        {"5", "5"},
        {"5.", "5"},
        {"-5.", "−5"},
        {".", ""},
        {"", ""},
        {"-", "−"},
        {"[y]=-2[x]", "[y]=−2[x]"},
        {"[y]=-", "[y]=-"},  // five characters: too short for a formula's sign
        {"[y]=-1.5E-3*·e2", "[y]=−1.5e−3*·e^2"},
        {"1--2", "1+2"},
        {"--2", "−-2"},     // the first '-' became the sign before pairs are looked for
        {"1-2--", "1-2+"},  // the pair begins before the last character
        {"1.5E-7", "1.5e−7"},
        {"1.5e-7", "1.5e−7"},
        {"2E5", "2e5"},
        {"2e+5", "2e+5"},
        {"e-5", "e-5"},  // an 'e' at the first character is left alone
        {"5e-", "5e−"},
        {"1e", "1e"},
        {"·e2", "·e^2"},
        {"·e^2", "·e^2"},
        {"3·e-1", "3·e^-1"},
        {"{e}-2", "{e}-2"},  // the e of a constant name is followed by its brace
        {"·e", "·e"},        // the last character: no '^' added
        {"12.5E3.", "12.5e3"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(Utf8(NormaliseNumberText(Bytes(row.text))), row.expected) << row.text;
    }
}

class InsertOperations : public CalculatorTest {};

TEST_F(InsertOperations, NumberTextGoesInAtTheCaretNormalised) {
    Press("2 *");
    Calc().InsertNumberText("-1.5E-3");
    EXPECT_EQ(Expression(), "2*−1.5e−3");
    Press("EXE");
    EXPECT_EQ(Result(), "= -0.003");
    Press("1 2");
    Calc().SetSelection(0, 1);
    Calc().InsertNumberText("7.");
    EXPECT_EQ(Expression(), "72");
}

TEST_F(InsertOperations, NothingGoesInOutsideEditingOrDuringMemorySelect) {
    Calc().SetResultLine("stopped", false);
    Calc().InsertNumberText("1");
    Calc().InsertConstant("Ry", "10973731.568549");
    Calc().InsertFormulaWithValues("¦a¦", 1, 2);
    EXPECT_EQ(Expression(), "");
    EXPECT_FALSE(Calc().Evaluator().Constant("Ry").has_value());
    EXPECT_FALSE(Calc().Evaluator().Memory("a").has_value());

    Restart();
    Press("Mx");
    Calc().InsertNumberText("1");
    EXPECT_EQ(Expression(), "Select a number (0 - 9)");
}

TEST_F(InsertOperations, FormulaWithValuesSetsTheMemoriesAAndB) {
    Calc().InsertFormulaWithValues(Bytes("¦a¦*¦b¦+-1"), 2, 3);
    EXPECT_EQ(Expression(), "¦a¦*¦b¦+-1");  // only a leading '-' is a sign
    Press("AC");
    Calc().InsertFormulaWithValues(Bytes("[y]=-¦a¦+¦b¦[x]"), 2, 3);
    EXPECT_EQ(Expression(), "[y]=−¦a¦+¦b¦[x]");
    Press("EXE 4 EXE");
    EXPECT_EQ(Result(), "y=10");
}

struct ConstantCase {
    const char* symbol;
    const char* valueText;
    const char* result;
};

TEST_F(InsertOperations, ConstantsTakeTheAtofValueOfTheirText) {
    const ConstantCase cases[] = {
        {"Ry", "10973731.568549", "= 10973731.569"},
        {"mp", "1.67262158e-27 ", "= 1.67262158e-027"},  // the trailing space is ignored
        {"x", "abc", "= 0"},
        {"u_0", "12.56637061435917e-7", "= 1.2566370614e-006"},
        {"c", "3e8", "= 300000000"},
    };
    for (const auto& row : cases) {
        Restart();
        Calc().InsertConstant(row.symbol, row.valueText);
        EXPECT_EQ(Expression(), "{" + std::string(row.symbol) + "}");
        Press("EXE");
        EXPECT_EQ(Result(), row.result) << row.symbol;
    }
    // The new value lasts: the Constants menu's {c} now reads it too.
    Press("const:c EXE");
    EXPECT_EQ(Result(), "= 300000000");
}

TEST_F(InsertOperations, TypingOverAFormulaReplacesIt) {
    Press("2 var:x EXE");
    ASSERT_EQ(Expression(), "ƒ=2x");
    Calc().InsertNumberText("-4");
    EXPECT_EQ(Expression(), "−4");
    Press("EXE");
    EXPECT_EQ(Result(), "ƒ=-8");
}

}  // namespace
}  // namespace zyk::calculator_testing
