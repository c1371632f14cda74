#pragma once

#include <array>
#include <optional>

#include "calculator/KeypadTable.h"

// Where each keypad key sits, in the manner of a hand-held scientific calculator: the function
// keys in a block of six columns above, the digits and operators in a block of five larger
// columns below, AC at the top right and EXE at the bottom right of the number block.
namespace zyk {

// controlId: the key's documented dialog control id, which the button carries as its object name
// so that tests and tools find it; the window itself knows its keys by their command.
struct KeyPlacement {
    CalculatorCommand command;
    int controlId;
    int row;
    int column;
    int columnSpan;
};

inline constexpr int kFunctionColumns = 6;
inline constexpr int kFunctionRows = 6;
inline constexpr int kNumberColumns = 5;
inline constexpr int kNumberRows = 4;

//   SHIFT  Mode   <      >      ?      Frm
//   Const  Mx     Deg    X!     (      )
//   hyp    sin    cos    tan    log    ln
//   X²     X^Y    Sqrt   ( - )  MOD    and
//   DEC           HEX           BIN
//   A      B      C      D      E      F
inline constexpr std::array<KeyPlacement, 33> kFunctionBlock = {{
    {CalculatorCommand::Shift, 1059, 0, 0, 1},
    {CalculatorCommand::Mode, 1073, 0, 1, 1},
    {CalculatorCommand::CaretLeft, 32868, 0, 2, 1},
    {CalculatorCommand::CaretRight, 32869, 0, 3, 1},
    {CalculatorCommand::Display, 1003, 0, 4, 1},
    {CalculatorCommand::Frm, 1007, 0, 5, 1},

    {CalculatorCommand::Const, 1004, 1, 0, 1},
    {CalculatorCommand::Mx, 1012, 1, 1, 1},
    {CalculatorCommand::Deg, 1159, 1, 2, 1},
    {CalculatorCommand::Factorial, 1142, 1, 3, 1},
    {CalculatorCommand::OpenParenthesis, 1039, 1, 4, 1},
    {CalculatorCommand::CloseParenthesis, 1040, 1, 5, 1},

    {CalculatorCommand::Hyp, 1011, 2, 0, 1},
    {CalculatorCommand::Sin, 1146, 2, 1, 1},
    {CalculatorCommand::Cos, 1147, 2, 2, 1},
    {CalculatorCommand::Tan, 1148, 2, 3, 1},
    {CalculatorCommand::Log, 1144, 2, 4, 1},
    {CalculatorCommand::Ln, 1145, 2, 5, 1},

    {CalculatorCommand::Square, 1140, 3, 0, 1},
    {CalculatorCommand::Power, 1141, 3, 1, 1},
    {CalculatorCommand::Sqrt, 1139, 3, 2, 1},
    {CalculatorCommand::Negate, 1010, 3, 3, 1},
    {CalculatorCommand::Mod, 1143, 3, 4, 1},
    {CalculatorCommand::And, 1041, 3, 5, 1},

    {CalculatorCommand::Dec, 1050, 4, 0, 2},
    {CalculatorCommand::Hex, 1051, 4, 2, 2},
    {CalculatorCommand::Bin, 1052, 4, 4, 2},

    {CalculatorCommand::HexA, 1044, 5, 0, 1},
    {CalculatorCommand::HexB, 1045, 5, 1, 1},
    {CalculatorCommand::HexC, 1046, 5, 2, 1},
    {CalculatorCommand::HexD, 1047, 5, 3, 1},
    {CalculatorCommand::HexE, 1048, 5, 4, 1},
    {CalculatorCommand::HexF, 1049, 5, 5, 1},
}};

//   7      8      9      <Del   AC
//   4      5      6      *      /
//   1      2      3      +      -
//   0      .      Exp    Del>   EXE
inline constexpr std::array<KeyPlacement, 20> kNumberBlock = {{
    {CalculatorCommand::Digit7, 1022, 0, 0, 1},   {CalculatorCommand::Digit8, 1023, 0, 1, 1},
    {CalculatorCommand::Digit9, 1024, 0, 2, 1},   {CalculatorCommand::DeleteBefore, 1080, 0, 3, 1},
    {CalculatorCommand::AllClear, 1020, 0, 4, 1},

    {CalculatorCommand::Digit4, 1025, 1, 0, 1},   {CalculatorCommand::Digit5, 1026, 1, 1, 1},
    {CalculatorCommand::Digit6, 1027, 1, 2, 1},   {CalculatorCommand::Multiply, 1035, 1, 3, 1},
    {CalculatorCommand::Divide, 1034, 1, 4, 1},

    {CalculatorCommand::Digit1, 1028, 2, 0, 1},   {CalculatorCommand::Digit2, 1029, 2, 1, 1},
    {CalculatorCommand::Digit3, 1030, 2, 2, 1},   {CalculatorCommand::Add, 1037, 2, 3, 1},
    {CalculatorCommand::Subtract, 1036, 2, 4, 1},

    {CalculatorCommand::Digit0, 1031, 3, 0, 1},   {CalculatorCommand::Point, 1032, 3, 1, 1},
    {CalculatorCommand::Exp, 1138, 3, 2, 1},      {CalculatorCommand::DeleteAfter, 1021, 3, 3, 1},
    {CalculatorCommand::Exe, 1033, 3, 4, 1},
}};

// Where the key of a command sits; nothing for a command without a key.
constexpr std::optional<KeyPlacement> PlacementOf(CalculatorCommand command) {
    for (const KeyPlacement& place : kFunctionBlock) {
        if (place.command == command) {
            return place;
        }
    }
    for (const KeyPlacement& place : kNumberBlock) {
        if (place.command == command) {
            return place;
        }
    }
    return std::nullopt;
}

}  // namespace zyk
