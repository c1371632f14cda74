#include "program/ui/CMenuLabel.h"

#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>

namespace zyk {
namespace {

// "&File" as rich text with the F underlined.
QString UnderlinedMnemonic(const QString& text) {
    const int mark = text.indexOf(QLatin1Char('&'));
    if (mark < 0 || mark + 1 >= text.size()) {
        return text.toHtmlEscaped();
    }
    return text.left(mark).toHtmlEscaped() + QStringLiteral("<u>") +
           QString(text.at(mark + 1)).toHtmlEscaped() + QStringLiteral("</u>") +
           text.mid(mark + 2).toHtmlEscaped();
}

}  // namespace

CMenuLabel::CMenuLabel(const QString& text, QMenu& menu, QWidget* parent)
    : QLabel(parent), m_menu(menu) {
    setTextFormat(Qt::RichText);
    setText(UnderlinedMnemonic(text));
    setCursor(Qt::PointingHandCursor);
    auto* shortcut = new QShortcut(QKeySequence::mnemonic(text), this);
    connect(shortcut, &QShortcut::activated, this, &CMenuLabel::PopUp);
}

void CMenuLabel::PopUp() {
    m_menu.popup(mapToGlobal(rect().bottomLeft()));
}

void CMenuLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        PopUp();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

}  // namespace zyk
