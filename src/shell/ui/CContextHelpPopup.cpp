#include "shell/ui/CContextHelpPopup.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

constexpr int kMaximumWidth = 320;
constexpr int kMargin = 6;

}  // namespace

CContextHelpPopup::CContextHelpPopup(const QString& text) : QLabel(text, nullptr, Qt::Popup) {
    setAttribute(Qt::WA_DeleteOnClose);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(kMargin);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMaximumWidth(kMaximumWidth);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(kContextHelpBackground));
    colours.setColor(QPalette::WindowText, ToQColor(kContextHelpText));
    setPalette(colours);
    setAutoFillBackground(true);
}

void CContextHelpPopup::mousePressEvent(QMouseEvent* /*event*/) {
    close();
}

void CContextHelpPopup::keyPressEvent(QKeyEvent* /*event*/) {
    close();
}

CContextHelpPopup* ShowContextHelp(const QString& text, const QPoint& globalPosition) {
    auto* popup = new CContextHelpPopup(text);
    popup->adjustSize();
    QPoint position = globalPosition;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPosition)) {
        const QRect area = screen->availableGeometry();
        position.setX(std::min(position.x(), area.right() - popup->width()));
        position.setY(std::min(position.y(), area.bottom() - popup->height()));
        position.setX(std::max(position.x(), area.left()));
        position.setY(std::max(position.y(), area.top()));
    }
    popup->move(position);
    popup->show();
    return popup;
}

}  // namespace zyk
