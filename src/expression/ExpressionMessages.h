#pragma once

#include <string_view>

// Every error text the expression engine writes, byte for byte (the runs of spaces are part of
// the texts). Bytes above 0x7F are Windows-1252: \xA4 the xor sign, \xA6 the memory bar, \xB2 the
// square sign.
namespace zyk::expression_messages {

// Syntax pre-pass: brackets.
inline constexpr std::string_view kCloseTooMany = "[ )  To many ]   Syn ERROR";
inline constexpr std::string_view kCloseMissing = "[ )  Missing ]   Syn ERROR";
inline constexpr std::string_view kCloseMisplaced = "[ )  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kOpenNoDigit = "[ (  No digit ]   Syn ERROR";

// Syntax pre-pass: binary operators, as "No digit" / "Misplaced".
inline constexpr std::string_view kPlusNoDigit = "[ +  No digit ]   Syn ERROR";
inline constexpr std::string_view kPlusMisplaced = "[ +  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kMinusNoDigit = "[ -  No digit ]   Syn ERROR";
inline constexpr std::string_view kMinusMisplaced = "[ -  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kTimesNoDigit = "[ *  No digit ]   Syn ERROR";
inline constexpr std::string_view kTimesMisplaced = "[ *  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kDivideNoDigit = "[ /  No digit ]   Syn ERROR";
inline constexpr std::string_view kDivideMisplaced = "[ /  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kModNoDigit = "[ % No digit ]  Syn ERROR";
inline constexpr std::string_view kModMisplaced = "[ %  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kAndNoDigit = "[ &&  No digit ]   Syn ERROR";
inline constexpr std::string_view kAndMisplaced = "[ &&  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kOrNoDigit = "[ |  No digit ]   Syn ERROR";
inline constexpr std::string_view kOrMisplaced = "[ |  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kXorNoDigit = "[ \xA4  No digit ]   Syn ERROR";
inline constexpr std::string_view kXorMisplaced = "[ \xA4  Misplaced ]   Syn ERROR";

// Syntax pre-pass: function names after the marker.
inline constexpr std::string_view kSqrtNoDigit = "[ sqrt  No digit ]  Syn ERROR";
inline constexpr std::string_view kSinNoDigit = "[ sin  No digit ]   Syn ERROR";
inline constexpr std::string_view kCosNoDigit = "[ cos  No digit ]   Syn ERROR";
inline constexpr std::string_view kTanNoDigit = "[ tan  No digit ]   Syn ERROR";
inline constexpr std::string_view kArcsinNoDigit = "[ arcsin  No digit ]   Syn ERROR";
inline constexpr std::string_view kArccosNoDigit = "[ arccos  No digit ]   Syn ERROR";
inline constexpr std::string_view kArctanNoDigit = "[ arctan  No digit ]   Syn ERROR";
inline constexpr std::string_view kLnNoDigit = "[ ln  No digit ]   Syn ERROR";
inline constexpr std::string_view kLogNoDigit = "[ log  No digit ]   Syn ERROR";
inline constexpr std::string_view kENoDigit = "[ e  No digit ]   Syn ERROR";
inline constexpr std::string_view kEMisplaced = "[ e  Misplaced ]   Syn ERROR";

// Syntax pre-pass: literals.
inline constexpr std::string_view kHexMisplaced = "[ hex  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kExpNoDigit = "[ exp  No digit ]   Syn ERROR";
inline constexpr std::string_view kExpMisplaced = "[ exp  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kSignMisplaced = "[ (-) sign  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kDigitMisplaced = "[ digit (.)  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kPointMisplaced = "[ .  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kFactorialMisplaced = "[ !  Misplaced ]   Syn ERROR";

// Evaluation.
inline constexpr std::string_view kNoExpression = "No expression";
inline constexpr std::string_view kUnknownSyntax = "[ ? ]   syn Error";
inline constexpr std::string_view kDivideByZero = "[ / ]   Can't divide with zero";
inline constexpr std::string_view kMathError = "Ma  ERROR";
inline constexpr std::string_view kEqualsMisplaced = "[ = ]   syn Error";
inline constexpr std::string_view kDecimalHexMisplaced = "[ Hex  Misplaced ]   Syn ERROR ";
inline constexpr std::string_view kPointNotDecimal = "[ . ]   Syn Error";
inline constexpr std::string_view kNoHex = "[ No hex ]   Syn Error";
inline constexpr std::string_view kHexTooBig = "[ hex  Value to big ]   Ma Error";
inline constexpr std::string_view kPointAfterLiteral = "[ .  decimal ]   syn Error";
inline constexpr std::string_view kNoBin = "[ No bin ]   Syn Error";
inline constexpr std::string_view kBinTooBig = "[ bin  Value to big ]   Ma Error";
inline constexpr std::string_view kVariableNoValue = "Varible has no value?";
inline constexpr std::string_view kMemoryNoValue = "Memory has no value!";
inline constexpr std::string_view kMemoryNotFound = "Memory not found!";
inline constexpr std::string_view kConstantNoValue = "Constant has no value!";
inline constexpr std::string_view kStoreSyntax = "[ \xA6Mx\xA6 ]   Syn Error";
inline constexpr std::string_view kStoreNoValidNumber =
    "[ \xA6Mx\xA6  No valid number ]  Syn Error";
inline constexpr std::string_view kPrefixStoreForm = "[ \xA6Mx\xA6=num ]   Syn Error";
inline constexpr std::string_view kPrefixStoreOperand = "[ \xA6Mx\xA6=n ]   Syn Error";

// Factors and functions.
inline constexpr std::string_view kPowerNoDigit = "[ ^ No digit ]  Syn ERROR";
inline constexpr std::string_view kPowerMisplaced = "[ ^  Misplaced ]   Syn ERROR";
inline constexpr std::string_view kSquareTooBig = "[ \xB2  Value to big ]   Ma Error";
inline constexpr std::string_view kPowerTooBig = "[ x^y  Value to big ]   Ma Error";
inline constexpr std::string_view kPowerTooSmall = "[ x^y  Value to small ]   Ma Error";
inline constexpr std::string_view kFactorialTooBig = "[ !  value to big ]   Syn Error";
inline constexpr std::string_view kFactorialNegative = "[ !  value neg ]   Syn Error";
inline constexpr std::string_view kFactorialNoInteger = "[ !  No Integer ]  Syn ERROR";
inline constexpr std::string_view kNoSuchFunction = "No such function!";
inline constexpr std::string_view kSinTooBig = " [ sin  Value to big ]   Ma Error ";
inline constexpr std::string_view kCosTooBig = " [ cos  Value to big ]   Ma Error ";
inline constexpr std::string_view kTanTooBig = " [ tan  Value to big ]   Ma Error ";
inline constexpr std::string_view kSinhTooBig = " [ sinh  Value to big ]   Ma Error ";
inline constexpr std::string_view kCoshTooBig = " [ cosh  Value to big ]   Ma Error ";
inline constexpr std::string_view kTanhTooBig = " [ tanh  Value to big ]   Ma Error ";
inline constexpr std::string_view kArcsinTooBig = " [ arcsin  Value to big ]   Ma Error ";
inline constexpr std::string_view kArccosTooBig = " [ arccos  Value to big ]   Ma Error ";
inline constexpr std::string_view kArctanTooBig = " [ arctan  Value to big ]   Ma Error ";
inline constexpr std::string_view kArcsinhTooBig = " [ arcsinh  Value to big ]   Ma Error ";
inline constexpr std::string_view kArccoshNotValid = " [ arccosh  Value not valid ]   Ma Error ";
inline constexpr std::string_view kArctanhNotValid = " [ arctanh  Value not valid ]   Ma Error ";
inline constexpr std::string_view kSqrtNotValid = "[ sqrt  Value not valid ]   Ma Error";
inline constexpr std::string_view kLnNotValid = "[ ln  Value not valid ]   Ma Error";
inline constexpr std::string_view kLogNotValid = "[ log  Value not valid ]   Ma Error";

// Our own texts, in the same style, for inputs the keypad never produces.
inline constexpr std::string_view kMemoryBarMissing = "[ \xA6  Missing ]   Syn ERROR";
inline constexpr std::string_view kBraceMissing = "[ }  Missing ]   Syn ERROR";
inline constexpr std::string_view kBracketMissing = "[ ]  Missing ]   Syn ERROR";
inline constexpr std::string_view kGroupTooLong = "[ ( )  Too long ]   Syn Error";
inline constexpr std::string_view kNestingTooDeep = "[ nesting  Too deep ]   Syn Error";

}  // namespace zyk::expression_messages
