#include "shell/ui/CFocusIndicator.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

namespace zyk {
namespace {

constexpr int kOutset = 2;  // the frame lies just outside the control

// The frame: white under black dots, two pixels wide, visible on light and dark faces.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        for (int inset = 0; inset < 2; ++inset) {
            const QRect edge = rect().adjusted(inset, inset, -1 - inset, -1 - inset);
            painter.setPen(QPen(Qt::white, 1));
            painter.drawRect(edge);
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(edge);
        }
    }
};

bool IsKeyboardReason(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

}  // namespace

CFocusIndicator::CFocusIndicator(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

CFocusIndicator::~CFocusIndicator() {
    delete m_frame;
}

QWidget* CFocusIndicator::Target() const {
    return m_frame && m_frame->isVisible() ? m_target.data() : nullptr;
}

QWidget* CFocusIndicator::Frame() const {
    return m_frame && m_frame->isVisible() ? m_frame.data() : nullptr;
}

bool CFocusIndicator::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn: {
            // Styles and windows see focus events too; only a control's own one counts.
            auto* widget = qobject_cast<QWidget*>(watched);
            if (!widget || widget->isWindow()) {
                break;
            }
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (IsKeyboardReason(reason)) {
                Follow(widget);
            } else if (widget != m_target || reason != Qt::ActiveWindowFocusReason) {
                Follow(nullptr);
            }
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            Follow(nullptr);
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            if (watched == m_target) {
                Place();
            }
            break;
        case QEvent::Hide:
            if (watched == m_target) {
                Follow(nullptr);
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void CFocusIndicator::Follow(QWidget* target) {
    // A window of its own (a popup, a dialog) has no parent to draw over.
    if (target && (target->isWindow() || !target->parentWidget())) {
        target = nullptr;
    }
    m_target = target;
    if (!target) {
        if (m_frame) {
            m_frame->hide();
        }
        return;
    }
    if (!m_frame || m_frame->parentWidget() != target->parentWidget()) {
        delete m_frame;
        m_frame = new FocusFrame(target->parentWidget());
    }
    Place();
}

void CFocusIndicator::Place() {
    if (!m_target || !m_frame) {
        return;
    }
    m_frame->setGeometry(m_target->geometry().adjusted(-kOutset, -kOutset, kOutset, kOutset));
    m_frame->raise();
    m_frame->setVisible(m_target->isVisible());
    m_frame->update();
}

}  // namespace zyk
