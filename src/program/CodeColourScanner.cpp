#include "program/CodeColourScanner.h"

#include <algorithm>

namespace zyk {
namespace {

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsWordCharacter(char16_t c) {
    return IsAsciiLetter(c) || IsAsciiDigit(c) || c == u'_';
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), LowerAscii);
    return lowered;
}

// The length of the longest prefix at `start` that reads as a decimal floating-point number
// without a sign: digits, an optional point with digits, an optional exponent that has digits.
std::size_t NumberLength(std::u16string_view line, std::size_t start) {
    std::size_t end = start;
    while (end < line.size() && IsAsciiDigit(line[end])) {
        ++end;
    }
    if (end < line.size() && line[end] == u'.') {
        ++end;
        while (end < line.size() && IsAsciiDigit(line[end])) {
            ++end;
        }
    }
    if (end < line.size() && (line[end] == u'e' || line[end] == u'E')) {
        std::size_t exponent = end + 1;
        if (exponent < line.size() && (line[exponent] == u'+' || line[exponent] == u'-')) {
            ++exponent;
        }
        if (exponent < line.size() && IsAsciiDigit(line[exponent])) {
            while (exponent < line.size() && IsAsciiDigit(line[exponent])) {
                ++exponent;
            }
            end = exponent;
        }
    }
    return end - start;
}

}  // namespace

CodeColourScanner::CodeColourScanner(const CodeColourRules& rules)
    : m_commentCharacters(rules.commentCharacters),
      m_commentWord(Lowered(rules.commentWord)),
      m_stringDelimiter(rules.stringDelimiter),
      m_keywords(rules.caseSensitive ? rules.keywords : Lowered(rules.keywords)),
      m_secondWords(rules.caseSensitive ? rules.secondWords : Lowered(rules.secondWords)),
      m_caseSensitive(rules.caseSensitive) {}

std::vector<CodeTokenSpan> CodeColourScanner::Scan(std::u16string_view line) const {
    std::vector<CodeTokenSpan> spans;
    Scan(line, spans);
    return spans;
}

void CodeColourScanner::Scan(std::u16string_view line, std::vector<CodeTokenSpan>& spans) const {
    spans.clear();
    const auto add = [&spans](std::size_t start, std::size_t length, CodeToken token) {
        spans.push_back(CodeTokenSpan{static_cast<int>(start), static_cast<int>(length), token});
    };
    std::size_t position = 0;
    while (position < line.size()) {
        const char16_t c = line[position];
        const bool ascii = c < 0x80;
        if (ascii && m_commentCharacters.find(static_cast<char>(c)) != std::string::npos) {
            add(position, line.size() - position, CodeToken::Comment);
            return;
        }
        if (ascii && m_stringDelimiter != 0 && c == static_cast<char16_t>(m_stringDelimiter)) {
            const std::size_t close = line.find(c, position + 1);
            const std::size_t end = close == std::u16string_view::npos ? line.size() : close + 1;
            add(position, end - position, CodeToken::String);
            position = end;
            continue;
        }
        if (IsAsciiDigit(c)) {
            const std::size_t length = NumberLength(line, position);
            add(position, length, CodeToken::Number);
            position += length;
            continue;
        }
        if (IsAsciiLetter(c) || c == u'_') {
            std::size_t end = position + 1;
            while (end < line.size() && IsWordCharacter(line[end])) {
                ++end;
            }
            const CodeToken token = Classify(line.substr(position, end - position));
            if (token == CodeToken::Comment) {
                add(position, line.size() - position, CodeToken::Comment);
                return;
            }
            if (token != CodeToken::Plain) {
                add(position, end - position, token);
            }
            position = end;
            continue;
        }
        ++position;
    }
}

CodeToken CodeColourScanner::Classify(std::u16string_view word) const {
    // A word holds only ASCII letters, digits and '_'.
    std::string narrow(word.size(), ' ');
    std::transform(word.begin(), word.end(), narrow.begin(),
                   [](char16_t c) { return static_cast<char>(c); });
    if (!m_caseSensitive) {
        narrow = Lowered(narrow);
    }
    if (InList(m_keywords, narrow)) {
        return !m_commentWord.empty() && Lowered(narrow) == m_commentWord ? CodeToken::Comment
                                                                          : CodeToken::Keyword;
    }
    return InList(m_secondWords, narrow) ? CodeToken::SecondWord : CodeToken::Plain;
}

// The word counts as listed when blank + word + blank stands in the list.
bool CodeColourScanner::InList(std::string_view list, std::string_view word) {
    std::string needle;
    needle.reserve(word.size() + 2);
    needle += ' ';
    needle += word;
    needle += ' ';
    return list.find(needle) != std::string_view::npos;
}

}  // namespace zyk
