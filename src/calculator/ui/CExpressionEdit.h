#pragma once

#include <QLineEdit>

#include <functional>

namespace zyk {

// The expression line: a single-line field that shows the calculator's text with its caret and
// selection but never edits it itself. Every key goes to the key handler (the window turns it
// into a calculator command), Tab included; clicks and mouse selections are reported so the
// calculator's caret follows them. No clipboard, no drag and drop, no middle-click paste: the
// calculator has its own paste buffer.
class CExpressionEdit : public QLineEdit {
    Q_OBJECT

public:
    using KeyHandler = std::function<void(QKeyEvent&)>;

    explicit CExpressionEdit(QWidget* parent = nullptr);

    void SetKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }

    // Shows the calculator's line: the text, and either a caret or a selection from `anchor` to
    // `caret`. Reports nothing back.
    void ShowLine(const QString& text, int anchor, int caret);

signals:
    void CaretPlaced(int caret);
    void SelectionMade(int anchor, int caret);
    void MenuRequested(const QPoint& globalPosition);

protected:
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ReportCaret();
    void ShowCaret();

    KeyHandler m_keyHandler;
    int m_anchor = 0;
    int m_caret = 0;
};

}  // namespace zyk
