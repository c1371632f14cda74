#include "calculator/ui/CExpressionEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "calculator/ExpressionLine.h"

namespace zyk {

CExpressionEdit::CExpressionEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setDragEnabled(false);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    // Qt's own limit (32767) is shorter than the line may be.
    setMaxLength(static_cast<int>(ExpressionLine::kMaxLength));
}

void CExpressionEdit::ShowLine(const QString& shown, int anchor, int caret) {
    if (text() != shown) {
        setText(shown);
    }
    m_anchor = anchor;
    m_caret = caret;
    ShowCaret();
}

void CExpressionEdit::ShowCaret() {
    const int anchor = m_anchor;
    const int caret = m_caret;
    if (anchor == caret) {
        if (hasSelectedText()) {
            deselect();
        }
        if (cursorPosition() != caret) {
            setCursorPosition(caret);
        }
        return;
    }
    // setSelection puts the caret at start + length, so a backward selection has a negative
    // length.
    setSelection(anchor, caret - anchor);
}

bool CExpressionEdit::focusNextPrevChild(bool /*next*/) {
    // Tab is the Deg key here, not a focus change.
    return false;
}

void CExpressionEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A field selects all its text when focused by Tab; this line keeps the calculator's caret.
    ShowCaret();
}

void CExpressionEdit::keyPressEvent(QKeyEvent* event) {
    if (m_keyHandler) {
        m_keyHandler(*event);
    }
    event->accept();
}

void CExpressionEdit::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void CExpressionEdit::mousePressEvent(QMouseEvent* event) {
    // The X11 middle-click paste would put text into the line behind the calculator's back.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
    ReportCaret();
}

void CExpressionEdit::mouseMoveEvent(QMouseEvent* event) {
    QLineEdit::mouseMoveEvent(event);
    if (event->buttons().testFlag(Qt::LeftButton)) {
        ReportCaret();
    }
}

void CExpressionEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    ReportCaret();
}

void CExpressionEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
    ReportCaret();
}

void CExpressionEdit::contextMenuEvent(QContextMenuEvent* event) {
    emit MenuRequested(event->globalPos());
    event->accept();
}

void CExpressionEdit::ReportCaret() {
    m_caret = cursorPosition();
    if (!hasSelectedText()) {
        m_anchor = m_caret;
        emit CaretPlaced(m_caret);
        return;
    }
    m_anchor = m_caret == selectionStart() ? selectionEnd() : selectionStart();
    emit SelectionMade(m_anchor, m_caret);
}

}  // namespace zyk
