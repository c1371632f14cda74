#include "shell/ui/CSkinButton.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include "shell/ui/QtColors.h"

namespace zyk {
namespace {

void DrawFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

// Top and left edge in one colour, bottom and right in the other.
void DrawEdges(QPainter& painter, const QRect& rect, const QColor& topLeft,
               const QColor& bottomRight) {
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.right();
    const int bottom = rect.bottom();
    painter.setPen(topLeft);
    painter.drawLine(left, top, right - 1, top);
    painter.drawLine(left, top, left, bottom - 1);
    painter.setPen(bottomRight);
    painter.drawLine(left, bottom, right, bottom);
    painter.drawLine(right, top, right, bottom);
}

void DrawThickFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
    DrawFrame(painter, rect, colour);
    DrawFrame(painter, rect.adjusted(1, 1, -1, -1), colour);
}

}  // namespace

CSkinButton::CSkinButton(QWidget* parent) : CSkinButton(QString(), parent) {}

CSkinButton::CSkinButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    const QPalette& platform = palette();
    m_platformFace = FromQColor(platform.color(QPalette::Button));
    m_colours = SkinButtonColours{
        .text = FromQColor(platform.color(QPalette::ButtonText)),
        .face = m_platformFace,
        .disabledFace = m_platformFace,
        .light = FromQColor(platform.color(QPalette::Light)),
        .shadow = FromQColor(platform.color(QPalette::Dark)),
        .darkFrame = FromQColor(platform.color(QPalette::Shadow)),
        .hoverFace = FromQColor(platform.color(QPalette::Light)),
        .hoverFrame = FromQColor(platform.color(QPalette::Highlight)),
        .focusFrame = FromQColor(platform.color(QPalette::Highlight)),
    };
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
    m_hoverTimer.setSingleShot(true);
    m_hoverTimer.setInterval(kHoverDelayMs);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CSkinButton::HoverNotice);
}

void CSkinButton::SetColours(ColorRef text, ColorRef face) {
    SetColours(text, face, m_platformFace);
}

void CSkinButton::SetColours(ColorRef text, ColorRef face, ColorRef disabledFace) {
    m_colours.text = text;
    m_colours.face = face;
    m_colours.disabledFace = disabledFace;
    update();
}

void CSkinButton::SetEdgeColours(ColorRef light, ColorRef shadow) {
    m_colours.light = light;
    m_colours.shadow = shadow;
    update();
}

void CSkinButton::SetDarkFrameColour(ColorRef darkFrame) {
    m_colours.darkFrame = darkFrame;
    update();
}

void CSkinButton::SetHoverFaceStyle(ColorRef hoverFrame, ColorRef hoverFace) {
    m_colours.hoverFrame = hoverFrame;
    m_colours.hoverFace = hoverFace;
    SetStyle(kSkinStyleHoverFace);
}

void CSkinButton::SetHoverFrameStyle(ColorRef hoverFrame) {
    m_colours.hoverFrame = hoverFrame;
    SetStyle(kSkinStyleHoverFrame);
}

void CSkinButton::SetStyle(int style) {
    const bool known = style == kSkinStyleHoverFrame || style == kSkinStyleHoverFace;
    m_style = known ? style : kSkinStyleNoHover;
    if (m_style == kSkinStyleNoHover) {
        m_hoverTimer.stop();
        m_hovered = false;
    }
    update();
}

void CSkinButton::SetShowFocusFrame(bool show) {
    m_showFocusFrame = show;
    update();
}

void CSkinButton::SetFocusFrameColour(ColorRef focusFrame) {
    m_colours.focusFrame = focusFrame;
    update();
}

void CSkinButton::ApplyAssignedColours(const AssignedButtonColours& colours) {
    m_colours.text = colours.text;
    m_colours.face = colours.face;
    m_colours.disabledFace = colours.disabledFace;
    m_colours.light = colours.light;
    m_colours.shadow = colours.shadow;
    m_colours.hoverFace = colours.hoverFace;
    SetStyle(colours.style);
}

void CSkinButton::Redraw() {
    update();
}

SkinButtonLook CSkinButton::CurrentLook() const {
    const SkinButtonState state{isEnabled(), isDown(), m_hovered, hasFocus()};
    return ComputeSkinButtonLook(m_colours, m_style, m_showFocusFrame, state);
}

void CSkinButton::paintEvent(QPaintEvent* /*event*/) {
    const SkinButtonLook look = CurrentLook();
    const QRect area = rect();
    QPainter painter(this);
    painter.fillRect(area, ToQColor(look.face));
    DrawFrame(painter, area, ToQColor(look.outerFrame));
    DrawEdges(painter, area.adjusted(1, 1, -1, -1), ToQColor(look.topLeftEdge),
              ToQColor(look.bottomRightEdge));

    painter.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    if (look.embossedText) {
        painter.setPen(ToQColor(kSkinEmbossText));
        painter.drawText(area.translated(1, 1), flags, text());
    }
    painter.setPen(ToQColor(look.textColour));
    painter.drawText(area, flags, text());

    if (look.hoverFrame) {
        DrawThickFrame(painter, area, ToQColor(m_colours.hoverFrame));
    }
    if (look.focusFrame) {
        DrawThickFrame(painter, area, ToQColor(m_colours.focusFrame));
    }
}

void CSkinButton::enterEvent(QEnterEvent* event) {
    m_pointerInside = true;
    PointerMoved(QGuiApplication::mouseButtons());
    QPushButton::enterEvent(event);
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
    m_pointerInside = rect().contains(event->position().toPoint());
    if (m_pointerInside) {
        PointerMoved(event->buttons());
    } else {
        PointerLeft();
    }
    QPushButton::mouseMoveEvent(event);
}

void CSkinButton::leaveEvent(QEvent* event) {
    m_pointerInside = false;
    PointerLeft();
    QPushButton::leaveEvent(event);
}

void CSkinButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        update();
    }
    QPushButton::changeEvent(event);
}

void CSkinButton::PointerMoved(Qt::MouseButtons buttons) {
    if (m_style == kSkinStyleNoHover || m_hovered) {
        return;
    }
    // A drag that started elsewhere does not light the button up.
    if (buttons.testFlag(Qt::LeftButton)) {
        return;
    }
    if (!m_hoverTimer.isActive()) {
        m_hoverTimer.start();
    }
}

void CSkinButton::HoverNotice() {
    if (!m_pointerInside || m_style == kSkinStyleNoHover) {
        return;
    }
    m_hovered = true;
    update();
}

void CSkinButton::PointerLeft() {
    m_hoverTimer.stop();
    if (m_style > kSkinStyleNoHover && m_hovered) {
        m_hovered = false;
        update();
    }
}

}  // namespace zyk
