#include <gtest/gtest.h>

#include <cmath>

#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

class Grammar : public ::testing::Test {
protected:
    void SetUp() override { LoadCalculatorTables(m_evaluator); }
    ExpressionEvaluator m_evaluator;
};

TEST_F(Grammar, MultiplyAndDivideGroupToTheRight) {
    const Case cases[] = {
        Ok("8/4/2", 4.0),                                                 // 8/(4/2)
        Ok("8/2*4", 1.0),                                                 // 8/(2*4)
        Ok("2*3/4", 1.5),     Ok("8*4/2", 16.0), Ok("100/10/5/2", 25.0),  // 100/(10/(5/2))
        Ok("16/4*2/8", 16.0),                                             // 16/(4*(2/8))
        Ok("8-4-2", 2.0),  // sums stay left-associative
        Ok("2-3+4", 3.0),     Ok("2+3*4", 14.0), Ok("2*3+4", 10.0),
        Ok("1+2*3-4/5", 6.2), Ok("8/2(2)", 2.0),  // the implicit product belongs to the right term
        Ok("2(2)/8", 0.5),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Grammar, ModTakesOnePrimaryWithTheSignOfTheDividend) {
    const Case cases[] = {
        Ok("7%3", 1.0),
        Ok("−7%3", -1.0),
        Ok("7.5%2", 1.5),
        Ok("10%4%3", 2.0),
        Ok("2*7%4", 6.0),  // 2*(7%4)
        Ok("7%4*2", 6.0),  // (7%4)*2
        Ok("7%(1+2)", 1.0),
        Ok("5!%7", 1.0),  // 120 mod 7
        Ok("2^3%3", 2.0),
        Err("7%0", "Ma  ERROR"),
        Err("7%(2-2)", "Ma  ERROR"),
        Err("7%−2", "Ma  ERROR"),  // a primary has no sign: the right operand reads as 0
        Err("5/0", "[ / ]   Can't divide with zero"),
        Err("5/(3-3)", "[ / ]   Can't divide with zero"),
        Err("1/0*5", "[ / ]   Can't divide with zero"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Grammar, LeadingOperatorsActOnZero) {
    const Case cases[] = {
        Ok("+5", 5.0),
        Ok("-5", -5.0),
        Ok("*5", 0.0),
        Ok("/5", 0.0),
        Ok("−5+2", -3.0),                             // the negation sign belongs to the number
        Err("(-8)", "[ -  Misplaced ]   Syn ERROR"),  // the outer text's pre-pass sees "(-"
        Ok("(−8)", -8.0),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Grammar, ImplicitProducts) {
    const Case cases[] = {
        Ok("2(3)", 6.0),           Ok("2{pi}", 2 * kPi),
        Ok("2(3+1)", 8.0),         Ok("(1+1)(2+2)", 8.0),
        Ok("2(3)(4)", 24.0),       Ok("2(3)+1", 7.0),
        Ok("{pi}{pi}", kPi * kPi), Ok("2·sqrt9", 6.0),
        Ok("3·sin30", 1.5),        Ok("2·e^2", 2 * std::exp(2.0)),
        Ok("3¦M0¦", 0.0),          Ok("2{c}", 2 * 299792458.0),
        Ok("2+3 4", 5.0),  // a character no rule consumes ends the evaluation
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Grammar, BitwiseOperatorsWorkOnTheLow32Bits) {
    const Case cases[] = {
        Ok("5&3", 1.0),
        Ok("5.9&3", 1.0),
        Ok("6|3", 7.0),
        Ok("6¤3", 5.0),
        Ok("−5.9&255", 251.0),  // -5 is ...FFFB
        Ok("1+2&3", 3.0),       // & binds looser than +
        Ok("1|2&3", 3.0),       // | looser than &
        Ok("6&3|8", 10.0),
        Ok("4294967297&3", 1.0),  // 2^32 + 1
        Ok("2147483648|0", -2147483648.0),
        Ok("−1¤0", -1.0),
        Ok("(2^62)|1", 1.0),
        Ok("(−2^63)|1", 1.0),  // -2^63 still has a 64-bit integer
        Err("(2^63)|1", "Ma  ERROR"),
        Err("1&(10^308*10)", "Ma  ERROR"),
        Err("((−8)^(1/3))¤1", "Ma  ERROR"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Grammar, PowersAndSquaresChainToTheLeft) {
    const Case cases[] = {
        Ok("2^3^2", 64.0),
        Ok("3²²", 81.0),
        Ok("2^3²", 64.0),
        Ok("2²^3", 64.0),
        Ok("2^−1", 0.5),
        Ok("2^3!", 64.0),
        Ok("2^−3!", 1.0 / 64.0),  // the factorial first, then the sign
        Ok("2^(3)!", 64.0),
        Ok("−2^2", 4.0),  // the sign belongs to the primary
        Ok("−2²", 4.0),
        Ok("(2)^2", 4.0),
        Ok("{pi}^0", 1.0),
        Ok("5!^2", 14400.0),
        Ok("2^2{pi}", std::pow(2.0, 2 * kPi)),  // the exponent is a juxtaposed product
        Ok("2^2·sqrt4", 8.0),                   // ... that a function after a digit ends
        Ok("·10^2", 100.0),
        Ok("·10^−2", 0.01),
        Ok("·e^2", std::exp(2.0)),
        Err("·10^", "No such function!"),  // a name must have a character after it
        Err("2^", "[ ^ No digit ]  Syn ERROR"),
        Err("^2", "[ ^  Misplaced ]   Syn ERROR"),
        Err("2+²", "[ ^  Misplaced ]   Syn ERROR"),
        Err("A^2", "[ ^  Misplaced ]   Syn ERROR", kHex),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Grammar, TheLetterEIsAnExponentAConstantOrAFunction) {
    const Case cases[] = {
        Ok("2e3", 2000.0),
        Ok("e3", 1000.0),  // no mantissa: the exponent alone
        Ok("2e+3", 2000.0),
        Ok("2e−3", 0.002),
        Ok("1.5e2", 150.0),
        Ok("2e-5", -3.0),  // an ASCII minus after e subtracts: 2 - 5
        Ok("{e}", 1.602176462e-19),
        Ok("2{e}", 2 * 1.602176462e-19),
        Ok("·e^1", 2.718281828459045),
        Ok("−1e3", -1000.0),
        Ok("Ae1", 100.0, kHex),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Grammar, ErrorsUnwindAndTheFirstOneWins) {
    const Case cases[] = {
        Err("1/0+·sqrt−1", "[ / ]   Can't divide with zero"),
        Err("·sqrt−1+1/0", "[ sqrt  Value not valid ]   Ma Error"),
        Err("(1/0)*(7%0)", "[ / ]   Can't divide with zero"),
        Err("({xyz}+1)/0", "Constant has no value!"),
        Err("2*(3+[q])", "Varible has no value?"),
        Err("=5", "[ = ]   syn Error"),
        Err("5+=3", "[ = ]   syn Error"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Grammar, ErrorTextIsClearedByTheNextEvaluation) {
    double value = 0.0;
    EXPECT_FALSE(m_evaluator.Evaluate("5/0", value));
    EXPECT_TRUE(m_evaluator.Evaluate("5/2", value));
    EXPECT_EQ(m_evaluator.ErrorText(), "");
    EXPECT_DOUBLE_EQ(value, 2.5);
}

TEST_F(Grammar, EvaluationStartsAtTheStartIndex) {
    double value = 0.0;
    ASSERT_TRUE(m_evaluator.Evaluate("12+3", value, 1));
    EXPECT_DOUBLE_EQ(value, 5.0);  // "2+3"
    ASSERT_TRUE(m_evaluator.Evaluate("12+3", value, -4));
    EXPECT_DOUBLE_EQ(value, 15.0);
}

TEST_F(Grammar, ACursorAfterAGroupContinuesTheOuterText) {
    const Case cases[] = {
        Ok("(1+2)*(3+4)", 21.0),          Ok("((1+2)*3)+4", 13.0),        Ok("(2)+(3)", 5.0),
        Ok("((((((((((7))))))))))", 7.0), Err("(1)A", "Ma  ERROR", kHex),  // a digit right after
                                                                           // the group
    };
    ExpectCases(m_evaluator, cases);
}

}  // namespace
}  // namespace zyk::test
