#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expression/ExpressionBytes.h"
#include "program/BuiltInFunctions.h"

namespace zyk {
namespace {

const std::string kMinus(1, kNegationSign);

TEST(BuiltInFunctionsTest, ValueTextsReadTheirLeadingNumber) {
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"2.5", 2.5},         {kMinus + "2.5", -2.5}, {"-7", -7.0},  {"1e+020", 1e20},
        {"1.5e-003", 1.5e-3}, {"12abc", 12.0},        {"abc", 0.0},  {".5", 0.5},
        {"3e", 3.0},          {"1+2", 1.0},           {kMinus, 0.0}, {"2e" + kMinus + "2", 0.02},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(BuiltInFunctions::ReadLeadingNumber(c.text), c.value) << c.text;
    }
}

TEST(BuiltInFunctionsTest, AbsAndFixKeepTheTextUnlessItHasAnExponent) {
    struct Case {
        std::string value, abs, fix;
    };
    const Case cases[] = {
        {kMinus + "2.7", "2.7", kMinus + "2"},  // fix keeps the calculator minus
        {"2.7", "2.7", "2"},
        {kMinus + "0.5", "0.5", kMinus + "0"},
        {"1.5e+020", "1.5e+020", "1.5e+020"},
        {kMinus + "2.5e-005", "2.5e-005", "0"},  // not "-0"
        {kMinus + "1.25e+015", "1.25e+015", kMinus + "1.25e+015"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuiltInFunctions::AbsText(c.value), c.abs) << c.value;
        EXPECT_EQ(BuiltInFunctions::FixText(c.value), c.fix) << c.value;
    }
}

TEST(BuiltInFunctionsTest, RoundGcdAndSpread) {
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Round(2.675, 1), 2.7);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Round(1250.0, -2), 1300.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Round(-1234.0, -1), -1230.0);
    double gcd = 0.0;
    EXPECT_TRUE(BuiltInFunctions::Gcd(-12, 8, gcd));
    EXPECT_DOUBLE_EQ(gcd, 4.0);
    EXPECT_TRUE(BuiltInFunctions::Gcd(0, 9, gcd));
    EXPECT_DOUBLE_EQ(gcd, 9.0);
    EXPECT_FALSE(BuiltInFunctions::Gcd(3, 0.5, gcd));
    // Equal values must not give the root of a rounding error below zero.
    const std::vector<double> equal = {0.1, 0.1, 0.1};
    EXPECT_DOUBLE_EQ(BuiltInFunctions::PopulationStd(equal), 0.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::SampleStd(equal), 0.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Median(std::vector<double>{7}), 7.0);
}

}  // namespace
}  // namespace zyk
