#include "shell/ui/CSpinBuddy.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace zyk {
namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The field keeps the focus, as with the platform's spin control.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

CSpinBuddy::CSpinBuddy(QLineEdit& field, int minimum, int maximum, QWidget* parent)
    : QWidget(parent),
      m_field(field),
      m_minimum(minimum),
      m_maximum(maximum),
      m_up(MakeArrow(Qt::UpArrow, this)),
      m_down(MakeArrow(Qt::DownArrow, this)) {
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    m_field.installEventFilter(this);
}

void CSpinBuddy::Step(int steps) {
    bool ok = false;
    const int current = m_field.text().trimmed().toInt(&ok);
    const int from = ok ? std::clamp(current, m_minimum, m_maximum) : m_minimum;
    m_field.setText(QString::number(std::clamp(from + (ok ? steps : 0), m_minimum, m_maximum)));
    m_field.selectAll();
}

bool CSpinBuddy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CSpinBuddy::resizeEvent(QResizeEvent* /*event*/) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

}  // namespace zyk
