#include "expression/SyntaxChecker.h"

#include <array>

#include "expression/ExpressionCharacters.h"
#include "expression/ExpressionMessages.h"

namespace zyk {
namespace {

namespace msg = expression_messages;
using namespace characters;

struct OperatorMessages {
    char symbol;
    std::string_view noDigit;
    std::string_view misplaced;
};

constexpr std::array<OperatorMessages, 8> kOperatorMessages = {{
    {'+', msg::kPlusNoDigit, msg::kPlusMisplaced},
    {'-', msg::kMinusNoDigit, msg::kMinusMisplaced},
    {'*', msg::kTimesNoDigit, msg::kTimesMisplaced},
    {'/', msg::kDivideNoDigit, msg::kDivideMisplaced},
    {'%', msg::kModNoDigit, msg::kModMisplaced},
    {'&', msg::kAndNoDigit, msg::kAndMisplaced},
    {'|', msg::kOrNoDigit, msg::kOrMisplaced},
    {kXorSign, msg::kXorNoDigit, msg::kXorMisplaced},
}};

const OperatorMessages& MessagesOf(char symbol) {
    for (const auto& entry : kOperatorMessages) {
        if (entry.symbol == symbol) {
            return entry;
        }
    }
    return kOperatorMessages.back();  // not reached: callers pass binary operators only
}

// The character at index, or 0 past the end (0 has no meaning in any rule).
char At(std::string_view text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

// After a function name (and an `h` where the name allows one) an operand must begin.
bool FollowedByOperand(std::string_view text, std::size_t afterName, bool allowHyperbolic) {
    if (allowHyperbolic && At(text, afterName) == 'h') {
        ++afterName;
    }
    return afterName < text.size() && IsOperandStart(text[afterName]);
}

}  // namespace

std::string_view SyntaxChecker::Check(std::string_view text, NumberBase base) {
    int opened = 0;
    int closed = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsBinaryOperator(c)) {
            if (const auto fault = CheckOperator(text, i); !fault.empty()) {
                return fault;
            }
        } else if (c == '(') {
            ++opened;
            if (i + 1 == text.size()) {
                return msg::kOpenNoDigit;
            }
        } else if (c == ')') {
            ++closed;
            if (i > 0 && !IsOperandEnd(text[i - 1]) && !IsHexLetter(text[i - 1])) {
                return msg::kCloseMisplaced;
            }
        } else if (c == kMemoryBar) {
            const auto close = ClosingMemoryBar(text, i);
            if (!close) {
                return msg::kMemoryBarMissing;
            }
            i = *close;
        } else if (c == '[') {
            i += 2;  // over the one-character name to its `]`
        } else if (c == '{') {
            const std::size_t close = text.find('}', i + 1);
            if (close == std::string_view::npos) {
                return msg::kBraceMissing;
            }
            i = close;
        }
        if (closed > opened) {
            return msg::kCloseMisplaced;
        }
        if (i >= text.size()) {
            break;
        }
        if (const auto fault = CheckLiteral(text, i, base); !fault.empty()) {
            return fault;
        }
    }
    if (closed > opened) {
        return msg::kCloseTooMany;
    }
    if (closed < opened) {
        return msg::kCloseMissing;
    }
    return {};
}

std::string_view SyntaxChecker::CheckOperator(std::string_view text, std::size_t index) {
    const char c = text[index];
    if (index + 1 == text.size()) {
        return MessagesOf(c).noDigit;
    }
    if (index == 0) {
        return {};  // the evaluator gives it a left operand of 0
    }
    const char before = text[index - 1];
    const bool exponentSign = (c == '+' || c == '-') && before == 'e';
    if (!IsOperandEnd(before) && !IsHexLetter(before) && !exponentSign) {
        return MessagesOf(c).misplaced;
    }
    return {};
}

