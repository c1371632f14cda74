#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <array>
#include <vector>

#include "program/CodeColourScanner.h"

namespace zyk {

// Colours the code editor's lines by the rules of CodeColourScanner. Qt calls it for the lines a
// change touched (a line's colours depend on nothing but the line), so typing into a long
// program recolours one line. Plain text keeps the editor's own text colour.
class CCodeHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit CCodeHighlighter(QTextDocument* document);

    // Both recolour the whole text.
    void SetRules(const CodeColourRules& rules);
    void SetTokenFormat(CodeToken token, const QColor& colour, bool bold);

    const QTextCharFormat& TokenFormat(CodeToken token) const;
    // How many lines have been coloured since the highlighter was made.
    long long ColouredLines() const { return m_colouredLines; }

protected:
    void highlightBlock(const QString& text) override;

private:
    CodeColourScanner m_scanner;
    std::array<QTextCharFormat, kCodeTokenCount> m_formats;
    std::vector<CodeTokenSpan> m_spans;
    long long m_colouredLines = 0;
};

}  // namespace zyk
