#pragma once

#include <string_view>

namespace zyk {

// The editor's indentation rules over one line of program text.
class CodeIndentation {
public:
    // Shift+Tab takes away one tab, or as many blanks as make up one tab stop.
    static constexpr int kBlanksPerTab = 4;

    // Enter after `line`: as many tabs as the line begins with, one more when its first word is
    // if, do, elseif or else.
    static int TabsAfter(std::u16string_view line);

    // How many characters Shift+Tab takes from the start of the line: a leading tab, else up to
    // kBlanksPerTab leading blanks; 0 when it begins with neither.
    static int UnindentLength(std::u16string_view line);
};

}  // namespace zyk
