#include <gtest/gtest.h>

#include "expression/NumberFormat.h"

namespace zyk {
namespace {

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(NumberFormat, EveryExponentHasASignAndThreeDigits) {
    const FormatCase cases[] = {
        {"%g", 1500.0, "1500"},
        {"%g", 1.5e6, "1.5e+006"},
        {"%g", 2e-5, "2e-005"},
        {"%.10e", 1.0, "1.0000000000e+000"},
        {"%.12g", 1e100, "1e+100"},
        {"%.12g", 1e-300, "1e-300"},
        {"%.11g", -6.02214199e23, "-6.02214199e+023"},
        {"%g", 0.0, "0"},
        {"%.9g", 1.41421356237, "1.41421356"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDouble(c.format, c.value), c.expected) << c.format << " " << c.value;
    }
}

TEST(NumberFormat, WidensOnlyExponentsOfNumbers) {
    EXPECT_EQ(WidenExponent("x1= 1e+05 , x2= 2.5e-07"), "x1= 1e+005 , x2= 2.5e-007");
    EXPECT_EQ(WidenExponent("re+05"), "re+05");  // a word, not a mantissa
    EXPECT_EQ(WidenExponent("1e+123"), "1e+123");
    EXPECT_EQ(WidenExponent("inf"), "inf");
}

TEST(NumberFormat, PrecisionHelpersMatchTheirFormats) {
    EXPECT_EQ(FormatGeneral(1.0 / 3.0, 11), "0.33333333333");
    EXPECT_EQ(FormatExponent(1500.0, 3), "1.500e+003");
}

}  // namespace
}  // namespace zyk
