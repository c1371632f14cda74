#include "calculator/ExpressionLine.h"

#include <algorithm>

namespace zyk {

std::size_t ExpressionLine::SelectionStart() const {
    return std::min(m_anchor, m_caret);
}

std::size_t ExpressionLine::SelectionEnd() const {
    return std::max(m_anchor, m_caret);
}

std::size_t ExpressionLine::Clamp(std::size_t position) const {
    return std::min(position, Length());
}

void ExpressionLine::SetText(std::string_view text) {
    m_text.assign(text);
    m_caret = m_anchor = Length();
}

void ExpressionLine::SetCaret(std::size_t position) {
    m_caret = m_anchor = Clamp(position);
}

void ExpressionLine::SetSelection(std::size_t anchor, std::size_t caret) {
    m_anchor = Clamp(anchor);
    m_caret = Clamp(caret);
}

void ExpressionLine::DeleteSelection() {
    const std::size_t start = SelectionStart();
    m_text.erase(start, SelectionEnd() - start);
    m_caret = m_anchor = start;
}

bool ExpressionLine::Insert(std::string_view token) {
    const std::size_t kept = Length() - (SelectionEnd() - SelectionStart());
    if (token.size() > kMaxLength || kept > kMaxLength - token.size()) {
        return false;
    }
    DeleteSelection();
    m_text.insert(m_caret, token);
    m_caret = m_anchor = m_caret + token.size();
    return true;
}

bool ExpressionLine::DeleteBefore() {
    if (HasSelection()) {
        DeleteSelection();
        return true;
    }
    if (m_caret == 0) {
        return false;
    }
    m_text.erase(m_caret - 1, 1);
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
    m_text.erase(m_caret, 1);
    return true;
}

void ExpressionLine::MoveLeft() {
    m_caret = m_anchor = HasSelection() ? SelectionStart() : (m_caret > 0 ? m_caret - 1 : 0);
}

void ExpressionLine::MoveRight() {
    m_caret = m_anchor = HasSelection() ? SelectionEnd() : std::min(m_caret + 1, Length());
}

}  // namespace zyk
