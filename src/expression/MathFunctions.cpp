#include "expression/MathFunctions.h"

#include <cmath>

#include "expression/ExpressionMessages.h"

namespace zyk {
namespace {

namespace msg = expression_messages;

constexpr double kDegreesToRadians = MathFunctions::kPi * 0.005555555555555556;
constexpr double kRadiansToDegrees = 180.0 / MathFunctions::kPi;
// The largest angle whose conversion still fits a 64-bit integer of degrees.
constexpr double kTrigBound = MathFunctions::kPi * 5.124095555555556e16;
constexpr double kWideBound = 9.223372e18;
constexpr double kSquareBound = 1.34e154;
constexpr double kLargest = 1e308;
constexpr double kHyperbolicBound = 710.0;
constexpr double kPowerDigits = 308.0;
constexpr double kFactorialLimit = 170.0;

MathResult Value(double value) {
    return {value, {}};
}
MathResult Fail(std::string_view message) {
    return {0.0, message};
}

// Strict bounds: lower < x < upper. Written as "fails when outside" so that NaN passes.
bool OutsideOpen(double x, double bound) {
    return x <= -bound || x >= bound;
}
bool OutsideClosed(double x, double lower, double upper) {
    return x < lower || x > upper;
}

MathResult Trigonometric(MathFunction function, double x, bool degrees) {
    if (degrees) {
        x *= kDegreesToRadians;
    }
    switch (function) {
        case MathFunction::Sin:
            return OutsideOpen(x, kTrigBound) ? Fail(msg::kSinTooBig) : Value(std::sin(x));
        case MathFunction::Cos:
            return OutsideOpen(x, kTrigBound) ? Fail(msg::kCosTooBig) : Value(std::cos(x));
        default:
            return OutsideOpen(x, kTrigBound) ? Fail(msg::kTanTooBig) : Value(std::tan(x));
    }
}

MathResult InverseTrigonometric(MathFunction function, double x, bool degrees) {
    MathResult result;
    switch (function) {
        case MathFunction::Arcsin:
            result = OutsideClosed(x, -1.0, 1.0) ? Fail(msg::kArcsinTooBig) : Value(std::asin(x));
            break;
        case MathFunction::Arccos:
            result = OutsideClosed(x, -1.0, 1.0) ? Fail(msg::kArccosTooBig) : Value(std::acos(x));
            break;
        default:
            result = OutsideOpen(x, kWideBound) ? Fail(msg::kArctanTooBig) : Value(std::atan(x));
            break;
    }
    if (degrees && result.error.empty()) {
        result.value *= kRadiansToDegrees;
    }
    return result;
}

MathResult InverseHyperbolic(MathFunction function, double x) {
    switch (function) {
        case MathFunction::Arcsinh: {
            if (OutsideClosed(x, -kSquareBound, kSquareBound)) {
                return Fail(msg::kArcsinhTooBig);
            }
            const double a = std::fabs(x);
            const double result = std::log(a + std::sqrt(a * a + 1.0));
            return Value(x < 0.0 ? -result : result);
        }
        case MathFunction::Arccosh:
            if (OutsideClosed(x, 1.0, kSquareBound)) {
                return Fail(msg::kArccoshNotValid);
            }
            return Value(std::log(x + std::sqrt(x * x - 1.0)));
        default:
            if (x <= -1.0 || x >= 1.0) {
                return Fail(msg::kArctanhNotValid);
            }
            return Value(0.5 * std::log((1.0 + x) / (1.0 - x)));
    }
}

}  // namespace

MathFunction MathFunctions::Hyperbolic(MathFunction function) {
    switch (function) {
        case MathFunction::Sin:
            return MathFunction::Sinh;
        case MathFunction::Cos:
            return MathFunction::Cosh;
        case MathFunction::Tan:
            return MathFunction::Tanh;
        case MathFunction::Arcsin:
            return MathFunction::Arcsinh;
        case MathFunction::Arccos:
            return MathFunction::Arccosh;
        case MathFunction::Arctan:
            return MathFunction::Arctanh;
        default:
            return function;
    }
}

MathResult MathFunctions::Apply(MathFunction function, double x, bool degrees) {
    switch (function) {
        case MathFunction::Sin:
        case MathFunction::Cos:
        case MathFunction::Tan:
            return Trigonometric(function, x, degrees);
        case MathFunction::Arcsin:
        case MathFunction::Arccos:
        case MathFunction::Arctan:
            return InverseTrigonometric(function, x, degrees);
        case MathFunction::Sinh:
            return OutsideClosed(x, -kHyperbolicBound, kHyperbolicBound) ? Fail(msg::kSinhTooBig)
                                                                         : Value(std::sinh(x));
        case MathFunction::Cosh:
            return OutsideClosed(x, -kHyperbolicBound, kHyperbolicBound) ? Fail(msg::kCoshTooBig)
                                                                         : Value(std::cosh(x));
        case MathFunction::Tanh:
            return OutsideOpen(x, kWideBound) ? Fail(msg::kTanhTooBig) : Value(std::tanh(x));
        case MathFunction::Arcsinh:
        case MathFunction::Arccosh:
        case MathFunction::Arctanh:
            return InverseHyperbolic(function, x);
        case MathFunction::Sqrt:
            return OutsideClosed(x, 0.0, kLargest) ? Fail(msg::kSqrtNotValid) : Value(std::sqrt(x));
        case MathFunction::Ln:
            return (x <= 0.0 || x > kLargest) ? Fail(msg::kLnNotValid) : Value(std::log(x));
        case MathFunction::Log:
            return (x <= 0.0 || x > kLargest) ? Fail(msg::kLogNotValid) : Value(std::log10(x));
        case MathFunction::TenPower:
            return Value(10.0);
        case MathFunction::EPower:
            return Value(kE);
    }
    return Value(x);
}

MathResult MathFunctions::Square(double x) {
    if (OutsideClosed(x, -kSquareBound, kSquareBound)) {
        return Fail(msg::kSquareTooBig);
    }
    return Value(std::pow(x, 2.0));
}

MathResult MathFunctions::Power(double x, double y) {
    if ((x > 0.0 && std::log10(x) * y > kPowerDigits) ||
        (x < 0.0 && std::log10(-x) * y > kPowerDigits)) {
        return Fail(msg::kPowerTooBig);
    }
    if (y < -kLargest) {
        return Fail(msg::kPowerTooSmall);
    }
    return Value(std::pow(x, y));
}

MathResult MathFunctions::FactorialBounds(double v) {
    if (v > kFactorialLimit) {
        return {v, msg::kFactorialTooBig};
    }
    if (v < 0.0) {
        return Fail(msg::kFactorialNegative);
    }
    return Value(v);
}

double MathFunctions::Factorial(double v) {
    long double product = 1.0L;  // extended precision, as the product is built
    const int n = static_cast<int>(v);
    for (int factor = 2; factor <= n; ++factor) {
        product *= factor;
    }
    return static_cast<double>(product);
}

}  // namespace zyk