std::string_view SyntaxChecker::CheckLiteral(std::string_view text, std::size_t index,
                                             NumberBase base) {
    const char c = text[index];
    const char before = index > 0 ? text[index - 1] : '\0';
    if (IsHexLetter(c) && base != NumberBase::Hexadecimal &&
        (index == 0 || !(before == 'h' || IsHexDigit(before)))) {
        return msg::kHexMisplaced;
    }
    if (c == kFunctionMarker) {
        return CheckFunctionName(text, index);
    }
    if (c == 'e') {
        return CheckExponent(text, index);
    }
    if (c == kNegationSign && index > 0 && (IsOperandEnd(before) || IsHexLetter(before))) {
        return msg::kSignMisplaced;
    }
    if (c == '.' && before == '.') {
        return msg::kPointMisplaced;
    }
    if ((IsDigit(c) || c == '.') && index > 0 && IsClosedOperand(before)) {
        return msg::kDigitMisplaced;
    }
    if (c == '!' && index > 0 && (before == kSquareSign || before == '^')) {
        return msg::kFactorialMisplaced;
    }
    return {};
}

std::string_view SyntaxChecker::CheckFunctionName(std::string_view text, std::size_t marker) {
    const std::size_t name = marker + 1;
    switch (At(text, name)) {
        case 'a': {
            // arcsin, arccos, arctan: the letter after "arc" picks the message.
            const char which = At(text, name + 3);
            std::string_view noDigit;
            if (which == 's') {
                noDigit = msg::kArcsinNoDigit;
            } else if (which == 'c') {
                noDigit = msg::kArccosNoDigit;
            } else if (which == 't') {
                noDigit = msg::kArctanNoDigit;
            } else {
                return msg::kNoSuchFunction;
            }
            return FollowedByOperand(text, name + 6, true) ? std::string_view{} : noDigit;
        }
        case 'c':
            return FollowedByOperand(text, name + 3, true) ? std::string_view{} : msg::kCosNoDigit;
        case 't':
            return FollowedByOperand(text, name + 3, true) ? std::string_view{} : msg::kTanNoDigit;
        case 'e': {
            std::string_view fault;
            if (name + 1 < text.size() && text[name + 1] != '^') {
                fault = msg::kEMisplaced;
            }
            std::size_t operand = name + 2;
            if (At(text, operand) == '+' || At(text, operand) == kNegationSign) {
                ++operand;
            }
            if (operand >= text.size() || !IsOperandStart(text[operand])) {
                fault = msg::kENoDigit;
            }
            return fault;
        }
        case 'l':
            if (At(text, name + 1) == 'n') {
                return FollowedByOperand(text, name + 2, false) ? std::string_view{}
                                                                : msg::kLnNoDigit;
            }
            return FollowedByOperand(text, name + 3, true) ? std::string_view{} : msg::kLogNoDigit;
        case 's':
            if (At(text, name + 1) == 'q') {
                return FollowedByOperand(text, name + 4, false) ? std::string_view{}
                                                                : msg::kSqrtNoDigit;
            }
            return FollowedByOperand(text, name + 3, true) ? std::string_view{} : msg::kSinNoDigit;
        default:
            return {};  // 10^ and the literal prefixes d, h, b are checked when read
    }
}

std::string_view SyntaxChecker::CheckExponent(std::string_view text, std::size_t index) {
    const char before = index > 0 ? text[index - 1] : '\0';
    // The `e` of e^ after the marker and the `e` inside a constant name are no exponents.
    if ((index > 0 && (before == kFunctionMarker || before == '{')) || At(text, index + 1) == '}') {
        return {};
    }
    if (index > 0 && IsClosedOperand(before)) {
        return msg::kExpMisplaced;
    }
    std::size_t digits = index + 1;
    if (At(text, digits) == '+' || At(text, digits) == kNegationSign) {
        ++digits;
    }
    const char next = At(text, digits);
    const bool startsNumber =
        digits < text.size() && (IsDigit(next) || next == '.' || next == '(' || next == '{' ||
                                 next == '-' || next == '[' || next == kMemoryBar);
    return startsNumber ? std::string_view{} : msg::kExpNoDigit;
}

}  // namespace zyk
