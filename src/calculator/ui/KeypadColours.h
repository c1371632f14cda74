#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "calculator/CalculatorCommand.h"
#include "shell/ColourScheme.h"

// The keypad's own colours, next to its layout: its keys keep them whatever the colour scheme.
// The disabled face of every key is the platform's face colour.
namespace zyk {

struct KeypadKeyColours {
    ColorRef text;
    ColorRef face;
    ColorRef light;
    ColorRef shadow;
    std::optional<ColorRef> hoverFace;  // keys with one use the hover-face style, others none
};

// Keys that share their colours.
struct KeypadColourGroup {
    KeypadKeyColours colours;
    std::span<const CalculatorCommand> keys;
};

namespace keypad_groups {
using Command = CalculatorCommand;
inline constexpr Command kDigits[] = {
    Command::Digit0, Command::Digit1, Command::Digit2, Command::Digit3, Command::Digit4,
    Command::Digit5, Command::Digit6, Command::Digit7, Command::Digit8, Command::Digit9};
inline constexpr Command kHexDigits[] = {Command::HexA, Command::HexB, Command::HexC,
                                         Command::HexD, Command::HexE, Command::HexF};
inline constexpr Command kOperators[] = {Command::Add,    Command::Subtract, Command::Multiply,
                                         Command::Divide, Command::Point,    Command::Exp};
inline constexpr Command kFunctions[] = {Command::Power,
                                         Command::Sqrt,
                                         Command::Square,
                                         Command::OpenParenthesis,
                                         Command::CloseParenthesis,
                                         Command::Factorial,
                                         Command::Sin,
                                         Command::Cos,
                                         Command::Tan,
                                         Command::Ln,
                                         Command::Log,
                                         Command::Hyp,
                                         Command::Negate,
                                         Command::Mx,
                                         Command::Deg,
                                         Command::Mod,
                                         Command::And,
                                         Command::Dec,
                                         Command::Hex,
                                         Command::Bin};
inline constexpr Command kEditing[] = {Command::DeleteBefore, Command::DeleteAfter,
                                       Command::CaretLeft, Command::CaretRight};
inline constexpr Command kExeAndAc[] = {Command::Exe, Command::AllClear};
inline constexpr Command kShiftAndFrm[] = {Command::Shift, Command::Frm};
inline constexpr Command kModeAndConst[] = {Command::Mode, Command::Const};
inline constexpr Command kDisplayMenu[] = {Command::Display};
}  // namespace keypad_groups

inline constexpr std::array<KeypadColourGroup, 9> kKeypadColourGroups = {{
    {{0xC8F0C8, 0x3C3C3C, 0x505050, 0x282828, std::nullopt}, keypad_groups::kDigits},
    {{0x8CC8C8, 0x3C3C3C, 0x505050, 0x282828, std::nullopt}, keypad_groups::kHexDigits},
    {{0xF0F0F0, 0x3C3C3C, 0x505050, 0x282828, std::nullopt}, keypad_groups::kOperators},
    {{0x00283C, 0xC8C8C8, 0xDCDCDC, 0xB4B4B4, std::nullopt}, keypad_groups::kFunctions},
    {{0xF0F0F0, 0x646464, 0x787878, 0x505050, std::nullopt}, keypad_groups::kEditing},
    {{0xF0F0F0, 0x646464, 0x787878, 0x505050, 0x787878}, keypad_groups::kExeAndAc},
    {{0xF0F0F0, 0x8CA0B4, 0xA0B4C8, 0x788CA0, 0xA0B4C8}, keypad_groups::kShiftAndFrm},
    {{0xF0F0F0, 0xA08C8C, 0xB4A0A0, 0x8C7878, 0xB4A0A0}, keypad_groups::kModeAndConst},
    {{0xF0F0F0, 0x8C8CA0, 0xA0A0B4, 0x78788C, 0xA0A0B4}, keypad_groups::kDisplayMenu},
}};

// The colours of the keypad key of this command; nothing for a command without a key.
constexpr std::optional<KeypadKeyColours> KeypadColoursFor(CalculatorCommand command) {
    for (const KeypadColourGroup& group : kKeypadColourGroups) {
        if (std::find(group.keys.begin(), group.keys.end(), command) != group.keys.end()) {
            return group.colours;
        }
    }
    return std::nullopt;
}

}  // namespace zyk
