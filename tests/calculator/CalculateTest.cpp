#include "CalculatorTestSupport.h"

namespace zyk::calculator_testing {
namespace {

class Calculate : public CalculatorTest {};

TEST_F(Calculate, AnswersInEveryFormatAndBase) {
    const KeyCase cases[] = {
        {"1 / 3 EXE", "", "= 0.33333333333"},
        {"2 EXE", "", "= 2"},
        {"mode:Scientific 1 5 0 0 EXE", "", "= 1.5e+003"},
        {"mode:Scientific 1 EXE", "", "= 1.e+000"},
        {"mode:Engineering 0 EXE", "", "= 0.e+000"},
        {"mode:Engineering 1 0 0 0 EXE", "", "= 1.e+003"},
        {"mode:Engineering 1 / 1 0 0 EXE", "", "= 10.e-003"},
        {"mode:Engineering . 0 1 EXE", "", "= 0.01"},  // read digit by digit: just above 0.01
        {"mode:Engineering 9 9 9 EXE", "", "= 999"},
        {"mode:Engineering . 0 1 1 EXE", "", "= 0.011"},
        {"mode:Engineering 1 2 3 4 5 EXE", "", "= 12.345e+003"},
        {"HEX F F EXE", "", "= FF"},
        {"HEX (-) 1 EXE", "", "= FFFFFFFF"},
        {"HEX 5 / 2 EXE", "", "= 2"},
        {"BIN 1 0 1 EXE", "", "= 0101"},
        {"BIN 1 0 0 0 0 EXE", "", "= 00010000"},
        {"1 Exp 3 EXE", "", "= 1000"},
        {"sin 3 0 EXE", "", "= 0.5"},
        {"SHIFT Deg sin ( SHIFT X² / 2 ) EXE", "", "= 1"},
        {"5 X! EXE", "", "= 120"},
        {"7 MOD 3 EXE", "", "= 1"},
    };
    EXPECT_KEY_CASES(cases);
}

TEST_F(Calculate, ErrorsKeepTheExpressionForCorrection) {
    const KeyCase cases[] = {
        {"1 / 0 EXE", "1/0", "[ / ]   Can't divide with zero"},
        {"3 + EXE", "3+", "[ +  No digit ]   Syn ERROR"},
        {"( 2 + 3 EXE", "(2+3", "[ )  Missing ]   Syn ERROR"},
        {"const:c Exp EXE", "{c}e", "[ exp  Misplaced ]   Syn ERROR"},
        // An answer that is not a number cannot be shown.
        {"( (-) 8 ) X^Y ( 1 / 3 ) EXE", "(−8)^(1/3)", "Ma  ERROR"},
        {"1 / 0 EXE <Del", "1/", ""},
        {"1 / 0 EXE < <Del 2", "120", ""},
        {"1 / 0 EXE <", "1/0", "[ / ]   Can't divide with zero"},
    };
    EXPECT_KEY_CASES(cases);
    Restart();
    Press("1 / 0 EXE");
    EXPECT_TRUE(Calc().ResultIsError());
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
    EXPECT_EQ(Calc().LastAnswer(), "");
    Press("<Del 4 EXE");
    EXPECT_FALSE(Calc().ResultIsError());
    EXPECT_EQ(Result(), "= 0.25");
}

TEST_F(Calculate, TheNextKeyStartsANewExpressionAndTheOldOneComesBack) {
    const KeyCase cases[] = {
        {"2 + 3 EXE", "", "= 5"},
        {"2 + 3 EXE * 2", "*2", ""},
        {"2 + 3 EXE <", "2+3", ""},
        {"2 + 3 EXE >", "2+3", ""},
        {"2 + 3 EXE <Del", "2+3", ""},
        {"2 + 3 EXE Del>", "2+3", ""},
        {"2 + 3 EXE < <Del", "2+", ""},
        {"2 + 3 EXE 7 EXE <", "7", ""},
        {"2 + 3 EXE SHIFT EXE * 2 EXE", "", "= 10"},
        {"1 / 4 EXE SHIFT EXE SHIFT EXE", "0.250.25", ""},
        {"EXE", "", "Result"},
        {"<", "", "Result"},
        {"<Del", "", "Result"},
        {"1 + 2 AC", "", ""},
        {"1 + 2 EXE AC", "", ""},
        {"1 + 2 SHIFT AC", "", ""},
        {"1 + 2 Esc", "", ""},
        {"1 + 2 Clear", "", ""},
    };
    EXPECT_KEY_CASES(cases);
}

TEST_F(Calculate, PreviousExpressionAndLastAnswerAreKept) {
    Press("6 * 7 EXE");
    EXPECT_EQ(Utf8(Calc().PreviousExpression()), "6*7");
    EXPECT_EQ(Calc().LastAnswer(), "42");
    Press("(-) 2 EXE");
    EXPECT_EQ(Utf8(Calc().PreviousExpression()), "−2");
    EXPECT_EQ(Calc().LastAnswer(), "-2");
}

TEST_F(Calculate, FormatAndDecimalsApplyFromTheNextCalculation) {
    Calc().SetMaxDecimals(3);
    Press("2 / 3 EXE");
    EXPECT_EQ(Result(), "= 0.6667");
    Calc().SetAnswerFormat(AnswerFormat::Scientific);
    Press("1 2 3 4 EXE");
    EXPECT_EQ(Result(), "= 1.234e+003");
    Calc().SetMaxDecimals(99);  // out of range: back to the default 10
    EXPECT_EQ(Calc().MaxDecimals(), 10);
}

TEST_F(Calculate, CopyAndPasteUseTheCalculatorsOwnBuffer) {
    const KeyCase cases[] = {
        {"4 2 EXE CopyResult Paste", "42", ""},
        {"1 + 2 CopyExpression AC Paste Paste", "1+21+2", ""},
        {"Paste", "", "Result"},
        {"1 CopyResult Paste", "1", ""},  // nothing on the result line: nothing copied
        {"(-) 5 EXE CopyResult 1 + Paste", "1+-5", ""},
        {"HEX F F EXE CopyResult DEC Paste", "FF", ""},
        {"1 2 3 CopyExpression < < SHIFT EXE Paste", "112323", ""},
    };
    EXPECT_KEY_CASES(cases);
    Restart();
    Press("9 EXE CopyResult 1 EXE");
    EXPECT_EQ(Calc().PasteBuffer(), "9");  // the buffer stays until the next copy
}

TEST_F(Calculate, PasteReplacesTheSelection) {
    Press("1 2 3 4 CopyExpression");
    Calc().SetSelection(1, 3);
    Press("Paste");
    EXPECT_EQ(Expression(), "112344");
    EXPECT_EQ(Calc().Caret(), 5);
}

}  // namespace
}  // namespace zyk::calculator_testing
