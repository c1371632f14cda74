#pragma once

#include <string>
#include <string_view>

namespace zyk {

// The form in which a number or formula handed over by another window (converter, statistics,
// regression) enters the expression: a leading '-' (or the one after "[y]=") becomes the
// negation sign, a trailing '.' goes, "--" inside the text becomes '+', 'E' becomes 'e', an
// exponent's '-' becomes the negation sign, and "e" after the function marker gets its '^'.
std::string NormaliseNumberText(std::string_view text);

}  // namespace zyk
