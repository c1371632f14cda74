#include "statistics/EntryAcceptance.h"

#include "shell/LeadingNumber.h"

namespace zyk {

bool IsAcceptedValueText(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    return ReadLeadingNumber(text) != 0.0 || text == "0" || text == "0.0";
}

std::optional<PairParts> SplitPair(std::string_view text) {
    const std::size_t semicolon = text.find(';');
    if (semicolon == std::string_view::npos) {
        return std::nullopt;
    }
    return PairParts{text.substr(0, semicolon), text.substr(semicolon + 1)};
}

bool IsAcceptedPairText(std::string_view text) {
    const std::optional<PairParts> parts = SplitPair(text);
    return parts && IsAcceptedValueText(parts->x) && IsAcceptedValueText(parts->y);
}

}  // namespace zyk
