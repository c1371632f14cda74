#include "expression/NumberFormat.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace zyk {

std::string WidenExponent(std::string text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if ((text[i] != 'e' && text[i] != 'E') || (text[i + 1] != '+' && text[i + 1] != '-')) {
            continue;
        }
        // Only an exponent that follows a digit or a point of the mantissa.
        if (i == 0 ||
            !(std::isdigit(static_cast<unsigned char>(text[i - 1])) || text[i - 1] == '.')) {
            continue;
        }
        std::size_t digitsStart = i + 2;
        std::size_t digitsEnd = digitsStart;
        while (digitsEnd < text.size() &&
               std::isdigit(static_cast<unsigned char>(text[digitsEnd]))) {
            ++digitsEnd;
        }
        const std::size_t count = digitsEnd - digitsStart;
        if (count > 0 && count < 3) {
            text.insert(digitsStart, 3 - count, '0');
        }
        i = digitsStart;
    }
    return text;
}

std::string FormatDouble(std::string_view format, double value) {
    const std::string fmt(format);
    char buffer[512];
    const int written = std::snprintf(buffer, sizeof buffer, fmt.c_str(), value);
    if (written < 0) {
        return {};
    }
    if (static_cast<std::size_t>(written) < sizeof buffer) {
        return WidenExponent(std::string(buffer, static_cast<std::size_t>(written)));
    }
    std::string big(static_cast<std::size_t>(written) + 1, '\0');
    std::snprintf(big.data(), big.size(), fmt.c_str(), value);
    big.resize(static_cast<std::size_t>(written));
    return WidenExponent(std::move(big));
}

namespace {

// 10^0 .. 10^18: whole numbers below 10^18 fit a 64-bit integer exactly.
constexpr std::array<double, 19> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18,
};

}  // namespace

std::string FormatGeneral(double value, int precision) {
    // A whole number with at most `precision` digits is what "%g" writes without a point or an
    // exponent; writing its digits directly saves the C library's floating-point printing,
    // which is most of the time of a program's loop. -0 keeps its sign through printf.
    const int digits = precision == 0 ? 1 : precision;
    if (digits > 0 && digits < static_cast<int>(kPowersOfTen.size()) &&
        std::fabs(value) < kPowersOfTen[digits] && std::trunc(value) == value &&
        !(value == 0.0 && std::signbit(value))) {
        char buffer[24];
        const auto written =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value));
        return std::string(buffer, written.ptr);
    }
    return FormatDouble("%." + std::to_string(precision) + "g", value);
}

std::string FormatExponent(double value, int precision) {
    return FormatDouble("%." + std::to_string(precision) + "e", value);
}

}  // namespace zyk
