#pragma once

#include <array>
#include <string_view>

namespace zyk {

enum class MathFunction {
    Sin,
    Cos,
    Tan,
    Arcsin,
    Arccos,
    Arctan,
    Sinh,
    Cosh,
    Tanh,
    Arcsinh,
    Arccosh,
    Arctanh,
    Sqrt,
    Ln,
    Log,
    TenPower,  // 10^: the factor's power step does the work
    EPower,    // e^: likewise
};

// A computed value, or the message of the bound it broke (the value is then 0).
struct MathResult {
    double value = 0.0;
    std::string_view error;
};

// A function name as written after the function marker.
struct FunctionName {
    std::string_view name;
    MathFunction function;
    bool takesHyperbolic;  // may be followed by `h`
};

// Candidates in the order they are compared with the text; the first whose whole name is there
// (with at least one character after it) is taken.
inline constexpr std::array<FunctionName, 11> kFunctionNames = {{
    {"10^", MathFunction::TenPower, false},
    {"e^", MathFunction::EPower, false},
    {"arcsin", MathFunction::Arcsin, true},
    {"arccos", MathFunction::Arccos, true},
    {"arctan", MathFunction::Arctan, true},
    {"cos", MathFunction::Cos, true},
    {"tan", MathFunction::Tan, true},
    {"sin", MathFunction::Sin, true},
    {"sqrt", MathFunction::Sqrt, false},
    {"ln", MathFunction::Ln, false},
    {"log", MathFunction::Log, false},
}};

// The calculator's functions and operators with their fixed limits. Comparisons are written so
// that a not-a-number operand breaks no bound: it flows through as the C library gives it.
class MathFunctions {
public:
    static constexpr double kPi = 3.141592653589793;
    static constexpr double kE = 2.718281828459045;

    // The hyperbolic variant of a trigonometric function (sin -> sinh, arctan -> arctanh).
    static MathFunction Hyperbolic(MathFunction function);

    static MathResult Apply(MathFunction function, double x, bool degrees);
    static MathResult Square(double x);
    static MathResult Power(double x, double y);
    // The bounds of v! (too big, negative); where the `!` stands and whether v is whole are
    // checked by the caller, after these and in that order.
    static MathResult FactorialBounds(double v);
    static double Factorial(double v);  // v a whole number from 0 to 170
};

}  // namespace zyk
