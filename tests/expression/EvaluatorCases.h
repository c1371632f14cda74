#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/BuiltInConstants.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/Windows1252.h"

// Table rows for the evaluator: the text is written in UTF-8 with the calculator's special
// characters as themselves (·, ², ¦, ¤) and the negation sign as − (U+2212), then turned into the
// calculator's bytes. Expected error texts are written the same way.
namespace zyk::test {

enum class Angle { Degrees, Radians };

inline constexpr NumberBase kDec = NumberBase::Decimal;
inline constexpr NumberBase kHex = NumberBase::Hexadecimal;
inline constexpr NumberBase kBin = NumberBase::Binary;
inline constexpr double kPi = 3.141592653589793;

struct Case {
    std::string_view text;
    std::optional<double> value;  // the answer, or nothing when an error text is expected
    std::string_view error;
    NumberBase base = kDec;
    Angle angle = Angle::Degrees;
};

inline Case Ok(std::string_view text, double value, NumberBase base = kDec,
               Angle angle = Angle::Degrees) {
    return {text, value, {}, base, angle};
}

inline Case Err(std::string_view text, std::string_view error, NumberBase base = kDec,
                Angle angle = Angle::Degrees) {
    return {text, std::nullopt, error, base, angle};
}

inline std::string Bytes(std::string_view utf8) {
    const auto bytes = windows1252::FromUtf8(utf8);
    EXPECT_TRUE(bytes.has_value()) << "test text is not Windows-1252: " << utf8;
    return bytes.value_or(std::string());
}

// An evaluator as the calculator sets it up: the thirteen constants and memories M0-M9 at 0.
inline void LoadCalculatorTables(ExpressionEvaluator& evaluator) {
    for (const auto& constant : kBuiltInConstants) {
        evaluator.SetConstant(constant.name, constant.value);
    }
    for (char digit = '0'; digit <= '9'; ++digit) {
        evaluator.SetMemory(std::string{'M', digit}, 0.0);
    }
}

// Equal within a few units in the last place (absolute near 0, where sin(pi) and the like live).
inline bool Close(double actual, double expected) {
    if (std::isnan(expected)) {
        return std::isnan(actual);
    }
    if (std::isinf(expected) || expected == 0.0) {
        return actual == expected || std::fabs(actual) < 1e-14;
    }
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

inline void ExpectCase(ExpressionEvaluator& evaluator, const Case& c) {
    evaluator.SetNumberBase(c.base);
    evaluator.SetDegreeMode(c.angle == Angle::Degrees);
    double value = 0.0;
    const bool ok = evaluator.Evaluate(Bytes(c.text), value);
    const std::string shownError = windows1252::ToUtf8(evaluator.ErrorText(), false);
    if (c.value) {
        EXPECT_TRUE(ok) << c.text << " failed with '" << shownError << "'";
        EXPECT_TRUE(ok && Close(value, *c.value))
            << c.text << " gave " << value << ", expected " << *c.value;
    } else {
        EXPECT_FALSE(ok) << c.text << " gave " << value << ", expected '" << c.error << "'";
        EXPECT_EQ(evaluator.ErrorText(), Bytes(c.error)) << c.text;
    }
}

template <typename Cases>
void ExpectCases(ExpressionEvaluator& evaluator, const Cases& cases) {
    for (const Case& c : cases) {
        ExpectCase(evaluator, c);
    }
}

}  // namespace zyk::test
