#include "calculator/AnswerFormatter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "expression/IntegerConversion.h"
#include "expression/NumberFormat.h"

namespace zyk {
namespace {

constexpr std::array<const char*, 16> kNibbles = {
    "0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111",
    "1000", "1001", "1010", "1011", "1100", "1101", "1110", "1111",
};

// -0 shows as 0: a negated zero is still zero to the user.
double WithoutNegativeZero(double value) {
    return value == 0.0 ? 0.0 : value;
}

std::string ThreeDigits(int magnitude) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.3d", magnitude);
    return buffer;
}

// Re-scales the mantissa so that the exponent moves by one step to a multiple of three.
// precision: digits after the point of the "%e" text the digits are built from.
std::string EngineeringDigits(double value, int precision, int newMagnitude) {
    std::string text = FormatExponent(value, precision);
    const std::size_t e = text.find('e');
    text.erase(e + 2);  // keep "e+" / "e-", drop the exponent digits
    const std::size_t point = text[0] == '-' ? 2 : 1;
    // "%.0e" writes no point; there is nothing to delete then.
    if (point < text.size() && text[point] == '.') {
        text.erase(point, 1);
    }
    text += ThreeDigits(newMagnitude);
    return AnswerFormatter::StripMantissaZeros(std::move(text));
}

// Puts the point after the first two mantissa digits (mantissa in [10, 100)).
std::string PointAfterTwoDigits(std::string text) {
    const std::size_t first = text[0] == '-' ? 1 : 0;
    if (text.find('e') == first + 1) {
        text.insert(first + 1, 1, '0');
    }
    text.insert(first + 2, 1, '.');
    return text;
}

// Prefixes "0." to the mantissa (mantissa in [0.1, 1)).
std::string LeadingZeroPoint(std::string text) {
    const std::size_t first = text[0] == '-' ? 1 : 0;
    text.insert(first, "0.");
    return text;
}

}  // namespace

std::string AnswerFormatter::StripMantissaZeros(std::string text) {
    const std::size_t e = text.find('e');
    if (e == std::string::npos) {
        return text;
    }
    std::size_t end = e;
    while (end > 0 && text[end - 1] == '0') {
        --end;
    }
    text.erase(end, e - end);
    return text;
}

std::string AnswerFormatter::Normal(double value, int maxDecimals) {
    return FormatGeneral(WithoutNegativeZero(value), maxDecimals + 1);
}

std::string AnswerFormatter::Scientific(double value, int maxDecimals) {
    return StripMantissaZeros(FormatExponent(WithoutNegativeZero(value), maxDecimals + 1));
}

std::string AnswerFormatter::Engineering(double value, int maxDecimals) {
    value = WithoutNegativeZero(value);
    const double magnitude = std::fabs(value);
    if (magnitude > 0.01 && magnitude < 1000.0) {
        return FormatGeneral(value, maxDecimals + 1);
    }
    const std::string plain = FormatExponent(value, maxDecimals + 1);
    const std::size_t e = plain.find('e');
    const bool negativeExponent = plain[e + 1] == '-';
    const int k = std::atoi(plain.c_str() + e + 2);
    switch (k % 3) {
        case 0:
            return StripMantissaZeros(plain);
        case 1:
            return negativeExponent
                       ? LeadingZeroPoint(EngineeringDigits(value, maxDecimals, k - 1))
                       : PointAfterTwoDigits(EngineeringDigits(value, maxDecimals + 2, k - 1));
        default:
            return negativeExponent
                       ? PointAfterTwoDigits(EngineeringDigits(value, maxDecimals + 2, k + 1))
                       : LeadingZeroPoint(EngineeringDigits(value, maxDecimals, k + 1));
    }
}

std::optional<std::string> AnswerFormatter::Hexadecimal(double value) {
    const auto word = LowWord32(value);
    if (!word) {
        return std::nullopt;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X",
                  static_cast<unsigned>(static_cast<std::uint32_t>(*word)));
    return std::string(buffer);
}

std::optional<std::string> AnswerFormatter::Binary(double value) {
    const auto hex = Hexadecimal(value);
    if (!hex) {
        return std::nullopt;
    }
    std::string bits;
    for (const char digit : *hex) {
        const int nibble = digit <= '9' ? digit - '0' : digit - 'A' + 10;
        bits += kNibbles[static_cast<std::size_t>(nibble)];
    }
    return bits;
}

std::optional<std::string> AnswerFormatter::Format(double value, NumberBase base,
                                                   AnswerFormat format, int maxDecimals) {
    switch (base) {
        case NumberBase::Hexadecimal:
            return Hexadecimal(value);
        case NumberBase::Binary:
            return Binary(value);
        case NumberBase::Decimal:
            break;
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    maxDecimals = std::clamp(maxDecimals, 0, 99);
    switch (format) {
        case AnswerFormat::Scientific:
            return Scientific(value, maxDecimals);
        case AnswerFormat::Engineering:
            return Engineering(value, maxDecimals);
        case AnswerFormat::Normal:
            break;
    }
    return Normal(value, maxDecimals);
}

}  // namespace zyk
