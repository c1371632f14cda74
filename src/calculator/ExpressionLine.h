#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zyk {

// The expression line as a single-line edit field: a byte string with a caret and an optional
// selection (anchor to caret). Positions are byte indexes, 0 to Length(); one byte is one
// character on screen.
//
// Rules: a token replaces the selection (or goes in at the caret) and the caret ends after it;
// Left/Right collapse a selection to its start/end, otherwise move the caret one character;
// DeleteBefore/DeleteAfter remove the selection when there is one, otherwise one character;
// SetText puts the caret at the end; positions handed in are clamped to the text.
class ExpressionLine {
public:
    // No person types more; an insertion that would make the line longer is refused.
    static constexpr std::size_t kMaxLength = 100'000;

    const std::string& Text() const { return m_text; }
    std::size_t Length() const { return m_text.size(); }
    bool IsEmpty() const { return m_text.empty(); }

    std::size_t Caret() const { return m_caret; }
    std::size_t SelectionStart() const;
    std::size_t SelectionEnd() const;
    bool HasSelection() const { return m_anchor != m_caret; }

    void SetText(std::string_view text);
    void Clear() { SetText({}); }
    void SetCaret(std::size_t position);
    // Selects from anchor to caret (either order); the caret ends at `caret`.
    void SetSelection(std::size_t anchor, std::size_t caret);

    // False (and nothing changed) when the line would pass kMaxLength.
    bool Insert(std::string_view token);
    // Each returns whether the text changed.
    bool DeleteBefore();
    bool DeleteAfter();
    void MoveLeft();
    void MoveRight();

private:
    std::size_t Clamp(std::size_t position) const;
    void DeleteSelection();

    std::string m_text;
    std::size_t m_caret = 0;
    std::size_t m_anchor = 0;
};

}  // namespace zyk
