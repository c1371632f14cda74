#include "formulas/CFormulaSolver.h"

#include <cmath>
#include <string_view>

#include "expression/NumberFormat.h"
#include "formulas/FormulaMessages.h"

namespace zyk {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kOneDegree = 0.005555555555555556;  // 1/180, as the angle conversion uses it
constexpr double kHalfTurnDegrees = 180.0;
// Fixed here so that editing the user-visible {c} never changes the Doppler formula.
constexpr double kSpeedOfLight = 299792458.0;

constexpr std::string_view kShortFormat = "%.9g";
constexpr std::string_view kLongFormat = "%.11g";

double ToRadians(double degrees) {
    return degrees * kPi * kOneDegree;
}

bool IsAngleInside(double degrees) {
    return degrees > 0.0 && degrees < kHalfTurnDegrees;
}

// A negative zero (the arctangent of -0, a root exactly at 0 divided by a negative 2a) is shown
// as the plain 0 the user expects, not "-0".
std::string Number(std::string_view format, double value) {
    return FormatDouble(format, value == 0.0 ? 0.0 : value);
}

// One result: label + number. A result that is infinite or not a number (a division by zero or
// a root of a negative number no test caught) gets the solver's refusal instead.
std::string OneResult(std::string_view label, double value, std::string_view format) {
    if (!std::isfinite(value)) {
        return std::string(formula_text::kMaError);
    }
    return std::string(label) + Number(format, value);
}

std::string TwoResults(std::string_view firstLabel, double first, std::string_view secondLabel,
                       double second) {
    if (!std::isfinite(first) || !std::isfinite(second)) {
        return std::string(formula_text::kMaError);
    }
    return std::string(firstLabel) + Number(kShortFormat, first) + std::string(secondLabel) +
           Number(kShortFormat, second);
}

std::string Refused() {
    return std::string(formula_text::kMaError);
}

std::string SolveQuadratic(double a, double b, double c) {
    if (a == 0.0 || b == 0.0) {
        return Refused();
    }
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < 0.0) {
        return Refused();
    }
    const double root = std::sqrt(discriminant);
    return TwoResults("x1= ", (root - b) / (2.0 * a), " , x2= ", (-b - root) / (2.0 * a));
}

std::string SolveCosineLaw(double b, double c, double angle) {
    if (b <= 0.0 || c <= 0.0 || !IsAngleInside(angle)) {
        return Refused();
    }
    return OneResult("a= ", std::sqrt(b * b + c * c - 2.0 * b * c * std::cos(ToRadians(angle))),
                     kLongFormat);
}

std::string SolveSineLaw(double b, double angleA, double angleB) {
    if (b <= 0.0 || !IsAngleInside(angleA) || !IsAngleInside(angleB)) {
        return Refused();
    }
    return OneResult("a= ", b * std::sin(ToRadians(angleA)) / std::sin(ToRadians(angleB)),
                     kLongFormat);
}

std::string SolveHeron(double a, double b, double c) {
    if (a + b <= c || b + c <= a || a + c <= b || a <= 0.0 || b <= 0.0 || c <= 0.0) {
        return Refused();
    }
    const double s = (a + b + c) * 0.5;
    return OneResult("S= ", std::sqrt(s * (s - a) * (s - b) * (s - c)), kLongFormat);
}

std::string SolveDopplerSound(double f0, double v, double u, double v0) {
    if (v == 0.0 || f0 <= 0.0) {
        return Refused();
    }
    const double ratio = (v - u) / (v - v0);
    if (ratio <= 0.0) {
        return Refused();
    }
    return OneResult("f= ", f0 * ratio, kLongFormat);
}

std::string SolveDopplerLight(double f0, double v) {
    if (v > kSpeedOfLight || f0 <= 0.0) {
        return Refused();
    }
    return OneResult("f= ", f0 * std::sqrt((kSpeedOfLight - v) / (kSpeedOfLight + v)), kLongFormat);
}

std::string SolveRectangularToPolar(double x, double y) {
    if (x == 0.0) {
        return Refused();
    }
    // The plain arctangent: the quadrant is deliberately not resolved.
    const double angle = std::atan(y / x) / kPi * kHalfTurnDegrees;
    return TwoResults("r= ", std::sqrt(y * y + x * x), "  , A=", angle);
}

std::string SolvePolarToRectangular(double r, double angle) {
    if (r < 0.0) {
        return Refused();
    }
    const double radians = ToRadians(angle);
    return TwoResults("x= ", r * std::cos(radians), "  , y=", r * std::sin(radians));
}

std::string SolveAverageAcceleration(double v2, double v1, double t2, double t1) {
    if (t2 <= t1 || t1 < 0.0) {
        return Refused();
    }
    return OneResult("a= ", (v2 - v1) / (t2 - t1), kLongFormat);
}

}  // namespace

void CFormulaSolver::SetValue(int position, double value) {
    if (position >= 0 && position < kValueCount) {
        m_values[static_cast<std::size_t>(position)] = value;
    }
}

double CFormulaSolver::Value(int position) const {
    if (position >= 0 && position < kValueCount) {
        return m_values[static_cast<std::size_t>(position)];
    }
    return 0.0;
}

std::string CFormulaSolver::Solve(int formulaIndex) const {
    const auto& v = m_values;
    switch (formulaIndex) {
        case 1:
            return SolveQuadratic(v[0], v[1], v[2]);
        case 2:
            return SolveCosineLaw(v[0], v[1], v[2]);
        case 3:
            return SolveSineLaw(v[0], v[1], v[2]);
        case 4:
            return SolveHeron(v[0], v[1], v[2]);
        case 5:
            return SolveDopplerSound(v[0], v[1], v[2], v[3]);
        case 6:
            return SolveDopplerLight(v[0], v[1]);
        case 7:
            return SolveRectangularToPolar(v[0], v[1]);
        case 8:
            return SolvePolarToRectangular(v[0], v[1]);
        case 9:
            return SolveAverageAcceleration(v[0], v[1], v[2], v[3]);
        default:
            return Refused();
    }
}

}  // namespace zyk
