#include <cmath>

#include "RecordingConsole.h"
#include "program/BuiltInFunctions.h"

namespace zyk::test {
namespace {

TEST(ProgramFunctionsTest, MappedCalculatorFunctions) {
    ExpectRuns({
        {"print log(100)\nprint log10(100)", "4.605170186\n2"},  // log is natural
        {"print sqrt(16)\nprint sin(30)\nprint cos(60)\nprint tan(45)", "4\n0.5\n0.5\n1"},
        {"print asin(1)\nprint acos(1)\nprint atan(1)", "90\n0\n45"},  // degrees
        {"print sinh(0)\nprint cosh(0)\nprint tanh(0)", "0\n1\n0"},
        {"print asinh(0)\nprint acosh(1)\nprint atanh(0)\nprint exp(1)", "0\n0\n0\n2.718281828"},
        {"print 2*sqrt(sqrt(16))", "4"},
        {"print sqrt(0-4)", "", "[ 1:  ]  [ sqrt  Value not valid ]   Ma Error"},
        {"print asin(2)", "", "[ 1:  ]   [ arcsin  Value to big ]   Ma Error "},
        {"print cbrt(8)", "", "[ 1: cbrt(8) ]  Not valid"},
    });
}

TEST(ProgramFunctionsTest, ScalarInterpreterFunctions) {
    ExpectRuns({
        {"print fix(0-2.7)\nprint floor(0-2.7)\nprint ceil(0-2.7)", "−2\n−3\n−2"},
        {"print fix(2.7) floor(2.7) ceil(2.2)", "223"},
        {"print round(2.5)\nprint round(0-2.5)", "3\n−2"},
        {"var r\nr = round(3.14159, 2)\nprint r\nr = round(1234, 0-2)\nprint r", "3.14\n1200"},
        {"print abs(0-5)\nprint abs(floor(0-2.5))", "5\n3"},
        {"var x\nx = 0-4\nprint 3*fix(x)", "−12"},  // fix keeps the calculator minus
        {"var g\ng = gcd(12, 18)\nprint g\ng = gcd(17, 5)\nprint g", "6\n1"},
        {"var g\ng = gcd(12)", "", "[ 2: gcd ]  gcd(x,y)   syn Error"},
        {"var g\ng = gcd(1.5, 3)", "", "[ 2: gcd(x,y) ]  x & y not integers!"},
        {"print floor( )", "", "[ 1: print floor( ) ]  Nothing to calculate!"},
        {"print abs(y)", "", "[ 1: y ]  Not valid"},
    });
}

TEST(ProgramFunctionsTest, ArrayFunctions) {
    const std::string eight = "array a[8] = {2, 4, 4, 4, 5, 5, 7, 9}\n";
    ExpectRuns({
        {eight + "print sum(a)\nprint mean(a)\nprint std2(a)\nprint std(a)",
         "40\n5\n2\n2.138089935"},
        {"array a[3] = {3, 1, 2}\nprint median(a)", "2"},
        {"array a[4] = {4, 1, 3, 2}\nprint median(a)", "2.5"},
        {"array a[3] = {2, -3, 4}\nprint prod(a)", "−24"},
        {"array a[1] = {5}\nprint std(a)", "0"},
        {"array a[3] = {1, 2, 3}\nvar i\ni = 1\na[i] = 10\nprint sum( a )", "14"},
        {"print sum()", "", "[ 1: print sum() ]  Nothing to calculate!"},
        {"print sum(b)", "", "[ 1: print sum(b) ]  Not valid!"},
        {"array a[0]\nprint mean(a)", "", "[ 2: print mean(a) ]  Nothing to calculate!"},
    });
}

const std::string kMinus(1, kNegationSign);

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
        {".5", 0.5},
        {"3e", 3.0},
        {"1+2", 1.0},
        {kMinus, 0.0},
        {"2e" + kMinus + "2", 0.02},
        // Whole numbers: up to fifteen digits read exactly, longer ones round as strtod does.
        {"  +42", 42.0},
        {"999999999999999", 999999999999999.0},
        {"12345678901234567", 12345678901234568.0},
        {"7.", 7.0},
        {"1e999", HUGE_VAL},
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
}  // namespace zyk::test
