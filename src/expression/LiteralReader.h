#pragma once

#include <cstddef>
#include <string_view>

namespace zyk {

// What reading one number literal gave: its value, the index just after it, and an error text
// (empty when the literal is sound).
struct LiteralResult {
    double value = 0.0;
    std::size_t end = 0;
    std::string_view error;
};

// The number literals of the three bases, read from `start` without looking past the text.
class LiteralReader {
public:
    // Digits, then (after an A-F check) an optional point and fraction digits.
    static LiteralResult ReadDecimal(std::string_view text, std::size_t start);
    // A run of digits read as an integer (after the prefix d); `decimalBase` allows a point.
    static LiteralResult ReadDecimalInteger(std::string_view text, std::size_t start,
                                            bool decimalBase);
    // Up to eight hexadecimal digits as a signed 32-bit pattern.
    static LiteralResult ReadHexadecimal(std::string_view text, std::size_t start);
    // Up to thirty-two binary digits as a signed 32-bit pattern.
    static LiteralResult ReadBinary(std::string_view text, std::size_t start);
};

}  // namespace zyk
