#pragma once

#include "FuzzCheck.h"
#include "calculator/Calculator.h"
#include "calculator/ExpressionLine.h"

namespace zyk::fuzz {

// What the window relies on whenever it repaints the expression line.
inline void RequireLineSound(const Calculator& calculator) {
    const std::size_t length = calculator.ExpressionText().size();
    Require(length <= ExpressionLine::kMaxLength, "the expression line stays within its cap");
    Require(calculator.Caret() <= length, "the caret stays inside the line");
    Require(calculator.SelectionStart() <= calculator.SelectionEnd() &&
                calculator.SelectionEnd() <= length,
            "the selection stays inside the line");
    Require(calculator.Caret() == calculator.SelectionStart() ||
                calculator.Caret() == calculator.SelectionEnd(),
            "the caret is at one end of the selection");
}

}  // namespace zyk::fuzz
