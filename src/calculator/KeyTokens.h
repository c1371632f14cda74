#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calculator/CalculatorCommand.h"

namespace zyk {

// A key that inserts a token: the token, the token of its SHIFT function (empty when SHIFT only
// ends itself and the plain token goes in), and whether it works in the decimal base only.
struct TokenKey {
    CalculatorCommand command;
    std::string_view token;
    std::string_view shiftToken;
    bool decimalOnly;
};

// Bytes: 0xB7 function marker, 0xAD negation sign, 0xB2 square sign, 0xA4 xor sign.
inline constexpr std::array<TokenKey, 24> kTokenKeys = {{
    {CalculatorCommand::Point, ".", "", false},
    {CalculatorCommand::Exp, "e", "", true},
    {CalculatorCommand::HexA, "A", "", false},
    {CalculatorCommand::HexB, "B", "", false},
    {CalculatorCommand::HexE, "E", "", false},
    {CalculatorCommand::HexF, "F", "", false},
    {CalculatorCommand::Add, "+", "", false},
    {CalculatorCommand::Subtract, "-", "", false},
    {CalculatorCommand::Multiply, "*", "", false},
    {CalculatorCommand::Divide, "/", "", false},
    {CalculatorCommand::OpenParenthesis, "(", "", false},
    {CalculatorCommand::CloseParenthesis, ")", "", false},
    {CalculatorCommand::And, "&", "|", false},
    {CalculatorCommand::Mod, "%", "\xA4", false},
    {CalculatorCommand::Or, "|", "", false},
    {CalculatorCommand::Xor, "\xA4", "", false},
    {CalculatorCommand::Equals, "=", "", true},
    {CalculatorCommand::Negate, "\xAD", "", false},
    {CalculatorCommand::Square, "\xB2", "{pi}", true},
    {CalculatorCommand::Power, "^", "", true},
    {CalculatorCommand::Factorial, "!", "", true},
    {CalculatorCommand::Sqrt, "\xB7sqrt", "", true},
    {CalculatorCommand::Log, "\xB7log",
     "\xB7"
     "10^",
     false},
    {CalculatorCommand::Ln, "\xB7ln",
     "\xB7"
     "e^",
     false},
}};

// The token key of a command; nothing for a command that does more than insert a token.
constexpr const TokenKey* FindTokenKey(CalculatorCommand command) {
    for (const auto& key : kTokenKeys) {
        if (key.command == command) {
            return &key;
        }
    }
    return nullptr;
}

// "{symbol}", as the constants menu and the constants window insert it.
inline std::string ConstantToken(std::string_view symbol) {
    std::string token;
    token.reserve(symbol.size() + 2);
    token += '{';
    token.append(symbol);
    token += '}';
    return token;
}

}  // namespace zyk
