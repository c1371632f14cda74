#pragma once

#include <string>

namespace zyk {

// A converted value with seven significant digits. With m the decimal exponent of the leading
// digit (after rounding): m < -1 or m > 6 gives a mantissa with up to six decimals and a signed
// three-digit exponent ("2.54e-002", "1.e+010"); otherwise fixed notation with 6 - m decimals
// ("212.", "3.28084", "0.5", and "1234568" without a point when m = 6). Trailing zeros of the
// decimals go, the point stays. Negative zero is written as zero. The value must be finite.
std::string FormatSevenDigits(double value);

}  // namespace zyk
