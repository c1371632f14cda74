#include "shell/ui/CLinkLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>

#include "shell/LinkTarget.h"
#include "shell/ShellMessages.h"
#include "shell/qt/QtText.h"
#include "shell/ui/QtColors.h"
#include "shell/ui/QtUserMessages.h"

namespace zyk {

CLinkLabel::CLinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent),
      m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setTextFormat(Qt::PlainText);
}

CLinkLabel::~CLinkLabel() = default;

void CLinkLabel::SetLinkColour(ColorRef colour) {
    m_restoreColour = colour;
    ShowColour(colour);
}

void CLinkLabel::SetOpener(Opener opener) {
    m_opener = std::move(opener);
}

void CLinkLabel::SetMessages(UserMessages* messages) {
    m_messages = messages;
}

QUrl CLinkLabel::Target() const {
    const std::string target = LinkTargetForText(text().toStdString());
    return QUrl(QString::fromStdString(target));
}

bool CLinkLabel::OpenLink() {
    m_restoreColour = m_colour;
    ShowColour(kLinkClickedColour);
    const QUrl target = Target();
    if (target.isValid() && !target.isEmpty() && m_opener && m_opener(target)) {
        emit LinkOpened(target);
        return true;
    }
    QApplication::beep();
    UserMessages* messages = m_messages;
    if (messages == nullptr) {
        if (!m_ownMessages) {
            m_ownMessages = std::make_unique<QtUserMessages>(window());
        }
        messages = m_ownMessages.get();
    }
    const std::string text = std::string(shell_text::kCantOpenLink) +
                             shell_text::OpenFailureReason(shell_text::kCodeNoAssociation);
    messages->ShowMessage(text, {}, MessageIcon::Warning, MessageButtons::Ok);
    return false;
}

void CLinkLabel::enterEvent(QEnterEvent* event) {
    m_restoreColour = m_colour;
    ShowColour(kLinkHoverColour);
    QLabel::enterEvent(event);
}

void CLinkLabel::leaveEvent(QEvent* event) {
    m_pressed = false;
    ShowColour(m_restoreColour);
    QLabel::leaveEvent(event);
}

void CLinkLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        OpenLink();
    }
}

void CLinkLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(ToQColor(m_colour));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), text());
}

void CLinkLabel::ShowColour(ColorRef colour) {
    m_colour = colour;
    update();
}

}  // namespace zyk
