#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Character classes and small scans shared by the pre-run check and the interpreter. The
// language is case-sensitive and knows only the ASCII letters.
namespace zyk {

inline bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

inline bool HasLetter(std::string_view text) {
    for (const char c : text) {
        if (IsLetter(c)) {
            return true;
        }
    }
    return false;
}

// True when the text holds nothing but blanks and tabs (or nothing at all).
bool OnlyBlanks(std::string_view text);

// The text without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// A name: a letter followed by letters and digits.
bool IsLegalName(std::string_view name);

// Where the keyword stands in the line, looking from `from` on, or npos. Only the first
// occurrence counts, and only when no letter stands directly before or after it (digits do not
// break a keyword: "end1" holds the keyword "end").
std::size_t FindKeyword(std::string_view line, std::string_view keyword, std::size_t from = 0);

// The text up to its first occurrence of `stop` (the whole text when there is none).
std::string_view CutAt(std::string_view text, char stop);

// The whole number written by the leading digits of the text, saturated at `limit`; nothing
// when the text does not start with a digit.
std::optional<std::size_t> ReadLeadingDigits(std::string_view text, std::size_t limit);

// The index of the bracket that closes the one at `open` (nesting counted), or npos.
std::size_t FindClosing(std::string_view text, std::size_t open, char openChar, char closeChar);

// True when a '(' follows a letter or a digit: only then can the text hold a call of a
// function by name ("abs(", "log10(").
bool HasNameCall(std::string_view text);

// The text after the first '=' at or after `from`, blanks, tabs and further '=' skipped and
// the end trimmed; empty when there is no '='.
std::string_view AfterEquals(std::string_view statement, std::size_t from);

// The first comma outside parentheses, or npos.
std::size_t FindTopLevelComma(std::string_view text);

}  // namespace zyk
