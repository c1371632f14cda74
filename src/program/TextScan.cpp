#include "program/TextScan.h"

namespace zyk {

bool OnlyBlanks(std::string_view text) {
    for (const char c : text) {
        if (!IsBlankOrTab(c)) {
            return false;
        }
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlankOrTab(text[begin])) {
        ++begin;
    }
    std::size_t end = text.size();
    while (end > begin && IsBlankOrTab(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

bool IsLegalName(std::string_view name) {
    if (name.empty() || !IsLetter(name.front())) {
        return false;
    }
    for (const char c : name) {
        if (!IsLetter(c) && !IsDigit(c)) {
            return false;
        }
    }
    return true;
}

std::size_t FindKeyword(std::string_view line, std::string_view keyword, std::size_t from) {
    const std::size_t pos = line.find(keyword, from);
    if (pos == std::string_view::npos) {
        return pos;
    }
    const std::size_t after = pos + keyword.size();
    if ((pos > 0 && IsLetter(line[pos - 1])) || (after < line.size() && IsLetter(line[after]))) {
        return std::string_view::npos;
    }
    return pos;
}

std::string_view CutAt(std::string_view text, char stop) {
    return text.substr(0, text.find(stop));
}

std::optional<std::size_t> ReadLeadingDigits(std::string_view text, std::size_t limit) {
    if (text.empty() || !IsDigit(text.front())) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (const char c : text) {
        if (!IsDigit(c)) {
            break;
        }
        value = value * 10 + static_cast<std::size_t>(c - '0');
        if (value > limit) {
            return limit;
        }
    }
    return value;
}

std::size_t FindClosing(std::string_view text, std::size_t open, char openChar, char closeChar) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == openChar) {
            ++depth;
        } else if (text[i] == closeChar && --depth == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool HasNameCall(std::string_view text) {
    for (std::size_t open = text.find('('); open != std::string_view::npos;
         open = text.find('(', open + 1)) {
        if (open > 0 && (IsLetter(text[open - 1]) || IsDigit(text[open - 1]))) {
            return true;
        }
    }
    return false;
}

std::string_view AfterEquals(std::string_view statement, std::size_t from) {
    const std::size_t equals = statement.find('=', from);
    if (equals == std::string_view::npos) {
        return {};
    }
    std::size_t start = equals + 1;
    while (start < statement.size() &&
           (IsBlankOrTab(statement[start]) || statement[start] == '=')) {
        ++start;
    }
    return TrimBlanks(statement.substr(start));
}

std::size_t FindTopLevelComma(std::string_view text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            --depth;
        } else if (text[i] == ',' && depth <= 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

}  // namespace zyk
