#pragma once

#include <optional>
#include <string_view>

// Which typed texts the Add buttons take. A number text is taken when its leading number (atof
// rules) is not zero, or when it is exactly "0" or "0.0"; so "0.00", "-0", "+0" and "abc" are
// refused. Texts read from a file are never checked.
namespace zyk {

bool IsAcceptedValueText(std::string_view text);

// A data pair split at its first ';': x before it, y everything after it.
struct PairParts {
    std::string_view x;
    std::string_view y;
};
std::optional<PairParts> SplitPair(std::string_view text);

// Both parts of "x;y" must be accepted number texts.
bool IsAcceptedPairText(std::string_view text);

}  // namespace zyk
