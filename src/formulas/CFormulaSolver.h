#pragma once

#include <array>
#include <string>

namespace zyk {

// Computes the nine special formulas (indexes 1-9), which no single calculator form can express.
// Formula mode fills the values in the order of the formula's variable list, then asks for the
// result text. All angles in and out are degrees, whatever the calculator's angle mode.
class CFormulaSolver {
public:
    static constexpr int kValueCount = 10;

    // Sets value `position` (0-9); positions outside that range are ignored.
    void SetValue(int position, double value);
    double Value(int position) const;

    // The result text of special formula `formulaIndex`, e.g. "x1= 2 , x2= 1" or "a= 5".
    // "Ma Error" for any other index, for an input outside the formula's domain, and when a
    // result comes out infinite or not a number.
    std::string Solve(int formulaIndex) const;

private:
    std::array<double, kValueCount> m_values{};
};

}  // namespace zyk
