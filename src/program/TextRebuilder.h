#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zyk {

// Rebuilds a text in one pass from left to right: the stretches between replacements are
// copied once, so replacing every occurrence of a name costs the length of the text, not the
// length times the number of occurrences.
class TextRebuilder {
public:
    explicit TextRebuilder(std::string_view text) : m_text(text) {}

    // The character before `pos` of the original text as the rebuilt text has it: the end of
    // the last replacement when one ends there; '\0' at the start.
    char Before(std::size_t pos) const;

    // Copies the text up to `from` and puts `replacement` in place of [from, to). Replacements
    // come in order and do not overlap.
    void Replace(std::size_t from, std::size_t to, std::string_view replacement);

    // The length the rebuilt text has so far, the rest of the original counted as it is.
    std::size_t Length() const { return m_out.size() + (m_text.size() - m_copied); }
    bool Replaced() const { return m_replaced; }

    // The rebuilt text.
    std::string Finish();

private:
    std::string_view m_text;
    std::string m_out;
    std::size_t m_copied = 0;  // m_text before this is in m_out
    bool m_replaced = false;
};

}  // namespace zyk
