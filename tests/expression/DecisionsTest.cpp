#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "EvaluatorCases.h"

// Inputs the keypad never produces, and how the engine answers them (docs/expression-engine.md).
namespace zyk::test {
namespace {

class Decisions : public ::testing::Test {
protected:
    void SetUp() override { LoadCalculatorTables(m_evaluator); }
    ExpressionEvaluator m_evaluator;
};

TEST_F(Decisions, UnclosedNamesAreRefused) {
    const Case cases[] = {
        Err("¦M1", "[ ¦  Missing ]   Syn ERROR"), Err("2+¦M1+3", "[ ¦  Missing ]   Syn ERROR"),
        Err("¦¦", "[ ¦  Missing ]   Syn ERROR"),  // a memory name has at least one character
        Err("{pi", "[ }  Missing ]   Syn ERROR"), Err("2*{pi+1", "[ }  Missing ]   Syn ERROR"),
        Err("[x", "[ ]  Missing ]   Syn ERROR"),  Err("[x+1", "[ ]  Missing ]   Syn ERROR"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Decisions, ArcWithoutSinCosOrTanIsNoFunction) {
    const Case cases[] = {
        Err("·a", "No such function!"),
        Err("·arc", "No such function!"),
        Err("·arcx1", "No such function!"),
        Err("2+·abs1", "No such function!"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Decisions, NotANumberAndInfinityFlowThroughUntilSomethingNeedsAnInteger) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        Ok("(−8)^(1/3)", nan),  // pow's answer for a negative base
        Ok("·sqrt((−8)^(1/3))", nan),
        Ok("0^−1", inf),
        Ok("1e400", inf),
        Err("((−8)^(1/3))!", "[ !  No Integer ]  Syn ERROR"),
        Err("((−8)^(1/3))|1", "Ma  ERROR"),
        Err("(1e400)&1", "Ma  ERROR"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Decisions, TheNestingLimitSitsAtFourHundredLevels) {
    std::string within;
    std::string beyond;
    for (int i = 0; i < 399; ++i) {
        within += Bytes("·sqrt");
    }
    beyond = within + Bytes("·sqrt");
    double value = 0.0;
    EXPECT_TRUE(m_evaluator.Evaluate(within + "1", value)) << m_evaluator.ErrorText();
    EXPECT_EQ(value, 1.0);
    EXPECT_FALSE(m_evaluator.Evaluate(beyond + "1", value));
    EXPECT_EQ(m_evaluator.ErrorText(), "[ nesting  Too deep ]   Syn Error");
}

}  // namespace
}  // namespace zyk::test
