#include "program/CodeIndentation.h"

#include <array>

namespace zyk {
namespace {

constexpr std::array<std::u16string_view, 4> kOpeningWords = {u"if", u"do", u"elseif", u"else"};

bool IsNameCharacter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

}  // namespace

int CodeIndentation::TabsAfter(std::u16string_view line) {
    int tabs = 0;
    while (static_cast<std::size_t>(tabs) < line.size() && line[tabs] == u'\t') {
        ++tabs;
    }
    std::size_t start = static_cast<std::size_t>(tabs);
    while (start < line.size() && (line[start] == u' ' || line[start] == u'\t')) {
        ++start;
    }
    std::size_t end = start;
    while (end < line.size() && IsNameCharacter(line[end])) {
        ++end;
    }
    const std::u16string_view first = line.substr(start, end - start);
    for (const std::u16string_view word : kOpeningWords) {
        if (first == word) {
            return tabs + 1;
        }
    }
    return tabs;
}

int CodeIndentation::UnindentLength(std::u16string_view line) {
    if (!line.empty() && line.front() == u'\t') {
        return 1;
    }
    int blanks = 0;
    while (blanks < kBlanksPerTab && static_cast<std::size_t>(blanks) < line.size() &&
           line[blanks] == u' ') {
        ++blanks;
    }
    return blanks;
}

}  // namespace zyk
