#pragma once

#include <array>

#include "calculator/KeypadTable.h"

// Where each keypad key sits, in the manner of a hand-held scientific calculator: the function
// keys in a block of six columns above, the digits and operators in a block of five larger
// columns below, AC at the top right and EXE at the bottom right of the number block.
namespace zyk {

struct KeyPlacement {
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
    {kIdcShift, 0, 0, 1},
    {kIdcMode, 0, 1, 1},
    {kIdcCaretLeft, 0, 2, 1},
    {kIdcCaretRight, 0, 3, 1},
    {kIdcDisplay, 0, 4, 1},
    {kIdcFrm, 0, 5, 1},

    {kIdcConst, 1, 0, 1},
    {kIdcMx, 1, 1, 1},
    {kIdcDeg, 1, 2, 1},
    {kIdcFactorial, 1, 3, 1},
    {kIdcOpenParenthesis, 1, 4, 1},
    {kIdcCloseParenthesis, 1, 5, 1},

    {kIdcHyp, 2, 0, 1},
    {kIdcSin, 2, 1, 1},
    {kIdcCos, 2, 2, 1},
    {kIdcTan, 2, 3, 1},
    {kIdcLog, 2, 4, 1},
    {kIdcLn, 2, 5, 1},

    {kIdcSquare, 3, 0, 1},
    {kIdcPower, 3, 1, 1},
    {kIdcSqrt, 3, 2, 1},
    {kIdcNegate, 3, 3, 1},
    {kIdcMod, 3, 4, 1},
    {kIdcAnd, 3, 5, 1},

    {kIdcDec, 4, 0, 2},
    {kIdcHex, 4, 2, 2},
    {kIdcBin, 4, 4, 2},

    {kIdcHexA, 5, 0, 1},
    {kIdcHexB, 5, 1, 1},
    {kIdcHexC, 5, 2, 1},
    {kIdcHexD, 5, 3, 1},
    {kIdcHexE, 5, 4, 1},
    {kIdcHexF, 5, 5, 1},
}};

//   7      8      9      <Del   AC
//   4      5      6      *      /
//   1      2      3      +      -
//   0      .      Exp    Del>   EXE
inline constexpr std::array<KeyPlacement, 20> kNumberBlock = {{
    {kIdcDigit7, 0, 0, 1},       {kIdcDigit8, 0, 1, 1},   {kIdcDigit9, 0, 2, 1},
    {kIdcDeleteBefore, 0, 3, 1}, {kIdcAllClear, 0, 4, 1},

    {kIdcDigit4, 1, 0, 1},       {kIdcDigit5, 1, 1, 1},   {kIdcDigit6, 1, 2, 1},
    {kIdcMultiply, 1, 3, 1},     {kIdcDivide, 1, 4, 1},

    {kIdcDigit1, 2, 0, 1},       {kIdcDigit2, 2, 1, 1},   {kIdcDigit3, 2, 2, 1},
    {kIdcAdd, 2, 3, 1},          {kIdcSubtract, 2, 4, 1},

    {kIdcDigit0, 3, 0, 1},       {kIdcPoint, 3, 1, 1},    {kIdcExp, 3, 2, 1},
    {kIdcDeleteAfter, 3, 3, 1},  {kIdcExe, 3, 4, 1},
}};

}  // namespace zyk
