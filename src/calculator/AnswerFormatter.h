#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "expression/ExpressionEvaluator.h"

namespace zyk {

enum class AnswerFormat : std::int32_t {
    Normal = 501,
    Scientific = 502,
    Engineering = 503,
};

// Turns an answer into the text the result line shows after "= ": "%.{D+1}g" (Normal),
// "%.{D+1}e" without trailing mantissa zeros (Scientific), exponents in steps of three
// (Engineering), or the low 32 bits in hexadecimal or binary. Every exponent has three digits.
class AnswerFormatter {
public:
    // The decimals the calculator uses for what programs print ("%.10g" / "%.10e").
    static constexpr int kProgramDecimals = 9;

    // Nothing when the value cannot be shown: infinite, not a number, or (hexadecimal and
    // binary) beyond the 64-bit integers. The calculator shows "Ma  ERROR" then.
    static std::optional<std::string> Format(double value, NumberBase base, AnswerFormat format,
                                             int maxDecimals);

    static std::string Normal(double value, int maxDecimals);
    static std::string Scientific(double value, int maxDecimals);
    static std::string Engineering(double value, int maxDecimals);
    static std::optional<std::string> Hexadecimal(double value);
    static std::optional<std::string> Binary(double value);

    // Deletes the zeros directly before the exponent part ("1.500e+003" -> "1.5e+003").
    static std::string StripMantissaZeros(std::string text);
};

}  // namespace zyk
