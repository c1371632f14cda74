#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "charset/Windows1252.h"
#include "expression/NumberFormat.h"

namespace zyk {
namespace {

struct ByteCase {
    unsigned char byte;
    char32_t unicode;
};

// The 0x80-0x9F block is where Windows-1252 differs from Latin-1; a table that forgets it sends
// 0x83 (the no-result variable of formulas) to the terminal as a control character.
TEST(Windows1252, MapsTheWholeUpperHalf) {
    const ByteCase cases[] = {
        {0x41, U'A'},   {0x80, 0x20AC}, {0x83, 0x0192}, {0x8A, 0x0160}, {0x8D, 0x008D},
        {0x92, 0x2019}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xA4, 0x00A4}, {0xA6, 0x00A6},
        {0xAD, 0x00AD}, {0xB2, 0x00B2}, {0xB7, 0x00B7}, {0xFF, 0x00FF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windows1252::ToUnicode(c.byte), c.unicode) << int(c.byte);
        const auto back = windows1252::FromUnicode(c.unicode);
        ASSERT_TRUE(back.has_value()) << int(c.byte);
        EXPECT_EQ(static_cast<unsigned char>(*back), c.byte);
    }
}

TEST(Windows1252, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const auto back = windows1252::FromUtf8(windows1252::ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    const auto softHyphen = windows1252::FromUtf8(windows1252::ToUtf8(all, false));
    ASSERT_TRUE(softHyphen.has_value());
    EXPECT_EQ(*softHyphen, all);
}

TEST(Windows1252, NegationSignIsShownAsMinusAndReadBackFromBoth) {
    const std::string negated = std::string(1, '\xAD') + "5";
    EXPECT_EQ(windows1252::ToUtf8(negated), "\u22125");
    EXPECT_EQ(windows1252::ToUtf8(negated, false), "\u00AD5");
    EXPECT_EQ(windows1252::FromUtf8("\u22125"), negated);
    EXPECT_EQ(windows1252::FromUtf8("\u00AD5"), negated);
}

TEST(Windows1252, RefusesWhatHasNoByte) {
    const char* refused[] = {
        "\u4E2D",            // a CJK character
        "\xF0\x9F\x98\x80",  // an emoji
        "\xC3",              // truncated sequence
        "\xC0\xAF",          // overlong slash
        "\xED\xA0\x80",      // surrogate
        "\xFF",              // never valid in UTF-8
    };
    for (const char* text : refused) {
        EXPECT_FALSE(windows1252::FromUtf8(text).has_value()) << text;
        EXPECT_TRUE(windows1252::FirstUnmappable(text).has_value()) << text;
    }
    EXPECT_EQ(windows1252::FirstUnmappable("ab\u4E2D"), char32_t{0x4E2D});
    EXPECT_FALSE(windows1252::FirstUnmappable("\u00B7sin30").has_value());
}

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

TEST(NumberFormat, GeneralFormatOfWholeNumbersIsWhatPrintfWrites) {
    // clang-format off
    const double edges[] = {0.0, -0.0, 1.0, -1.0, 9.0, 10.0, 99999.0, 100000.0, 999999.0, 1e6,
                            9999999999.0, 1e10, -9999999999.0, -1e10, 123456789012.0, 1e15,
                            9007199254740993.0, 1e17, 1e18, 1e19, 4.5, -0.5, 1e-7, 1e300, HUGE_VAL};
    // clang-format on
    for (const int precision : {0, 1, 2, 6, 10, 12, 15, 17, 18, 19}) {
        for (const double value : edges) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*g", precision, value);
            EXPECT_EQ(FormatGeneral(value, precision), WidenExponent(expected))
                << value << " %." << precision << "g";
        }
        // Every whole number around the precision's limit and a spread of others.
        for (double value = 1.0; value < 1e19; value = value * 3 + 1) {
            for (const double v : {value, -value, value - 1}) {
                char expected[64];
                std::snprintf(expected, sizeof expected, "%.*g", precision, v);
                ASSERT_EQ(FormatGeneral(v, precision), WidenExponent(expected))
                    << v << " %." << precision << "g";
            }
        }
    }
}

TEST(NumberFormat, WidensOnlyExponentsOfNumbers) {
    EXPECT_EQ(WidenExponent("x1= 1e+05 , x2= 2.5e-07"), "x1= 1e+005 , x2= 2.5e-007");
    EXPECT_EQ(WidenExponent("re+05"), "re+05");  // a word, not a mantissa
    EXPECT_EQ(WidenExponent("1e+123"), "1e+123");
    EXPECT_EQ(WidenExponent("inf"), "inf");
}

}  // namespace
}  // namespace zyk
