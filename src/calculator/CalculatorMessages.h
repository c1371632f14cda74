#pragma once

#include <string_view>

#include "expression/ExpressionMessages.h"

// Every text the calculator core shows, byte for byte (spaces and line breaks included).
namespace zyk::calculator_text {

// Result line and status labels as the window first shows them.
inline constexpr std::string_view kInitialResult = "Result";
inline constexpr std::string_view kInitialAngleLabel = "Degree";
inline constexpr std::string_view kInitialModeLabel = "MODE";
inline constexpr std::string_view kInitialHypLabel = "hyp";
inline constexpr std::string_view kDegreeLabel = "[d]";
inline constexpr std::string_view kRadianLabel = "[r]";
inline constexpr std::string_view kHypLabel = "hyp";
inline constexpr std::string_view kShiftSuffix = "s";

// The expression line while Mx waits for a memory number.
inline constexpr std::string_view kSelectMemory = "Select a number (0 - 9)";

// An answer that cannot be shown (infinite or not a number): the evaluator's own math error.
inline constexpr std::string_view kMaError = expression_messages::kMathError;
inline constexpr std::string_view kAnswerPrefix = "= ";

// Formula mode.
inline constexpr std::string_view kNotAValidVariable = "Not a valid varible";
inline constexpr std::string_view kCouldNotGetVariables = "Could not get the varibles!";
inline constexpr std::string_view kFormelError = "Formel Error!";
inline constexpr std::string_view kTwoEqualsFormelError = "[ = ]  Formel Error!";
inline constexpr std::string_view kFormulaErrorCaption = "Formula Error!";
inline constexpr std::string_view kCouldNotRunFormula =
    "Could not run this equation!  Are you sure you've     \nentered it correctly?   ";
inline constexpr std::string_view kCouldNotSaveFormula =
    "Sorry! But I could not save the formula!\n\nDid you enter a name for the equation? ";

}  // namespace zyk::calculator_text
