#pragma once

#include <string_view>

#include "expression/ExpressionEvaluator.h"

namespace zyk {

// The shallow pre-pass run over every text before it is evaluated: each character against its
// neighbours, parentheses counted. It reads only the text and stops at the first fault.
class SyntaxChecker {
public:
    // The message of the first fault, or an empty view when the text passes.
    static std::string_view Check(std::string_view text, NumberBase base);

private:
    static std::string_view CheckOperator(std::string_view text, std::size_t index);
    static std::string_view CheckLiteral(std::string_view text, std::size_t index, NumberBase base);
    static std::string_view CheckFunctionName(std::string_view text, std::size_t marker);
    static std::string_view CheckExponent(std::string_view text, std::size_t index);
};

}  // namespace zyk
