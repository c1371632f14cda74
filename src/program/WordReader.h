#pragma once

#include <cstddef>
#include <string_view>

namespace zyk {

// Takes a statement apart word by word from a column of its line. Blanks, tabs, '=', ';' and ','
// separate words; a double quote starts a string literal that runs to the next quote (or the
// line's end); any other word ends at '=', ',', '"', ';', a tab, or a blank outside parentheses,
// so "f(a b)" is one word.
class WordReader {
public:
    explicit WordReader(std::string_view line, std::size_t column = 0)
        : m_line(line), m_column(column < line.size() ? column : line.size()) {}

    // Reads the next word and moves the column past it; false when none is left.
    bool Next(std::string_view& word);

    // Where the last word read begins, and the column after it.
    std::size_t WordStart() const { return m_wordStart; }
    std::size_t Column() const { return m_column; }

private:
    std::string_view m_line;
    std::size_t m_column = 0;
    std::size_t m_wordStart = 0;
};

}  // namespace zyk
