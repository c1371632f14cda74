#include "calculator/ExpressionLine.h"

#include <algorithm>

namespace zyk {

int ExpressionLine::SelectionStart() const {
    return std::min(m_anchor, m_caret);
}

int ExpressionLine::SelectionEnd() const {
    return std::max(m_anchor, m_caret);
}

int ExpressionLine::Clamp(int position) const {
    return std::clamp(position, 0, Length());
}

void ExpressionLine::SetText(std::string_view text) {
    m_text.assign(text);
    m_caret = m_anchor = Length();
}

void ExpressionLine::SetCaret(int position) {
    m_caret = m_anchor = Clamp(position);
}

void ExpressionLine::SetSelection(int anchor, int caret) {
    m_anchor = Clamp(anchor);
    m_caret = Clamp(caret);
}

void ExpressionLine::DeleteSelection() {
    const int start = SelectionStart();
    m_text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(SelectionEnd() - start));
    m_caret = m_anchor = start;
}

void ExpressionLine::Insert(std::string_view token) {
    DeleteSelection();
    m_text.insert(static_cast<std::size_t>(m_caret), token);
    m_caret = m_anchor = m_caret + static_cast<int>(token.size());
}

bool ExpressionLine::DeleteBefore() {
    if (HasSelection()) {
        DeleteSelection();
        return true;
    }
    if (m_caret == 0) {
        return false;
    }
    m_text.erase(static_cast<std::size_t>(m_caret - 1), 1);
    m_caret = m_anchor = m_caret - 1;
    return true;
}

bool ExpressionLine::DeleteAfter() {
    if (HasSelection()) {
        DeleteSelection();
        return true;
    }
    if (m_caret >= Length()) {
        return false;
    }
    m_text.erase(static_cast<std::size_t>(m_caret), 1);
    return true;
}

void ExpressionLine::MoveLeft() {
    m_caret = m_anchor = HasSelection() ? SelectionStart() : std::max(m_caret - 1, 0);
}

void ExpressionLine::MoveRight() {
    m_caret = m_anchor = HasSelection() ? SelectionEnd() : std::min(m_caret + 1, Length());
}

}  // namespace zyk
