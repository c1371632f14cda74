#include "shell/ui/CNumEdit.h"

#include <QKeyEvent>

#include "shell/NumEditFilter.h"

namespace zyk {

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent) {}

void CNumEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool shortcut = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    if (shortcut || text.size() != 1 || !text.at(0).isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // A typed character: taken as the filter says, or swallowed.
    const QChar typed = text.at(0);
    const auto inserted = typed.unicode() < 0x80
                              ? FilterNumEditCharacter(static_cast<char>(typed.unicode()))
                              : std::nullopt;
    if (inserted) {
        insert(QString(QChar::fromLatin1(*inserted)));
    }
    event->accept();
}

}  // namespace zyk
