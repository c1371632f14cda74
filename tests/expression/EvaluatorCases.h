#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "calculator/EvaluatorStartup.h"
#include "charset/Windows1252.h"
#include "expression/ExpressionEvaluator.h"
#include "shell/MemorySettingsStore.h"

// Table rows for the evaluator. Texts are UTF-8 with the special characters as themselves
// (·, ², ¦, ¤) and the negation sign as − (U+2212); they are turned into the calculator's bytes.
namespace zyk::test {

inline constexpr NumberBase kHex = NumberBase::Hexadecimal;
inline constexpr NumberBase kBin = NumberBase::Binary;
inline constexpr double kPi = 3.141592653589793;

struct Mode {
    NumberBase base = NumberBase::Decimal;
    bool degrees = true;
};
inline constexpr Mode kRadians{NumberBase::Decimal, false};

struct ValueRow {
    std::string_view text;
    double value;
};

inline ValueRow Is(std::string_view text, double value) {
    return {text, value};
}

// Every text of a row ends with the same error text (an empty one: the text passes).
struct ErrorRow {
    std::string_view error;
    std::initializer_list<std::string_view> texts;
};

inline std::string Bytes(std::string_view utf8) {
    const auto bytes = windows1252::FromUtf8(utf8);
    EXPECT_TRUE(bytes.has_value()) << "test text is not Windows-1252: " << utf8;
    return bytes.value_or(std::string());
}

// The evaluator as the calculator starts it (built-in constants, memories M0-M9), its memories
// kept in a store of its own: empty, so every memory starts at 0.
class CalculatorEvaluator : public ::testing::Test {
protected:
    CalculatorEvaluator() { SetUpEvaluator(m_evaluator, m_store); }
    MemorySettingsStore m_store;
    ExpressionEvaluator m_evaluator;
};

// Equal to a few units in the last place; near 0 (sin pi and the like) absolutely.
inline bool Close(double actual, double expected) {
    if (std::isnan(expected)) {
        return std::isnan(actual);
    }
    if (std::isinf(expected) || expected == 0.0) {
        return actual == expected || std::fabs(actual) < 1e-14;
    }
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

inline void ExpectValues(ExpressionEvaluator& evaluator, std::initializer_list<ValueRow> rows,
                         Mode mode = {}) {
    evaluator.SetNumberBase(mode.base);
    evaluator.SetDegreeMode(mode.degrees);
    for (const auto& row : rows) {
        double value = 0.0;
        const bool ok = evaluator.Evaluate(Bytes(row.text), value);
        EXPECT_TRUE(ok && Close(value, row.value))
            << row.text << " gave " << value << " '" << windows1252::ToUtf8(evaluator.ErrorText())
            << "', expected " << row.value;
    }
}

inline void ExpectErrors(ExpressionEvaluator& evaluator, std::initializer_list<ErrorRow> rows,
                         Mode mode = {}) {
    evaluator.SetNumberBase(mode.base);
    evaluator.SetDegreeMode(mode.degrees);
    for (const auto& row : rows) {
        for (const auto text : row.texts) {
            double value = 0.0;
            EXPECT_FALSE(evaluator.Evaluate(Bytes(text), value)) << text << " gave " << value;
            EXPECT_EQ(evaluator.ErrorText(), Bytes(row.error)) << text;
        }
    }
}

}  // namespace zyk::test
