#pragma once

#include <QPlainTextEdit>

#include "program/CodeColourScanner.h"
#include "program/ProgramEditorAccess.h"
#include "shell/ColourScheme.h"

class QTextBlock;

namespace zyk {

class CCodeHighlighter;

// The program editor: plain text in a fixed-pitch font, coloured while it is typed, with tab
// stops, automatic indentation, block indentation with Tab and Shift+Tab, and an undo history in
// which every command (an insert, an indentation, a paste, Clear All, a text put in by Open) is
// one step. It takes every key, so Tab and Enter never move the focus. A run reads its lines
// from here (ProgramEditorAccess).
class CCodeEdit : public QPlainTextEdit, public ProgramEditorAccess {
    Q_OBJECT

public:
    explicit CCodeEdit(QWidget* parent = nullptr);
    ~CCodeEdit() override;

    // The programming window's face when it is installed, else the system's fixed font, at the
    // editor's size.
    static QFont ProgramFont();

    // Setting up (the programming window sets the design's values).
    void SetTabStops(int pixels);
    void SetBackgroundColour(ColorRef colour);
    void SetTokenColour(CodeToken token, ColorRef colour, bool bold);
    void SetColourRules(const CodeColourRules& rules);

    // Commands.
    // Inserts at the caret, replacing a selection, as one undoable edit.
    void InsertAtCaret(const QString& text);
    // Removes the selected text ("Clear").
    void ClearSelected();
    // Removes the whole text, as one undoable edit ("Clear All").
    void ClearAll();
    // Puts in a whole new text (a file that was opened), as one undoable edit; the caret goes to
    // the start.
    void ReplaceText(const QString& text);
    // Tab and Shift+Tab over the selected lines (two or more lines: each gets one more tab;
    // otherwise Tab types a tab), each one undoable edit.
    void IndentSelection();
    void UnindentSelection();

    // The editor's lines as they stand.
    QStringList Lines() const;
    CCodeHighlighter& Highlighter() { return *m_highlighter; }

    // ProgramEditorAccess: the lines in the calculator's character set, a last empty line (the
    // end of the line before it) left out; a character without a Windows-1252 byte reads as '?'.
    ProgramText ReadProgram() const override;
    void CollapseSelection() override;
    void SelectLine(int line) override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Enter: a line break and the indentation the line before it asks for, one undoable edit.
    void BreakLine();
    // The first and last line the selection covers; a selection that ends at the very start of
    // a line does not count that line.
    void SelectedLines(QTextBlock& first, QTextBlock& last) const;
    void SelectLines(const QTextBlock& first, const QTextBlock& last);

    CCodeHighlighter* m_highlighter;
};

}  // namespace zyk
