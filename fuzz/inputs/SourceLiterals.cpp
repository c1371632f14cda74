#include "SourceLiterals.h"

#include <cctype>
#include <optional>

namespace zyk::fuzz {
namespace {

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

// Reads the literal whose opening quote is at `i`; `i` ends after the closing quote.
std::string ReadQuoted(std::string_view s, std::size_t& i) {
    std::string text;
    ++i;
    while (i < s.size() && s[i] != '"') {
        if (s[i] != '\\' || i + 1 >= s.size()) {
            text += s[i++];
            continue;
        }
        const char c = s[i + 1];
        i += 2;
        switch (c) {
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'r':
                text += '\r';
                break;
            case 'x': {
                unsigned value = 0;
                while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i]))) {
                    const char d =
                        static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
                    value = value * 16 + static_cast<unsigned>(d <= '9' ? d - '0' : d - 'a' + 10);
                    ++i;
                }
                text += static_cast<char>(value & 0xFF);
                break;
            }
            default:
                if (IsOctal(c)) {
                    unsigned value = static_cast<unsigned>(c - '0');
                    for (int n = 0; n < 2 && i < s.size() && IsOctal(s[i]); ++n, ++i) {
                        value = value * 8 + static_cast<unsigned>(s[i] - '0');
                    }
                    text += static_cast<char>(value & 0xFF);
                } else {
                    text += c;  // \" \\ \' \?
                }
        }
    }
    ++i;
    return text;
}

// R"delim( ... )delim" starting at the R.
std::optional<std::string> ReadRaw(std::string_view s, std::size_t& i) {
    const std::size_t open = s.find('(', i + 2);
    if (open == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string close = ")" + std::string(s.substr(i + 2, open - i - 2)) + "\"";
    const std::size_t end = s.find(close, open + 1);
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    i = end + close.size();
    return std::string(s.substr(open + 1, end - open - 1));
}

// Skips blanks and comments; true when something was skipped.
bool SkipSpace(std::string_view s, std::size_t& i) {
    const std::size_t start = i;
    while (i < s.size()) {
        if (std::isspace(static_cast<unsigned char>(s[i]))) {
            ++i;
        } else if (s.substr(i, 2) == "//") {
            const std::size_t end = s.find('\n', i);
            i = end == std::string_view::npos ? s.size() : end;
        } else if (s.substr(i, 2) == "/*") {
            const std::size_t end = s.find("*/", i + 2);
            i = end == std::string_view::npos ? s.size() : end + 2;
        } else {
            break;
        }
    }
    return i != start;
}

std::string DecodeEntities(std::string_view text) {
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&#39;", '\''}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool decoded = false;
        for (const auto& [entity, c] : kEntities) {
            if (text.substr(i, entity.size()) == entity) {
                out += c;
                i += entity.size();
                decoded = true;
                break;
            }
        }
        if (!decoded) {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> StringLiterals(std::string_view s) {
    std::vector<std::string> literals;
    std::size_t i = 0;
    bool joining = false;  // the last token was a literal
    while (i < s.size()) {
        if (SkipSpace(s, i)) {
            continue;
        }
        const char c = s[i];
        std::optional<std::string> literal;
        if (c == '"') {
            literal = ReadQuoted(s, i);
        } else if (c == 'R' && s.substr(i, 2) == "R\"" &&
                   (i == 0 || !std::isalnum(static_cast<unsigned char>(s[i - 1])))) {
            literal = ReadRaw(s, i);
            if (!literal) {
                ++i;
            }
        } else if (c == '\'') {
            // A character literal, or a digit separator inside a number.
            const std::size_t end = s.find('\'', i + 1 + (s.substr(i + 1, 1) == "\\" ? 2 : 1));
            const bool inNumber = i > 0 && std::isxdigit(static_cast<unsigned char>(s[i - 1]));
            i = inNumber || end == std::string_view::npos ? i + 1 : end + 1;
        } else {
            ++i;
        }
        if (literal) {
            if (joining) {
                literals.back() += *literal;
            } else {
                literals.push_back(std::move(*literal));
            }
            joining = true;
        } else {
            joining = false;
        }
    }
    return literals;
}

std::vector<std::string> PreformattedBlocks(std::string_view html) {
    std::vector<std::string> blocks;
    std::size_t i = 0;
    while ((i = html.find("<pre", i)) != std::string_view::npos) {
        const std::size_t open = html.find('>', i);
        const std::size_t close = html.find("</pre>", i);
        if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
            break;
        }
        std::string text;
        bool inTag = false;
        for (const char c : html.substr(open + 1, close - open - 1)) {
            if (c == '<') {
                inTag = true;
            } else if (c == '>') {
                inTag = false;
            } else if (!inTag) {
                text += c;
            }
        }
        blocks.push_back(DecodeEntities(text));
        i = close + 6;
    }
    return blocks;
}

}  // namespace zyk::fuzz
