#pragma once

#include <string>
#include <string_view>

// printf-style number formatting with the calculator's exponent rule: every exponent carries a
// sign and at least three digits ("1.5e+003"), whatever the C library writes.
namespace zyk {

// Widens every exponent in a printf result ("e+05" -> "e+005"). Other text is left alone.
std::string WidenExponent(std::string text);

// snprintf of one double with a format such as "%.10g", "%.12e" or "%g", exponent widened.
std::string FormatDouble(std::string_view format, double value);

// "%.<precision>g" / "%.<precision>e" without building the format text at the call site.
std::string FormatGeneral(double value, int precision);
std::string FormatExponent(double value, int precision);

}  // namespace zyk
