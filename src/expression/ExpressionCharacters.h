#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "expression/ExpressionBytes.h"

// The character classes that the syntax pre-pass and the evaluator share. Bytes are compared as
// chars; every byte above 0x7F that matters has a name in ExpressionBytes.h.
namespace zyk::characters {

inline constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Upper-case hexadecimal letters only: lower-case `e` is the exponent.
inline constexpr bool IsHexLetter(char c) {
    return c >= 'A' && c <= 'F';
}

inline constexpr bool IsHexDigit(char c) {
    return IsDigit(c) || IsHexLetter(c);
}

inline constexpr bool IsBinaryOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '%' || c == '&' || c == '|' ||
           c == kXorSign;
}

inline constexpr bool IsOperandStart(char c) {
    return IsDigit(c) || c == '.' || c == kFunctionMarker || c == '(' || c == '{' ||
           c == kNegationSign || c == '[' || c == kMemoryBar;
}

inline constexpr bool IsOperandEnd(char c) {
    return IsDigit(c) || c == ')' || c == ']' || c == '}' || c == '!' || c == kSquareSign ||
           c == kMemoryBar;
}

// What may not stand directly before a digit, a point or an exponent `e`.
inline constexpr bool IsClosedOperand(char c) {
    return c == ')' || c == ']' || c == '}' || c == '!' || c == kSquareSign || c == kMemoryBar;
}

// What ends a name or a group: a negation sign after one of these is no sign.
inline constexpr bool IsClosingBracket(char c) {
    return c == ')' || c == ']' || c == '}' || c == kMemoryBar;
}

// What may stand directly before `!`.
inline constexpr bool IsFactorialOperand(char c) {
    return IsDigit(c) || c == ')' || c == ']' || c == '!' || c == kMemoryBar;
}

// What may stand directly before `^` or the square sign.
inline constexpr bool IsPowerOperand(char c) {
    return IsDigit(c) || c == 'e' || c == ')' || c == '}' || c == ']' || c == '!' ||
           c == kSquareSign || c == kMemoryBar;
}

// The characters before which a term's implicit product (and a function argument) ends.
inline constexpr bool EndsImplicitProduct(char c) {
    return c == '+' || c == '-' || c == '&' || c == '|' || c == kXorSign || c == '=';
}

// The bar that closes the memory name opened at `open`: the next bar after the name's first
// character, so that a name always has at least one character.
inline std::optional<std::size_t> ClosingMemoryBar(std::string_view text, std::size_t open) {
    const std::size_t close = text.find(kMemoryBar, open + 2);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return close;
}

}  // namespace zyk::characters
