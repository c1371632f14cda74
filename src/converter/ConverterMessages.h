#pragma once

#include <string_view>

// Every text the converter shows, byte for byte (spaces included).
namespace zyk::converter_text {

// What Convert returns instead of a number; the leading "#" marks an error.
inline constexpr std::string_view kInvalidNumber = "#Error!   Enter a valid number ...";
inline constexpr std::string_view kBelowAbsoluteZero =
    "#Error!   The value is below the absolute zero...";
// A result too large for a double (or not a number): our own text, in the same form.
inline constexpr std::string_view kOutOfRange = "#Error!   The result is out of range...";
// Convert was asked for a position that is not a unit, or a to-list position that its from unit
// does not offer; the window never asks for one.
inline constexpr std::string_view kNoUnits = "#Error!   Choose the units to convert...";
inline constexpr char kErrorMark = '#';

// The results list.
inline constexpr std::string_view kEnterValueAndUnits = "Enter a value and units to and from:";
inline constexpr std::string_view kConversionFailed = "Conversion failed!";
inline constexpr std::string_view kNoValue = "ERROR!   No value to convert!";
inline constexpr std::string_view kErrorLinePrefix = "Error!  ";
inline constexpr std::string_view kUnitsArrow = "  >>  ";
inline constexpr std::string_view kUnitsColon = ":";
inline constexpr std::string_view kResultIndent = "  ";
inline constexpr std::string_view kEquals = " = ";

}  // namespace zyk::converter_text
