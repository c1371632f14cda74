#include "shell/ui/CColorStatic.h"

#include <QPainter>

#include "shell/ui/QtColors.h"

namespace zyk {

CColorStatic::CColorStatic(QWidget* parent) : CColorStatic(QString(), parent) {}

CColorStatic::CColorStatic(const QString& text, QWidget* parent)
    : QLabel(text, parent),
      m_baseFont(font()),
      m_backgroundColour(FromQColor(palette().color(QPalette::Button))) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void CColorStatic::SetTextColour(ColorRef colour) {
    m_textColour = colour;
    update();
}

void CColorStatic::SetBackgroundColour(ColorRef colour) {
    m_backgroundColour = colour;
    update();
}

void CColorStatic::SetTransparent(bool transparent) {
    m_transparent = transparent;
    update();
}

void CColorStatic::SetFaceName(const QString& face) {
    m_faceName = face;
    UpdateFont();
}

void CColorStatic::SetPointSize(int points) {
    m_pointSize = points;
    UpdateFont();
}

void CColorStatic::SetBold(bool bold) {
    m_bold = bold;
    UpdateFont();
}

void CColorStatic::SetItalic(bool italic) {
    m_italic = italic;
    UpdateFont();
}

void CColorStatic::SetUnderline(bool underline) {
    m_underline = underline;
    UpdateFont();
}

void CColorStatic::SetTextLayout(Qt::Alignment alignment) {
    setAlignment(alignment);
    update();
}

QFont CColorStatic::EffectiveFont() const {
    QFont effective = m_baseFont;
    if (!m_faceName.isEmpty()) {
        effective.setFamily(m_faceName);
    }
    if (m_pointSize > 0) {
        effective.setPointSize(m_pointSize);
    }
    effective.setBold(m_bold);
    effective.setItalic(m_italic);
    effective.setUnderline(m_underline);
    return effective;
}

void CColorStatic::UpdateFont() {
    // QLabel measures its size hint with this font, so set it on the control too.
    setFont(EffectiveFont());
    updateGeometry();
    update();
}

void CColorStatic::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!m_transparent) {
        painter.fillRect(rect(), ToQColor(m_backgroundColour));
    }
    painter.setFont(EffectiveFont());
    painter.setPen(ToQColor(m_textColour));
    int flags = static_cast<int>(alignment());
    if (wordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    painter.drawText(contentsRect(), flags, text());
}

}  // namespace zyk
