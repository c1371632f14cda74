#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zyk {

// A program function that is the calculator's own function under another name.
struct FunctionMapping {
    std::string_view programName;  // with its "("
    std::string_view token;        // the calculator's name after the function marker, with "("
};

// Applied in this order; a row never touches a name with a letter or the function marker
// before it, so "asin(" survives the "sin(" row and a token already made is not mapped again.
inline constexpr std::array<FunctionMapping, 16> kFunctionMappings = {{
    {"log(", "ln("},
    {"log10(", "log("},
    {"sqrt(", "sqrt("},
    {"sin(", "sin("},
    {"cos(", "cos("},
    {"tan(", "tan("},
    {"asin(", "arcsin("},
    {"acos(", "arccos("},
    {"atan(", "arctan("},
    {"sinh(", "sinh("},
    {"cosh(", "cosh("},
    {"tanh(", "tanh("},
    {"asinh(", "arcsinh("},
    {"acosh(", "arccosh("},
    {"atanh(", "arctanh("},
    {"exp(", "e^("},
}};

enum class InterpreterFunction {
    Abs,
    Mean,
    Median,
    Std,
    Std2,
    Ceil,
    Floor,
    Fix,
    Round,
    Sum,
    Prod,
    Gcd
};

struct InterpreterFunctionEntry {
    std::string_view name;
    InterpreterFunction function;
    bool overArray;  // the argument names an array
};

// The functions the interpreter computes itself, in the order they are substituted.
inline constexpr std::array<InterpreterFunctionEntry, 12> kInterpreterFunctions = {{
    {"abs", InterpreterFunction::Abs, false},
    {"mean", InterpreterFunction::Mean, true},
    {"median", InterpreterFunction::Median, true},
    {"std", InterpreterFunction::Std, true},
    {"std2", InterpreterFunction::Std2, true},
    {"ceil", InterpreterFunction::Ceil, false},
    {"floor", InterpreterFunction::Floor, false},
    {"fix", InterpreterFunction::Fix, false},
    {"round", InterpreterFunction::Round, false},
    {"sum", InterpreterFunction::Sum, true},
    {"prod", InterpreterFunction::Prod, true},
    {"gcd", InterpreterFunction::Gcd, false},
}};

// The arithmetic of the built-in functions, free of any interpreter state.
class BuiltInFunctions {
public:
    // Replaces every program name of the mapping table by the function marker and its token.
    static void MapFunctionNames(std::string& text);

    // The length of the calculator token at the start of the text after a function marker
    // (its "(" included), or 0 when no token of the mapping table starts there.
    static std::size_t FunctionTokenLength(std::string_view afterMarker);

    // The leading decimal number of a value text (the negation sign counts as '-', exponent
    // notation is read); 0 when the text starts with no number.
    static double ReadLeadingNumber(std::string_view text);

    // "%.12g", exponent widened.
    static std::string FormatResult(double value);

    // abs and fix keep the value's text: abs drops every blank and minus, fix cuts at the point.
    // A text in exponent notation is computed numerically instead.
    static std::string AbsText(std::string_view valueText);
    static std::string FixText(std::string_view valueText);

    // round(x): floor(x + 0.5); round(x, d): to d decimals (d < 0 rounds to tens, hundreds...).
    static double Round(double x);
    static double Round(double x, double decimals);

    // Euclid on remainders; false when x or y is not a whole number.
    static bool Gcd(double x, double y, double& result);

    // Over the element values of an array (never empty).
    static double Sum(std::span<const double> values);
    static double Product(std::span<const double> values);
    static double Mean(std::span<const double> values);
    static double Median(std::span<const double> values);
    static double SampleStd(std::span<const double> values);
    static double PopulationStd(std::span<const double> values);
};

}  // namespace zyk
