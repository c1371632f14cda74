#pragma once

#include <string_view>

namespace zyk {

// The number the C library's atof reads at the start of `text`, in any locale: white space
// skipped, an optional sign, the longest leading decimal number (digits with an optional point
// and an optional exponent); 0 when there is none. Words such as "inf" and "nan" and hexadecimal
// numbers are not decimal numbers ("0x1A" reads as 0). A number too large for a double reads as
// plus or minus infinity, one too small as zero.
double ReadLeadingNumber(std::string_view text);

// The integer the C library's atoi reads at the start of `text`: white space skipped, an optional
// sign, the leading digits; 0 when there are none ("2.9" reads as 2). Beyond the range of int it
// stays at the nearest end of that range.
int ReadLeadingInteger(std::string_view text);

}  // namespace zyk
