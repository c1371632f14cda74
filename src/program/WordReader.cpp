#include "program/WordReader.h"

namespace zyk {
namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == '=' || c == ';' || c == ',';
}

}  // namespace

bool WordReader::Next(std::string_view& word) {
    std::size_t pos = m_column;
    while (pos < m_line.size() && IsSeparator(m_line[pos])) {
        ++pos;
    }
    m_wordStart = pos;
    std::size_t end = pos;
    if (pos < m_line.size() && m_line[pos] == '"') {
        const std::size_t close = m_line.find('"', pos + 1);
        end = close == std::string_view::npos ? m_line.size() : close + 1;
    } else {
        int depth = 0;
        for (; end < m_line.size(); ++end) {
            const char c = m_line[end];
            if (c == '=' || c == ',' || c == '"' || c == ';' || c == '\t' ||
                (c == ' ' && depth <= 0)) {
                break;
            }
            if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            }
        }
    }
    word = m_line.substr(pos, end - pos);
    m_column = end;
    return !word.empty();
}

}  // namespace zyk
