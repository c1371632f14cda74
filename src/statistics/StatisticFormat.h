#pragma once

#include <string>

namespace zyk {

// A result number as the statistics window prints it: "%.<precision>g" with the calculator's
// exponent rule. Values that are not a number print "nan" and infinite values "inf" or "-inf",
// whatever the C library would write, so the list, the console and a saved report agree.
std::string FormatStatistic(double value, int precision);

}  // namespace zyk
