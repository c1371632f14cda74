#include "program/ui/CCodeEdit.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

#include <string>
#include <vector>

#include "charset/Windows1252.h"
#include "program/CodeEditorSettings.h"
#include "program/CodeIndentation.h"
#include "program/ui/CCodeHighlighter.h"
#include "shell/ui/QtColors.h"
#include "shell/qt/QtText.h"

namespace zyk {
namespace {

constexpr int kCaretWidth = 2;
// A selection stands out on the dark background without hiding the token colours' meaning.
constexpr ColorRef kSelectionBackground = Rgb(40, 110, 170);
constexpr ColorRef kSelectionText = Rgb(255, 255, 255);

std::u16string_view View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

std::string LineBytes(const QString& line) {
    if (std::optional<std::string> bytes = FromQString(line)) {
        return std::move(*bytes);
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(line.size()));
    for (const QChar c : line) {
        bytes += windows1252::FromUnicode(c.unicode()).value_or('?');
    }
    return bytes;
}

// Text from the clipboard or a drop: its line breaks as the editor's, nothing but plain text.
QString PlainLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace

CCodeEdit::CCodeEdit(QWidget* parent)
    : QPlainTextEdit(parent), m_highlighter(new CCodeHighlighter(document())) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    setCursorWidth(kCaretWidth);
    setFont(ProgramFont());
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, ToQColor(kSelectionBackground));
        colours.setColor(group, QPalette::HighlightedText, ToQColor(kSelectionText));
    }
    setPalette(colours);
    SetTabStops(code_editor::kTabStopPixels);
    SetBackgroundColour(code_editor::kBackground);
    for (std::size_t token = 0; token < kCodeTokenCount; ++token) {
        SetTokenColour(static_cast<CodeToken>(token), code_editor::kTokenColours[token], false);
    }
    SetColourRules(code_editor::ProgramRules());
}

CCodeEdit::~CCodeEdit() = default;

QFont CCodeEdit::ProgramFont() {
    const QString face = QString::fromLatin1(code_editor::kFontFace.data(),
                                             static_cast<int>(code_editor::kFontFace.size()));
    QFont font = QFontDatabase::hasFamily(face)
                     ? QFont(face)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(code_editor::kFontPoints);
    font.setBold(false);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// ---- Setting up ---------------------------------------------------------------------------------

void CCodeEdit::SetTabStops(int pixels) {
    setTabStopDistance(pixels);
}

void CCodeEdit::SetBackgroundColour(ColorRef colour) {
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, ToQColor(colour));
    }
    setPalette(colours);
}

void CCodeEdit::SetTokenColour(CodeToken token, ColorRef colour, bool bold) {
    if (token == CodeToken::Plain) {
        // Plain text is the editor's own text colour, which the caret takes too.
        QPalette colours = palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            colours.setColor(group, QPalette::Text, ToQColor(colour));
        }
        setPalette(colours);
        QFont plain = font();
        plain.setBold(bold);
        setFont(plain);
    }
    m_highlighter->SetTokenFormat(token, ToQColor(colour), bold);
}

void CCodeEdit::SetColourRules(const CodeColourRules& rules) {
    m_highlighter->SetRules(rules);
}

// ---- Commands -----------------------------------------------------------------------------------

void CCodeEdit::InsertAtCaret(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void CCodeEdit::ClearSelected() {
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        cursor.beginEditBlock();
        cursor.removeSelectedText();
        cursor.endEditBlock();
        setTextCursor(cursor);
    }
}

void CCodeEdit::ClearAll() {
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void CCodeEdit::ReplaceText(const QString& text) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
}

void CCodeEdit::IndentSelection() {
    QTextBlock first;
    QTextBlock last;
    SelectedLines(first, last);
    if (first.blockNumber() == last.blockNumber()) {
        InsertAtCaret(QStringLiteral("\t"));
        return;
    }
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (QTextBlock block = first;; block = block.next()) {
        cursor.setPosition(block.position());
        cursor.insertText(QStringLiteral("\t"));
        if (block == last) {
            break;
        }
    }
    cursor.endEditBlock();
    SelectLines(first, last);
}

void CCodeEdit::UnindentSelection() {
    QTextBlock first;
    QTextBlock last;
    SelectedLines(first, last);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (QTextBlock block = first;; block = block.next()) {
        const int length = CodeIndentation::UnindentLength(View(block.text()));
        if (length > 0) {
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + length, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        if (block == last) {
            break;
        }
    }
    cursor.endEditBlock();
    if (first != last) {
        SelectLines(first, last);
    }
}

QStringList CCodeEdit::Lines() const {
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        lines.append(block.text());
    }
    return lines;
}

// ---- ProgramEditorAccess ------------------------------------------------------------------------

ProgramText CCodeEdit::ReadProgram() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(document()->blockCount()));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        lines.push_back(LineBytes(block.text()));
    }
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return ProgramText(std::move(lines));
}

void CCodeEdit::CollapseSelection() {
    QTextCursor cursor = textCursor();
    cursor.setPosition(cursor.selectionStart());
    setTextCursor(cursor);
}

void CCodeEdit::SelectLine(int line) {
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid()) {
        return;
    }
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

// ---- Keys ---------------------------------------------------------------------------------------

bool CCodeEdit::event(QEvent* event) {
    // Tab and Shift+Tab belong to the editor, never to the focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void CCodeEdit::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool control = (modifiers & Qt::ControlModifier) != 0;
    const bool alt = (modifiers & Qt::AltModifier) != 0;
    switch (event->key()) {
        case Qt::Key_Tab:
            if (control) {
                InsertAtCaret(QStringLiteral("\t"));  // Ctrl+Tab: an ordinary tab
            } else if ((modifiers & Qt::ShiftModifier) != 0) {
                UnindentSelection();
            } else {
                IndentSelection();
            }
            event->accept();
            return;
        case Qt::Key_Backtab:
            UnindentSelection();
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!control && !alt) {
                BreakLine();
                event->accept();
                return;
            }
            break;
        case Qt::Key_Y:
            if (modifiers == Qt::ControlModifier) {
                redo();
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CCodeEdit::insertFromMimeData(const QMimeData* source) {
    if (source != nullptr && source->hasText()) {
        InsertAtCaret(PlainLines(source->text()));
        ensureCursorVisible();
    }
}

void CCodeEdit::BreakLine() {
    QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    const QString before = block.text().left(cursor.selectionStart() - block.position());
    const int tabs = CodeIndentation::TabsAfter(View(before));
    cursor.beginEditBlock();
    cursor.insertText(QStringLiteral("\n") + QString(tabs, QLatin1Char('\t')));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void CCodeEdit::SelectedLines(QTextBlock& first, QTextBlock& last) const {
    const QTextCursor cursor = textCursor();
    first = document()->findBlock(cursor.selectionStart());
    last = document()->findBlock(cursor.selectionEnd());
    if (cursor.hasSelection() && last.position() == cursor.selectionEnd() && last != first) {
        last = last.previous();
    }
}

void CCodeEdit::SelectLines(const QTextBlock& first, const QTextBlock& last) {
    QTextCursor cursor(document());
    cursor.setPosition(first.position());
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

}  // namespace zyk
