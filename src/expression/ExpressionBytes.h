#pragma once

// The five bytes above 0x7F that carry meaning in expression text (Windows-1252 byte strings).
namespace zyk {

inline constexpr char kFunctionMarker =
    '\xB7';                                    // before every function name and the d/h/b prefixes
inline constexpr char kNegationSign = '\xAD';  // unary minus (drawn as U+2212 on screen)
inline constexpr char kMemoryBar = '\xA6';     // brackets a memory name: |M0|
inline constexpr char kXorSign = '\xA4';       // bitwise exclusive or
inline constexpr char kSquareSign = '\xB2';    // postfix square

// Left side given internally to a formula without "=": "[", 0x83, "]=".
inline constexpr char kNoResultVariable = '\x83';

}  // namespace zyk
