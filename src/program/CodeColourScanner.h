#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zyk {

// The token classes the code editor colours.
enum class CodeToken { Plain, Keyword, SecondWord, Comment, Number, String };
inline constexpr std::size_t kCodeTokenCount = 6;

// What the editor is told to colour: comment characters (each starts a comment to the end of the
// line), a comment word (takes effect only when it is also in the keyword list), a string
// delimiter (0: none), the keyword list and a second word list written as " word word ... ", and
// whether words are matched with regard to case.
struct CodeColourRules {
    std::string commentCharacters;
    std::string commentWord;
    char stringDelimiter = 0;
    std::string keywords;
    std::string secondWords;
    bool caseSensitive = true;
};

// One coloured stretch of a line, in UTF-16 code units.
struct CodeTokenSpan {
    int start;
    int length;
    CodeToken token;

    bool operator==(const CodeTokenSpan&) const = default;
};

// Splits one line of program text into coloured tokens, left to right: comments, strings,
// numbers (decimal, exponent included, no sign) and words looked up in the two lists. Plain text
// is not listed. The scan needs nothing but the line, so an editor recolours only the lines a
// change touched.
class CodeColourScanner {
public:
    explicit CodeColourScanner(const CodeColourRules& rules);

    // Clears `spans` and fills it with the line's tokens (the line holds no line break).
    void Scan(std::u16string_view line, std::vector<CodeTokenSpan>& spans) const;
    std::vector<CodeTokenSpan> Scan(std::u16string_view line) const;

private:
    // The class of a word as the lists give it: Keyword, SecondWord, Comment (the comment word)
    // or Plain.
    CodeToken Classify(std::u16string_view word) const;
    static bool InList(std::string_view list, std::string_view word);

    std::string m_commentCharacters;
    std::string m_commentWord;
    char m_stringDelimiter;
    std::string m_keywords;
    std::string m_secondWords;
    bool m_caseSensitive;
};

}  // namespace zyk
