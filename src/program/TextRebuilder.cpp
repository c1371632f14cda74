#include "program/TextRebuilder.h"

#include <utility>

namespace zyk {

char TextRebuilder::Before(std::size_t pos) const {
    if (pos > m_copied) {
        return m_text[pos - 1];
    }
    return m_out.empty() ? '\0' : m_out.back();
}

void TextRebuilder::Replace(std::size_t from, std::size_t to, std::string_view replacement) {
    if (!m_replaced) {
        m_out.reserve(m_text.size() + replacement.size());
        m_replaced = true;
    }
    m_out.append(m_text.substr(m_copied, from - m_copied));
    m_out.append(replacement);
    m_copied = to;
}

std::string TextRebuilder::Finish() {
    m_out.append(m_text.substr(m_copied));
    m_copied = m_text.size();
    return std::move(m_out);
}

}  // namespace zyk
