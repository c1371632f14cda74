#include "converter/UnitLookup.h"

#include <algorithm>

#include "converter/UnitTable.h"

namespace zyk {
namespace {

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view typed, std::string_view name) {
    name = Trimmed(name);
    return typed.size() == name.size() &&
           std::equal(typed.begin(), typed.end(), name.begin(),
                      [](char a, char b) { return FoldCase(a) == FoldCase(b); });
}

}  // namespace

std::optional<int> FindUnitPosition(std::string_view typed) {
    typed = Trimmed(typed);
    for (int position = 0; position < kUnitPositionCount; ++position) {
        const UnitPosition& unit = kUnitTable[static_cast<std::size_t>(position)];
        if (IsUnitPosition(position) &&
            (SameName(typed, unit.fromText) || SameName(typed, unit.toText))) {
            return position;
        }
    }
    std::optional<int> byMark;
    for (int position = 0; position < kUnitPositionCount; ++position) {
        if (IsUnitPosition(position) &&
            SameName(typed, kUnitTable[static_cast<std::size_t>(position)].mark)) {
            if (byMark) {
                return std::nullopt;  // a mark of several units names none of them
            }
            byMark = position;
        }
    }
    return byMark;
}

}  // namespace zyk
