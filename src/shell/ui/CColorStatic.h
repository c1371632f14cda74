#pragma once

#include <QLabel>

#include "shell/ColourScheme.h"

namespace zyk {

// A static text in a chosen colour and font: transparent over its parent unless told otherwise,
// left-aligned unless a layout is set. Set everything before the control is first shown.
class CColorStatic : public QLabel {
public:
    explicit CColorStatic(QWidget* parent = nullptr);
    explicit CColorStatic(const QString& text, QWidget* parent = nullptr);

    void SetTextColour(ColorRef colour);
    void SetBackgroundColour(ColorRef colour);
    void SetTransparent(bool transparent);
    void SetFaceName(const QString& face);
    // Points; 0 keeps the control's own size.
    void SetPointSize(int points);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetTextLayout(Qt::Alignment alignment);

    ColorRef TextColour() const { return m_textColour; }
    // The control's font with the face, size and styles that were set.
    QFont EffectiveFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateFont();

    QFont m_baseFont;
    ColorRef m_textColour = 0;
    ColorRef m_backgroundColour;
    bool m_transparent = true;
    QString m_faceName;
    int m_pointSize = 0;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
};

}  // namespace zyk
