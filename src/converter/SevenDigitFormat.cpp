#include "converter/SevenDigitFormat.h"

#include <charconv>

#include "expression/NumberFormat.h"

namespace zyk {
namespace {

constexpr int kDecimalsOfMantissa = 6;  // seven significant digits
constexpr int kLowestFixedExponent = -1;
constexpr int kHighestFixedExponent = 6;

// Drops the zeros that end the decimals of `digits` (a number without exponent); the point stays.
std::string TrimDecimals(std::string digits) {
    if (digits.find('.') == std::string::npos) {
        return digits;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits;
}

std::string Chars(double value, std::chars_format format, int precision) {
    char buffer[64];  // at most seven digits before or after the point, or an exponent
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string FormatSevenDigits(double value) {
    if (value == 0.0) {
        value = 0.0;  // no "-0."
    }
    // to_chars is the same in every locale and rounds as printf does.
    const std::string scientific = Chars(value, std::chars_format::scientific, kDecimalsOfMantissa);
    const std::size_t e = scientific.find('e');
    const int exponent = std::stoi(scientific.substr(e + 1));
    if (exponent < kLowestFixedExponent || exponent > kHighestFixedExponent) {
        return WidenExponent(TrimDecimals(scientific.substr(0, e)) + scientific.substr(e));
    }
    return TrimDecimals(Chars(value, std::chars_format::fixed, kDecimalsOfMantissa - exponent));
}

}  // namespace zyk
