#include "calculator/ClipboardText.h"

#include <cstdio>
#include <optional>

#include "charset/Windows1252.h"
#include "expression/ExpressionBytes.h"

namespace zyk::clipboard {

std::string AnswerText(std::string_view bytes) {
    std::string plain(bytes);
    for (char& c : plain) {
        if (c == kNegationSign) {
            c = '-';
        }
    }
    return windows1252::ToUtf8(plain);
}

std::string ExpressionText(std::string_view bytes) {
    return windows1252::ToUtf8(bytes);
}

Paste ReadPaste(std::string_view utf8) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = utf8.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::string_view line = utf8.substr(first, utf8.find_last_not_of(kBlanks) - first + 1);
    if (line.find_first_of("\r\n") != std::string_view::npos) {
        return {"", std::string(kSeveralLines)};
    }
    if (const std::optional<char32_t> refused = windows1252::FirstUnmappable(line)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*refused));
        return {"", std::string(kCharacterRefused) + code + std::string(kCharacterRefusedEnd)};
    }
    return {windows1252::FromUtf8(line).value_or(std::string()), ""};
}

}  // namespace zyk::clipboard
