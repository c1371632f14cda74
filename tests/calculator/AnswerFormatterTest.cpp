#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calculator/AnswerFormatter.h"

namespace zyk {
namespace {

constexpr auto kDec = NumberBase::Decimal;
constexpr auto kHex = NumberBase::Hexadecimal;
constexpr auto kBin = NumberBase::Binary;
constexpr auto kNormal = AnswerFormat::Normal;
constexpr auto kSci = AnswerFormat::Scientific;
constexpr auto kEng = AnswerFormat::Engineering;

struct AnswerCase {
    double value;
    NumberBase base;
    AnswerFormat format;
    int decimals;
    const char* expected;
};

void ExpectAll(std::initializer_list<AnswerCase> cases) {
    for (const auto& c : cases) {
        const auto text = AnswerFormatter::Format(c.value, c.base, c.format, c.decimals);
        ASSERT_TRUE(text.has_value()) << c.value;
        EXPECT_EQ(*text, c.expected) << "value " << c.value << " format "
                                     << static_cast<int>(c.format) << " D " << c.decimals;
    }
}

TEST(AnswerFormatter, NormalUsesDPlusOneSignificantDigits) {
    ExpectAll({
        {1.0 / 3.0, kDec, kNormal, 10, "0.33333333333"},
        {2.0, kDec, kNormal, 10, "2"},
        {1.0 / 3.0, kDec, kNormal, 0, "0.3"},
        {1e15, kDec, kNormal, 10, "1e+015"},
        {-1.5e-7, kDec, kNormal, 10, "-1.5e-007"},
        {-0.0, kDec, kNormal, 10, "0"},
        {7.257415615307994e306, kDec, kNormal, 10, "7.2574156153e+306"},
    });
}

TEST(AnswerFormatter, ScientificDropsMantissaZerosButKeepsThePoint) {
    ExpectAll({
        {1500.0, kDec, kSci, 10, "1.5e+003"},
        {1.0, kDec, kSci, 10, "1.e+000"},
        {0.0, kDec, kSci, 10, "0.e+000"},
        {-2.5e-5, kDec, kSci, 10, "-2.5e-005"},
        {123.456, kDec, kSci, 2, "1.235e+002"},
        {100.0, kDec, kSci, 0, "1.e+002"},
    });
}

// Exponents in steps of three; the mantissa drops its trailing zeros but keeps its point.
TEST(AnswerFormatter, EngineeringExponentsComeInStepsOfThree) {
    ExpectAll({
        {12345.0, kDec, kEng, 10, "12.345e+003"},
        {123456.0, kDec, kEng, 10, "0.123456e+006"},
        {0.0012345, kDec, kEng, 10, "1.2345e-003"},
        {0.00012345, kDec, kEng, 10, "0.12345e-003"},
        {0.000012345, kDec, kEng, 10, "12.345e-006"},
        {0.0, kDec, kEng, 10, "0.e+000"},
        {1000.0, kDec, kEng, 10, "1.e+003"},
        {0.01, kDec, kEng, 10, "10.e-003"},
        {999.0, kDec, kEng, 10, "999"},
        {0.011, kDec, kEng, 10, "0.011"},
        {-12345.0, kDec, kEng, 10, "-12.345e+003"},
        {-0.00012345, kDec, kEng, 10, "-0.12345e-003"},
    });
}

// With D = 0 "%.0e" writes no point to delete: the digits stay as they are.
TEST(AnswerFormatter, EngineeringWithNoDecimals) {
    ExpectAll({
        {12345.0, kDec, kEng, 0, "12.3e+003"},
        {123456.0, kDec, kEng, 0, "0.1e+006"},
        {1000000.0, kDec, kEng, 0, "1.e+006"},
        {260.0, kDec, kEng, 0, "3e+002"},
    });
}

TEST(AnswerFormatter, HexadecimalAndBinaryShowTheLow32Bits) {
    ExpectAll({
        {255.0, kHex, kNormal, 10, "FF"},
        {-1.0, kHex, kNormal, 10, "FFFFFFFF"},
        {2.9, kHex, kNormal, 10, "2"},
        {-2.9, kHex, kNormal, 10, "FFFFFFFE"},
        {0.0, kHex, kNormal, 10, "0"},
        {4294967296.0 + 16.0, kHex, kNormal, 10, "10"},
        {5.0, kBin, kNormal, 10, "0101"},
        {16.0, kBin, kNormal, 10, "00010000"},
        {-1.0, kBin, kNormal, 10, "11111111111111111111111111111111"},
        {0.0, kBin, kNormal, 10, "0000"},
    });
}

TEST(AnswerFormatter, RefusesWhatCannotBeShown) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto base : {kDec, kHex, kBin}) {
        EXPECT_FALSE(AnswerFormatter::Format(inf, base, kNormal, 10).has_value());
        EXPECT_FALSE(AnswerFormatter::Format(-inf, base, kEng, 10).has_value());
        EXPECT_FALSE(AnswerFormatter::Format(nan, base, kSci, 10).has_value());
    }
    EXPECT_FALSE(AnswerFormatter::Format(1e19, kHex, kNormal, 10).has_value());
    EXPECT_TRUE(AnswerFormatter::Format(1e19, kDec, kNormal, 10).has_value());
}

}  // namespace
}  // namespace zyk
