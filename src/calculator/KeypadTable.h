#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calculator/CalculatorCommand.h"

// The keypad, menus and keyboard shortcuts of the calculator window as data: the window builds
// its buttons, menus and shortcuts from these tables and sends the commands to Calculator.
// Texts are Windows-1252 bytes.
namespace zyk {

// One keypad button: its command (the key's identity), the label on the key and the label of
// its second function (written small above the key; empty when it has none).
struct KeypadKey {
    CalculatorCommand command;
    std::string_view label;
    std::string_view shiftLabel;
};

inline constexpr std::array<KeypadKey, 53> kKeypadKeys = {{
    {CalculatorCommand::Shift, "SHIFT", ""},
    {CalculatorCommand::Digit0, "0", ""},
    {CalculatorCommand::Digit1, "1", ""},
    {CalculatorCommand::Digit2, "2", ""},
    {CalculatorCommand::Digit3, "3", ""},
    {CalculatorCommand::Digit4, "4", ""},
    {CalculatorCommand::Digit5, "5", ""},
    {CalculatorCommand::Digit6, "6", ""},
    {CalculatorCommand::Digit7, "7", ""},
    {CalculatorCommand::Digit8, "8", ""},
    {CalculatorCommand::Digit9, "9", ""},
    {CalculatorCommand::Point, ".", ""},
    {CalculatorCommand::Exp, "Exp", ""},
    {CalculatorCommand::HexA, "A", ""},
    {CalculatorCommand::HexB, "B", ""},
    {CalculatorCommand::HexC, "C", "A - Z"},
    {CalculatorCommand::HexD, "D", "a - z"},
    {CalculatorCommand::HexE, "E", ""},
    {CalculatorCommand::HexF, "F", ""},
    {CalculatorCommand::Add, "+", ""},
    {CalculatorCommand::Subtract, "-", ""},
    {CalculatorCommand::Multiply, "*", ""},
    {CalculatorCommand::Divide, "/", ""},
    {CalculatorCommand::OpenParenthesis, "(", ""},
    {CalculatorCommand::CloseParenthesis, ")", ""},
    {CalculatorCommand::And, "and", "or"},
    {CalculatorCommand::Mod, "MOD", "xor"},
    {CalculatorCommand::Negate, "( - )", ""},
    {CalculatorCommand::Square, "X\xB2", "pi"},
    {CalculatorCommand::Power, "X^Y", ""},
    {CalculatorCommand::Factorial, "X!", ""},
    {CalculatorCommand::Sqrt, "Sqrt", ""},
    {CalculatorCommand::Sin, "sin", "arcsin"},
    {CalculatorCommand::Cos, "cos", "arccos"},
    {CalculatorCommand::Tan, "tan", "arctan"},
    {CalculatorCommand::Log, "log", "10^X"},
    {CalculatorCommand::Ln, "ln", "e^x"},
    {CalculatorCommand::Hyp, "hyp", ""},
    {CalculatorCommand::Deg, "Deg", "Rad"},
    {CalculatorCommand::Dec, "DEC", "d"},
    {CalculatorCommand::Hex, "HEX", "h"},
    {CalculatorCommand::Bin, "BIN", "b"},
    {CalculatorCommand::Mx, "Mx", "="},
    {CalculatorCommand::Const, "Const", "\xA6Mem\xA6"},
    {CalculatorCommand::Frm, "Frm", "Save"},
    {CalculatorCommand::Mode, "Mode", ""},
    {CalculatorCommand::Display, "?", ""},
    {CalculatorCommand::CaretLeft, "<", ""},
    {CalculatorCommand::CaretRight, ">", ""},
    {CalculatorCommand::DeleteBefore, "<Del", ""},
    {CalculatorCommand::DeleteAfter, "Del>", ""},
    {CalculatorCommand::AllClear, "AC", "CLR"},
    {CalculatorCommand::Exe, "EXE", "Ans"},
}};

// The keypad key of a command; nothing for a command without a button.
constexpr std::optional<KeypadKey> KeyForCommand(CalculatorCommand command) {
    for (const auto& key : kKeypadKeys) {
        if (key.command == command) {
            return key;
        }
    }
    return std::nullopt;
}

// The Constants menu: twelve items, each inserting "{symbol}".
struct ConstantMenuItem {
    std::string_view symbol;
    std::string_view description;
};

inline constexpr std::array<ConstantMenuItem, 12> kConstantsMenu = {{
    {"c", "Speed of light"},
    {"h", "Planck constant"},
    {"G", "Gravitation constant"},
    {"e", "Elementary charge"},
    {"me", "Electron rest mass"},
    {"amu", "Atomic mass unit"},
    {"N_A", "Avogadro number"},
    {"k_B", "Boltzmann constant"},
    {"g", "Gravity acceleration"},
    {"R", "Gas constant"},
    {"u_0", "Magnetic constant"},
    {"e_0", "Electric constant"},
}};

// A menu item: its text and its command.
struct MenuItem {
    std::string_view text;
    CalculatorCommand command;
};

inline constexpr std::array<MenuItem, 7> kModeMenu = {{
    {"Normal", CalculatorCommand::ModeNormal},
    {"Scientific", CalculatorCommand::ModeScientific},
    {"Engineering", CalculatorCommand::ModeEngineering},
    {"Decimal", CalculatorCommand::ModeDecimal},
    {"Hexadecimal", CalculatorCommand::ModeHexadecimal},
    {"Binary", CalculatorCommand::ModeBinary},
    {"Formula", CalculatorCommand::ModeFormula},
}};

// The right-click menu of the display (and of "?"), with its shortcut texts.
inline constexpr std::array<MenuItem, 4> kDisplayMenu = {{
    {"Copy Result\tCtrl+C", CalculatorCommand::CopyResult},
    {"Copy Expression\tCtrl+E", CalculatorCommand::CopyExpression},
    {"Paste\tCtrl+V", CalculatorCommand::Paste},
    {"Clear\tEsc", CalculatorCommand::Clear},
}};

// Replaces the display menu while a formula is loaded (EXE mode 422 and above).
inline constexpr std::array<MenuItem, 4> kFormulaMenu = {{
    {"Edit Formula\tIns", CalculatorCommand::EditFormula},
    {"Save", CalculatorCommand::SaveFormula},
    {"Save As", CalculatorCommand::SaveFormulaAs},
    {"Clear\tEsc", CalculatorCommand::Clear},
}};

// Keyboard shortcuts as key-sequence texts (the portable form "Alt+D", "Ctrl+Return", "F11").
// Typed characters are mapped by CommandForCharacter instead, and the letters A-Z choose a
// variable: a plain letter the lower-case one, Shift with a letter the upper-case one
// (Calculator::ChooseVariable).
struct Shortcut {
    std::string_view keys;
    CalculatorCommand command;
};

inline constexpr std::array<Shortcut, 42> kShortcuts = {{
    {"Return", CalculatorCommand::Exe},        {"Enter", CalculatorCommand::Exe},
    {"Ctrl+Return", CalculatorCommand::Exe},   {"Ctrl+Enter", CalculatorCommand::Exe},
    {"Space", CalculatorCommand::Shift},       {"Shift+Space", CalculatorCommand::Hyp},
    {"Tab", CalculatorCommand::Deg},           {"Home", CalculatorCommand::AllClear},
    {"Esc", CalculatorCommand::Escape},        {"Backspace", CalculatorCommand::DeleteBefore},
    {"Del", CalculatorCommand::DeleteAfter},   {"Left", CalculatorCommand::CaretLeft},
    {"Right", CalculatorCommand::CaretRight},  {"Ins", CalculatorCommand::EditFormula},
    {"F1", CalculatorCommand::Help},           {"F11", CalculatorCommand::Const},
    {"F12", CalculatorCommand::Frm},           {"Alt+D", CalculatorCommand::Dec},
    {"Alt+H", CalculatorCommand::Hex},         {"Alt+B", CalculatorCommand::Bin},
    {"Alt+S", CalculatorCommand::Sin},         {"Alt+C", CalculatorCommand::Cos},
    {"Alt+T", CalculatorCommand::Tan},         {"Alt+G", CalculatorCommand::Log},
    {"Alt+N", CalculatorCommand::Ln},          {"Alt+P", CalculatorCommand::Square},
    {"Alt+Q", CalculatorCommand::Sqrt},        {"Alt+Y", CalculatorCommand::Power},
    {"Alt+E", CalculatorCommand::Exp},         {"Alt+M", CalculatorCommand::Mx},
    {"Alt+O", CalculatorCommand::Or},          {"Alt+-", CalculatorCommand::Negate},
    {"Shift+Alt+A", CalculatorCommand::HexA},  {"Shift+Alt+B", CalculatorCommand::HexB},
    {"Shift+Alt+C", CalculatorCommand::HexC},  {"Shift+Alt+D", CalculatorCommand::HexD},
    {"Shift+Alt+E", CalculatorCommand::HexE},  {"Shift+Alt+F", CalculatorCommand::HexF},
    {"Ctrl+C", CalculatorCommand::CopyResult}, {"Ctrl+E", CalculatorCommand::CopyExpression},
    {"Ctrl+V", CalculatorCommand::Paste},      {"Ctrl+Shift+V", CalculatorCommand::PasteClipboard},
}};

// The command of a typed character (main keys and number pad alike): digits, '.', + - * /,
// ( ) ! % & |, the xor sign, '=' and '^' (X^Y). Letters are variables (see
// Calculator::ChooseVariable).
constexpr std::optional<CalculatorCommand> CommandForCharacter(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<CalculatorCommand>(static_cast<int>(CalculatorCommand::Digit0) +
                                              (c - '0'));
    }
    switch (c) {
        case '.':
            return CalculatorCommand::Point;
        case '+':
            return CalculatorCommand::Add;
        case '-':
            return CalculatorCommand::Subtract;
        case '*':
            return CalculatorCommand::Multiply;
        case '/':
            return CalculatorCommand::Divide;
        case '(':
            return CalculatorCommand::OpenParenthesis;
        case ')':
            return CalculatorCommand::CloseParenthesis;
        case '!':
            return CalculatorCommand::Factorial;
        case '%':
            return CalculatorCommand::Mod;
        case '&':
            return CalculatorCommand::And;
        case '|':
            return CalculatorCommand::Or;
        case '\xA4':
            return CalculatorCommand::Xor;
        case '=':
            return CalculatorCommand::Equals;
        case '^':
            return CalculatorCommand::Power;
        default:
            return std::nullopt;
    }
}

}  // namespace zyk
