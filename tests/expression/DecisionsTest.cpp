#include <gtest/gtest.h>

#include <limits>

#include "EvaluatorCases.h"

// Inputs the keypad never produces, and how the engine answers them (docs/expression-engine.md).
namespace zyk::test {
namespace {

TEST(Decisions, UnclosedNamesAndUnknownArcFunctionsAreRefused) {
    ExpressionEvaluator evaluator;
    LoadCalculatorTables(evaluator);
    ExpectErrors(evaluator, {{"[ ¦  Missing ]   Syn ERROR", {"¦M1", "2+¦M1+3", "¦¦"}},
                             {"[ }  Missing ]   Syn ERROR", {"{pi", "2*{pi+1"}},
                             {"[ ]  Missing ]   Syn ERROR", {"[x", "[x+1"}},
                             {"No such function!", {"·a", "·arc", "·arcx1", "2+·abs1"}}});
}

TEST(Decisions, NotANumberAndInfinityFlowThroughUntilSomethingNeedsAnInteger) {
    ExpressionEvaluator evaluator;
    ExpectValues(evaluator, {Is("(−8)^(1/3)", std::numeric_limits<double>::quiet_NaN()),
                             Is("·sqrt((−8)^(1/3))", std::numeric_limits<double>::quiet_NaN()),
                             Is("0^−1", std::numeric_limits<double>::infinity()),
                             Is("1e400", std::numeric_limits<double>::infinity())});
    ExpectErrors(evaluator, {{"[ !  No Integer ]  Syn ERROR", {"((−8)^(1/3))!"}},
                             {"Ma  ERROR", {"((−8)^(1/3))|1", "((−8)^(1/3))¤1", "(1e400)&1"}}});
}

TEST(Decisions, TheNestingLimitSitsAtFourHundredLevels) {
    ExpressionEvaluator evaluator;
    std::string within;  // 399 functions inside the term: 400 levels
    for (int i = 0; i < 399; ++i) {
        within += "·sqrt";
    }
    ExpectValues(evaluator, {Is(within + "1", 1.0)});
    double value = 0.0;
    EXPECT_FALSE(evaluator.Evaluate(Bytes(within + "·sqrt1"), value));
    EXPECT_EQ(evaluator.ErrorText(), "[ nesting  Too deep ]   Syn Error");
}

}  // namespace
}  // namespace zyk::test
