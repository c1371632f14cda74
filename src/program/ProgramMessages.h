#pragma once

#include <string_view>

#include "expression/ExpressionMessages.h"

// Every text the program interpreter shows: pre-run check, execution, built-in functions and the
// display texts of print and input. Copied byte for byte, spaces included.
namespace zyk::program_messages {

// Pre-run check.
inline constexpr std::string_view kRoundBrackets = "( .. )   syn Error!";
inline constexpr std::string_view kSquareBrackets = "[ .. ]   syn Error!";
inline constexpr std::string_view kBraces = "{ .. }   syn Error!";
inline constexpr std::string_view kIfThen = "if .. then   syn Error!";
inline constexpr std::string_view kConditionBrackets = " ( .. )   syn Error!";
inline constexpr std::string_view kAfterCondition = " ) ..   syn Error!";
inline constexpr std::string_view kAfterEnd = " end ..   syn Error!";
inline constexpr std::string_view kAfterElse = " else ..   syn Error!";
inline constexpr std::string_view kDoWithout = "do   syn Error!";
inline constexpr std::string_view kAfterLoop = " loop ..   syn Error!";
inline constexpr std::string_view kUnclosedLoop = "do .. loop   syn Error!";
inline constexpr std::string_view kUnclosedIf = "if .. end   syn Error!";

// Texts shown in place of the program line in some error lines.
inline constexpr std::string_view kLineIf = "if";
inline constexpr std::string_view kLineDo = "do";
inline constexpr std::string_view kLineIfEnd = "if .. end";
inline constexpr std::string_view kLineDoLoop = "do .. loop";
inline constexpr std::string_view kLineEndWord = "end ???";
inline constexpr std::string_view kLineExitDoWord = "exit do ???";
inline constexpr std::string_view kLineExitWord = "exit ???";
inline constexpr std::string_view kLineLeftSide = "left cond.";
inline constexpr std::string_view kLineRightSide = "right cond.";
inline constexpr std::string_view kLineGcd = "gcd";
inline constexpr std::string_view kLineGcdArguments = "gcd(x,y)";

// Statements.
inline constexpr std::string_view kUnknownCommand = "Unknown command!";
inline constexpr std::string_view kUnknownSingleLineCommand = "Unknown Command!";

// Expressions.
// An empty expression: the evaluator's own text.
inline constexpr std::string_view kNoExpression = expression_messages::kNoExpression;
inline constexpr std::string_view kNotValid = "Not valid";
inline constexpr std::string_view kUnknownFunction = "Could not find function!";

// Variables.
inline constexpr std::string_view kIllegalVariableName = "Not a legal variable name!";
inline constexpr std::string_view kAlreadyExists = "Already exists!";
inline constexpr std::string_view kNoVariableFound = "No variable found!";
inline constexpr std::string_view kEmptyAssignment = "Empty ?";
inline constexpr std::string_view kNoExpressionPresent = "No expression present!";
inline constexpr std::string_view kNotAVariableTarget = "Is this a variable?";

// Arrays.
inline constexpr std::string_view kIllegalArray = "Not a legal array!";
inline constexpr std::string_view kIllegalArrayName = "Not a legal array name!";
inline constexpr std::string_view kNoArrayPosition = "No array pos. found!";
inline constexpr std::string_view kNoValue = "No value!";
inline constexpr std::string_view kOutOfBound = "Out of bound.";
inline constexpr std::string_view kInvalidElement = "Not valid!";
inline constexpr std::string_view kElementBrackets = "[] syn Error!";

// User functions.
inline constexpr std::string_view kIllegalFunctionName = "Not a legal function name!";
inline constexpr std::string_view kParameterNotDeclared = "Variable not declared!";
inline constexpr std::string_view kParameterGone = "Variable is not declared!";
inline constexpr std::string_view kNoParameter = "No variable ?";
inline constexpr std::string_view kNoFormula = "No formula!";
inline constexpr std::string_view kNoCallParentheses = "No function!";
inline constexpr std::string_view kCallParentheses = "() syn Error!";

// Conditions.
inline constexpr std::string_view kConditionParentheses = "[ () ]   syn Error";
inline constexpr std::string_view kNoCondition = "No Condition!";
inline constexpr std::string_view kConditionNotEvaluated = "Could not eval. condition!";
inline constexpr std::string_view kNoComparison = "could not find condition!";
inline constexpr std::string_view kThenMissing = "then is missing!";

// Blocks and loops.
inline constexpr std::string_view kIfWithoutEnd = "if - end  syn Error";
inline constexpr std::string_view kEmptyStack = "syn  Error";
inline constexpr std::string_view kWhileUntilMissing = "while/until missing!";
inline constexpr std::string_view kDoWithoutLoop = "do - loop  syn Error";

// print and input.
inline constexpr std::string_view kNotAString = "not a string!";
inline constexpr std::string_view kNothingToInput = "Nothing to input!";
inline constexpr std::string_view kCouldNotInput = "Could not input!";
inline constexpr std::string_view kNoFunctionAdded = "No function added!";
inline constexpr std::string_view kInputTargetGone = "Not a variable!";
inline constexpr std::string_view kRunAgain = "Hit [Exe] to run again!";

// Limits that keep a run inside its memory, its stack and a fraction of a second per statement.
inline constexpr std::string_view kNestingTooDeep = "Nesting too deep!";
inline constexpr std::string_view kTextTooLong = "Text too long!";
inline constexpr std::string_view kTooMuchToCalculate = "Too much to calculate!";
inline constexpr std::string_view kOutOfMemory = "Out of memory!";

// AC or Esc while a program computes: the run stops as on an error, on the line it had reached.
inline constexpr std::string_view kStoppedByUser = "Program stopped!";

// Built-in functions.
inline constexpr std::string_view kNothingToCalculate = "Nothing to calculate!";
inline constexpr std::string_view kGcdSyntax = "gcd(x,y)   syn Error";
inline constexpr std::string_view kGcdNotIntegers = "x & y not integers!";

// Display texts of print and input.
inline constexpr std::string_view kVariablePromptEnd = "?";
inline constexpr std::string_view kFunctionPromptEnd = ") = ?";
inline constexpr std::string_view kVariableEcho = " = ";
inline constexpr std::string_view kFunctionEcho = ") =";

// The error line: "[ " line ": " text " ]  " message.
inline constexpr std::string_view kErrorLineOpen = "[ ";
inline constexpr std::string_view kErrorLineColon = ": ";
inline constexpr std::string_view kErrorLineClose = " ]  ";

}  // namespace zyk::program_messages
