#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calculator/CalculatorCommand.h"

// The keypad, menus and keyboard shortcuts of the calculator window as data: the window builds
// its buttons, menus and shortcuts from these tables and sends the commands to Calculator.
// Texts are Windows-1252 bytes.
namespace zyk {

// Dialog control ids of the keypad buttons (and the two caret keys' menu ids).
inline constexpr int kIdcShift = 1059;
inline constexpr int kIdcDigit0 = 1031;
inline constexpr int kIdcDigit1 = 1028;
inline constexpr int kIdcDigit2 = 1029;
inline constexpr int kIdcDigit3 = 1030;
inline constexpr int kIdcDigit4 = 1025;
inline constexpr int kIdcDigit5 = 1026;
inline constexpr int kIdcDigit6 = 1027;
inline constexpr int kIdcDigit7 = 1022;
inline constexpr int kIdcDigit8 = 1023;
inline constexpr int kIdcDigit9 = 1024;
inline constexpr int kIdcPoint = 1032;
inline constexpr int kIdcExp = 1138;
inline constexpr int kIdcHexA = 1044;
inline constexpr int kIdcHexB = 1045;
inline constexpr int kIdcHexC = 1046;
inline constexpr int kIdcHexD = 1047;
inline constexpr int kIdcHexE = 1048;
inline constexpr int kIdcHexF = 1049;
inline constexpr int kIdcAdd = 1037;
inline constexpr int kIdcSubtract = 1036;
inline constexpr int kIdcMultiply = 1035;
inline constexpr int kIdcDivide = 1034;
inline constexpr int kIdcOpenParenthesis = 1039;
inline constexpr int kIdcCloseParenthesis = 1040;
inline constexpr int kIdcAnd = 1041;
inline constexpr int kIdcMod = 1143;
inline constexpr int kIdcNegate = 1010;
inline constexpr int kIdcSquare = 1140;
inline constexpr int kIdcPower = 1141;
inline constexpr int kIdcFactorial = 1142;
inline constexpr int kIdcSqrt = 1139;
inline constexpr int kIdcSin = 1146;
inline constexpr int kIdcCos = 1147;
inline constexpr int kIdcTan = 1148;
inline constexpr int kIdcLog = 1144;
inline constexpr int kIdcLn = 1145;
inline constexpr int kIdcHyp = 1011;
inline constexpr int kIdcDeg = 1159;
inline constexpr int kIdcDec = 1050;
inline constexpr int kIdcHex = 1051;
inline constexpr int kIdcBin = 1052;
inline constexpr int kIdcMx = 1012;
inline constexpr int kIdcConst = 1004;
inline constexpr int kIdcFrm = 1007;
inline constexpr int kIdcMode = 1073;
inline constexpr int kIdcDisplay = 1003;
inline constexpr int kIdcCaretLeft = 32868;
inline constexpr int kIdcCaretRight = 32869;
inline constexpr int kIdcDeleteBefore = 1080;
inline constexpr int kIdcDeleteAfter = 1021;
inline constexpr int kIdcAllClear = 1020;
inline constexpr int kIdcExe = 1033;

// One keypad button: its control id, its command, the label on the key and the label of its
// second function (written small above the key; empty when it has none).
struct KeypadKey {
    int controlId;
    CalculatorCommand command;
    std::string_view label;
    std::string_view shiftLabel;
};

inline constexpr std::array<KeypadKey, 56> kKeypadKeys = {{
    {kIdcShift, CalculatorCommand::Shift, "SHIFT", ""},
    {kIdcDigit0, CalculatorCommand::Digit0, "0", ""},
    {kIdcDigit1, CalculatorCommand::Digit1, "1", ""},
    {kIdcDigit2, CalculatorCommand::Digit2, "2", ""},
    {kIdcDigit3, CalculatorCommand::Digit3, "3", ""},
    {kIdcDigit4, CalculatorCommand::Digit4, "4", ""},
    {kIdcDigit5, CalculatorCommand::Digit5, "5", ""},
    {kIdcDigit6, CalculatorCommand::Digit6, "6", ""},
    {kIdcDigit7, CalculatorCommand::Digit7, "7", ""},
    {kIdcDigit8, CalculatorCommand::Digit8, "8", ""},
    {kIdcDigit9, CalculatorCommand::Digit9, "9", ""},
    {kIdcPoint, CalculatorCommand::Point, ".", ""},
    {kIdcExp, CalculatorCommand::Exp, "Exp", ""},
    {kIdcHexA, CalculatorCommand::HexA, "A", ""},
    {kIdcHexB, CalculatorCommand::HexB, "B", ""},
    {kIdcHexC, CalculatorCommand::HexC, "C", "A - Z"},
    {kIdcHexD, CalculatorCommand::HexD, "D", "a - z"},
    {kIdcHexE, CalculatorCommand::HexE, "E", ""},
    {kIdcHexF, CalculatorCommand::HexF, "F", ""},
    {kIdcAdd, CalculatorCommand::Add, "+", ""},
    {kIdcSubtract, CalculatorCommand::Subtract, "-", ""},
    {kIdcMultiply, CalculatorCommand::Multiply, "*", ""},
    {kIdcDivide, CalculatorCommand::Divide, "/", ""},
    {kIdcOpenParenthesis, CalculatorCommand::OpenParenthesis, "(", ""},
    {kIdcCloseParenthesis, CalculatorCommand::CloseParenthesis, ")", ""},
    {kIdcAnd, CalculatorCommand::And, "and", "or"},
    {kIdcMod, CalculatorCommand::Mod, "MOD", "xor"},
    {kIdcNegate, CalculatorCommand::Negate, "( - )", ""},
    {kIdcSquare, CalculatorCommand::Square, "X\xB2", "pi"},
    {kIdcPower, CalculatorCommand::Power, "X^Y", ""},
    {kIdcFactorial, CalculatorCommand::Factorial, "X!", ""},
    {kIdcSqrt, CalculatorCommand::Sqrt, "Sqrt", ""},
    {kIdcSin, CalculatorCommand::Sin, "sin", "arcsin"},
    {kIdcCos, CalculatorCommand::Cos, "cos", "arccos"},
    {kIdcTan, CalculatorCommand::Tan, "tan", "arctan"},
    {kIdcLog, CalculatorCommand::Log, "log", "10^X"},
    {kIdcLn, CalculatorCommand::Ln, "ln", "e^x"},
    {kIdcHyp, CalculatorCommand::Hyp, "hyp", ""},
    {kIdcDeg, CalculatorCommand::Deg, "Deg", "Rad"},
    {kIdcDec, CalculatorCommand::Dec, "DEC", "d"},
    {kIdcHex, CalculatorCommand::Hex, "HEX", "h"},
    {kIdcBin, CalculatorCommand::Bin, "BIN", "b"},
    {kIdcMx, CalculatorCommand::Mx, "Mx", "="},
    {kIdcConst, CalculatorCommand::Const, "Const", "\xA6Mem\xA6"},
    {kIdcFrm, CalculatorCommand::Frm, "Frm", "Save"},
    {kIdcMode, CalculatorCommand::Mode, "Mode", ""},
    {kIdcDisplay, CalculatorCommand::Display, "?", ""},
    {kIdcCaretLeft, CalculatorCommand::CaretLeft, "<", ""},
    {kIdcCaretRight, CalculatorCommand::CaretRight, ">", ""},
    {kIdcDeleteBefore, CalculatorCommand::DeleteBefore, "<Del", ""},
    {kIdcDeleteAfter, CalculatorCommand::DeleteAfter, "Del>", ""},
    {kIdcAllClear, CalculatorCommand::AllClear, "AC", "CLR"},
    {kIdcExe, CalculatorCommand::Exe, "EXE", "Ans"},
    // Shortcuts only, no button of their own (control id 0).
    {0, CalculatorCommand::Or, "or", ""},
    {0, CalculatorCommand::Xor, "xor", ""},
    {0, CalculatorCommand::Escape, "Esc", ""},
}};

// The keypad key of a control id; nothing for an unknown id.
constexpr std::optional<KeypadKey> KeyForControlId(int controlId) {
    for (const auto& key : kKeypadKeys) {
        if (key.controlId == controlId && controlId != 0) {
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
