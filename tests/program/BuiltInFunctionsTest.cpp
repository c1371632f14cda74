#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expression/SpecialBytes.h"
#include "program/BuiltInFunctions.h"

namespace zyk {
namespace {

const std::string kMarker(1, kFunctionMarker);
const std::string kMinus(1, kNegationSign);

TEST(BuiltInFunctionsTest, ProgramNamesMapOntoCalculatorTokens) {
    struct Case {
        std::string program;
        std::string mapped;
    };
    const Case cases[] = {
        {"log(100)", kMarker + "ln(100)"},
        {"log10(100)", kMarker + "log(100)"},
        {"sqrt(4)", kMarker + "sqrt(4)"},
        {"sin(30)+cos(60)", kMarker + "sin(30)+" + kMarker + "cos(60)"},
        {"tan(45)", kMarker + "tan(45)"},
        {"asin(1)", kMarker + "arcsin(1)"},
        {"acos(1)", kMarker + "arccos(1)"},
        {"atan(1)", kMarker + "arctan(1)"},
        {"sinh(1)", kMarker + "sinh(1)"},
        {"cosh(1)", kMarker + "cosh(1)"},
        {"tanh(1)", kMarker + "tanh(1)"},
        {"asinh(1)", kMarker + "arcsinh(1)"},
        {"acosh(1)", kMarker + "arccosh(1)"},
        {"atanh(0)", kMarker + "arctanh(0)"},
        {"exp(2)", kMarker + "e^(2)"},
        {"2*sin(sin(1))", "2*" + kMarker + "sin(" + kMarker + "sin(1))"},
        {"xsin(1)", "xsin(1)"},  // a letter before: not a function name
        {"1+2", "1+2"},
    };
    for (const Case& c : cases) {
        std::string text = c.program;
        BuiltInFunctions::MapFunctionNames(text);
        EXPECT_EQ(text, c.mapped) << c.program;
    }
}

TEST(BuiltInFunctionsTest, OnlyTheMappedTokensFollowAFunctionMarker) {
    struct Case {
        std::string afterMarker;
        std::size_t length;
    };
    const Case cases[] = {
        {"ln(2)", 3}, {"log(2)", 4}, {"arcsinh(1)", 8}, {"e^(1)", 3}, {"sin(1)", 4}, {"sinh(1)", 5},
        {"sin1", 0},  {"10^(2)", 0}, {"hFF", 0},        {"", 0},      {"ln", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuiltInFunctions::FunctionTokenLength(c.afterMarker), c.length) << c.afterMarker;
    }
}

TEST(BuiltInFunctionsTest, ValueTextsReadTheirLeadingNumber) {
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"2.5", 2.5},
        {kMinus + "2.5", -2.5},
        {"-7", -7.0},
        {"1e+020", 1e20},
        {"1.5e-003", 1.5e-3},
        {"12abc", 12.0},
        {"abc", 0.0},
        {"", 0.0},
        {".5", 0.5},
        {"3e", 3.0},
        {"1+2", 1.0},
        {kMinus, 0.0},
        {"2e" + kMinus + "2", 0.02},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(BuiltInFunctions::ReadLeadingNumber(c.text), c.value) << c.text;
    }
}

TEST(BuiltInFunctionsTest, AbsAndFixKeepTheCalculatorsText) {
    struct Case {
        std::string value;
        std::string abs;
        std::string fix;
    };
    const Case cases[] = {
        {kMinus + "5", "5", kMinus + "5"},
        {kMinus + "2.7", "2.7", kMinus + "2"},  // fix keeps the calculator minus
        {"2.7", "2.7", "2"},
        {kMinus + "0.5", "0.5", kMinus + "0"},
        {"1.5e+020", "1.5e+020", "1.5e+020"},  // exponent texts are computed numerically
        {kMinus + "2.5e-005", "2.5e-005", "0"},
        {kMinus + "1.25e+015", "1.25e+015", kMinus + "1.25e+015"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuiltInFunctions::AbsText(c.value), c.abs) << c.value;
        EXPECT_EQ(BuiltInFunctions::FixText(c.value), c.fix) << c.value;
    }
}

TEST(BuiltInFunctionsTest, RoundingAndGreatestCommonDivisor) {
    struct RoundCase {
        double x;
        double decimals;
        double rounded;
    };
    const RoundCase rounds[] = {
        {3.14159, 2, 3.14}, {2.5, 0, 3.0},      {-2.5, 0, -2.0},      {2.675, 1, 2.7},
        {1234.0, -2, 1200}, {1250.0, -2, 1300}, {-1234.0, -1, -1230},
    };
    for (const RoundCase& c : rounds) {
        EXPECT_DOUBLE_EQ(BuiltInFunctions::Round(c.x, c.decimals), c.rounded) << c.x;
    }
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Round(2.5), 3.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Round(-2.5), -2.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Round(-2.6), -3.0);

    struct GcdCase {
        double x;
        double y;
        bool whole;
        double gcd;
    };
    const GcdCase gcds[] = {
        {12, 8, true, 4},  {8, 12, true, 4},   {17, 5, true, 1},   {0, 9, true, 9},
        {-12, 8, true, 4}, {1.5, 3, false, 0}, {3, 0.5, false, 0}, {1e15, 5e14, true, 5e14},
    };
    for (const GcdCase& c : gcds) {
        double result = -1.0;
        EXPECT_EQ(BuiltInFunctions::Gcd(c.x, c.y, result), c.whole) << c.x << "," << c.y;
        if (c.whole) {
            EXPECT_DOUBLE_EQ(result, c.gcd) << c.x << "," << c.y;
        }
    }
}

TEST(BuiltInFunctionsTest, ArrayStatistics) {
    const std::vector<double> eight = {2, 4, 4, 4, 5, 5, 7, 9};
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Sum(eight), 40.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Mean(eight), 5.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::PopulationStd(eight), 2.0);
    EXPECT_NEAR(BuiltInFunctions::SampleStd(eight), 2.138089935, 1e-9);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Product(std::vector<double>{2, -3, 4}), -24.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Median(std::vector<double>{3, 1, 2}), 2.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Median(std::vector<double>{4, 1, 3, 2}), 2.5);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::Median(std::vector<double>{7}), 7.0);
    // One value: no spread rather than 0/0; equal values never give a root of a negative.
    EXPECT_DOUBLE_EQ(BuiltInFunctions::SampleStd(std::vector<double>{5}), 0.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::PopulationStd(std::vector<double>{0.1, 0.1, 0.1}), 0.0);
    EXPECT_DOUBLE_EQ(BuiltInFunctions::SampleStd(std::vector<double>{0.1, 0.1, 0.1}), 0.0);
}

TEST(BuiltInFunctionsTest, ResultsAreFormattedWithTwelveDigits) {
    EXPECT_EQ(BuiltInFunctions::FormatResult(1.0 / 3.0), "0.333333333333");
    EXPECT_EQ(BuiltInFunctions::FormatResult(-3.0), "-3");
    EXPECT_EQ(BuiltInFunctions::FormatResult(1e20), "1e+020");
}

}  // namespace
}  // namespace zyk
