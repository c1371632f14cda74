#include "CalculatorTestSupport.h"

namespace zyk::test {
namespace {

class Calculate : public CalculatorTest {};

TEST_F(Calculate, AnswersInEveryFormatAndBase) {
    ExpectKeyCases({
        {"1 / 3 EXE", "", "= 0.33333333333"},
        {"mode:Scientific 1 5 0 0 EXE", "", "= 1.5e+003"},
        {"mode:Engineering 1 / 1 0 0 EXE", "", "= 10.e-003"},
        {"mode:Engineering . 0 1 EXE", "", "= 0.01"},  // read digit by digit: just above 0.01
        {"HEX (-) 1 EXE", "", "= FFFFFFFF"},
        {"BIN 1 0 0 0 0 EXE", "", "= 00010000"},
        {"sin 3 0 EXE", "", "= 0.5"},
        {"SHIFT Deg sin ( SHIFT X² / 2 ) EXE", "", "= 1"},
    });
}

TEST_F(Calculate, ErrorsKeepTheExpressionForCorrection) {
    ExpectKeyCases({
        {"1 / 0 EXE", "1/0", "[ / ]   Can't divide with zero"},
        {"( 2 + 3 EXE", "(2+3", "[ )  Missing ]   Syn ERROR"},
        {"( (-) 8 ) X^Y ( 1 / 3 ) EXE", "(−8)^(1/3)", "Ma  ERROR"},  // not a number
        {"1 / 0 EXE <", "1/0", "[ / ]   Can't divide with zero"},
        {"1 / 0 EXE < <Del 2", "120", ""},
    });
    Restart();
    Press("1 / 0 EXE");
    EXPECT_TRUE(Calc().ResultIsError());
    EXPECT_EQ(Calc().LastAnswer(), "");
    Press("<Del 4 EXE");
    EXPECT_FALSE(Calc().ResultIsError());
    EXPECT_EQ(Result(), "= 0.25");
}

TEST_F(Calculate, TheNextKeyStartsANewExpressionAndTheOldOneComesBack) {
    ExpectKeyCases({
        {"2 + 3 EXE * 2", "*2", ""},
        {"2 + 3 EXE <", "2+3", ""},
        {"2 + 3 EXE >", "2+3", ""},
        {"2 + 3 EXE Del>", "2+3", ""},
        {"2 + 3 EXE <Del <Del", "2+", ""},
        {"2 + 3 EXE 7 EXE <", "7", ""},
        {"2 + 3 EXE SHIFT EXE * 2 EXE", "", "= 10"},
        {"(-) 1 EXE SHIFT EXE SHIFT EXE", "-1-1", ""},  // the answer text as shown
        {"EXE <", "", "Result"},
        {"1 + 2 AC", "", ""},
        {"1 + 2 EXE SHIFT AC", "", ""},
        {"1 + 2 Esc", "", ""},
    });
}

TEST_F(Calculate, FormatAndDecimalsApplyFromTheNextCalculation) {
    Calc().SetMaxDecimals(3);
    Press("2 / 3 EXE");
    EXPECT_EQ(Result(), "= 0.6667");
    Calc().SetAnswerFormat(AnswerFormat::Scientific);
    Press("1 2 3 4 EXE");
    EXPECT_EQ(Result(), "= 1.234e+003");
    Calc().SetMaxDecimals(99);
    EXPECT_EQ(Calc().MaxDecimals(), 10);
}

TEST_F(Calculate, CopyAndPasteUseTheCalculatorsOwnBuffer) {
    ExpectKeyCases({
        {"4 2 EXE CopyResult Paste", "42", ""},
        {"1 + 2 CopyExpression AC Paste Paste", "1+21+2", ""},
        {"1 CopyResult Paste", "1", ""},  // an empty result line copies nothing
        {"(-) 5 EXE CopyResult 1 + Paste", "1+-5", ""},
        {"9 EXE CopyResult 1 EXE Paste", "9", ""},
    });
    Restart();
    Press("1 2 3 4 CopyExpression");
    Calc().SetSelection(1, 3);
    Press("Paste");
    EXPECT_EQ(Expression(), "112344");
    EXPECT_EQ(Calc().Caret(), 5);
}

}  // namespace
}  // namespace zyk::test
