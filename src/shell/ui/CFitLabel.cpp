#include "shell/ui/CFitLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace zyk {

CFitLabel::CFitLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void CFitLabel::SetText(const QString& text) {
    setText(text);
    UpdateToolTip();
}

QFont CFitLabel::FittedFont() const {
    QFont fitted = font();
    const int available = contentsRect().width();
    const int start = font().pointSize();
    if (start <= 0 || available <= 0) {
        return fitted;
    }
    for (int points = start; points >= kMinimumPoints; --points) {
        fitted.setPointSize(points);
        if (QFontMetrics(fitted).horizontalAdvance(text()) <= available) {
            return fitted;
        }
    }
    fitted.setPointSize(std::min(start, kMinimumPoints));
    return fitted;
}

QString CFitLabel::ShownText() const {
    return QFontMetrics(FittedFont()).elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void CFitLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(FittedFont());
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                          isEnabled(), ShownText(), foregroundRole());
}

void CFitLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

bool CFitLabel::event(QEvent* event) {
    const bool handled = QLabel::event(event);
    if (event->type() == QEvent::FontChange) {
        UpdateToolTip();
    }
    return handled;
}

void CFitLabel::UpdateToolTip() {
    setToolTip(ShownText() == text() ? QString() : text());
}

}  // namespace zyk
