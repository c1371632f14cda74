#pragma once

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
    const std::string& Text() const { return m_text; }
    int Length() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }

    int Caret() const { return m_caret; }
    int SelectionStart() const;
    int SelectionEnd() const;
    bool HasSelection() const { return m_anchor != m_caret; }

    void SetText(std::string_view text);
    void Clear() { SetText({}); }
    void SetCaret(int position);
    // Selects from anchor to caret (either order); the caret ends at `caret`.
    void SetSelection(int anchor, int caret);

    void Insert(std::string_view token);
    // Each returns whether the text changed.
    bool DeleteBefore();
    bool DeleteAfter();
    void MoveLeft();
    void MoveRight();

private:
    int Clamp(int position) const;
    void DeleteSelection();

    std::string m_text;
    int m_caret = 0;
    int m_anchor = 0;
};

}  // namespace zyk
