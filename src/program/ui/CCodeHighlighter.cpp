#include "program/ui/CCodeHighlighter.h"

#include <string_view>

namespace zyk {

CCodeHighlighter::CCodeHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(document), m_scanner(CodeColourRules{}) {}

void CCodeHighlighter::SetRules(const CodeColourRules& rules) {
    m_scanner = CodeColourScanner(rules);
    rehighlight();
}

void CCodeHighlighter::SetTokenFormat(CodeToken token, const QColor& colour, bool bold) {
    QTextCharFormat& format = m_formats[static_cast<std::size_t>(token)];
    format.setForeground(colour);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    rehighlight();
}

const QTextCharFormat& CCodeHighlighter::TokenFormat(CodeToken token) const {
    return m_formats[static_cast<std::size_t>(token)];
}

void CCodeHighlighter::highlightBlock(const QString& text) {
    ++m_colouredLines;
    const std::u16string_view line(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size()));
    m_scanner.Scan(line, m_spans);
    for (const CodeTokenSpan& span : m_spans) {
        setFormat(span.start, span.length, m_formats[static_cast<std::size_t>(span.token)]);
    }
}

}  // namespace zyk
