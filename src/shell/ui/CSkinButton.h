#pragma once

#include <QPushButton>
#include <QTimer>

#include "shell/ColourScheme.h"
#include "shell/SkinButtonLook.h"

namespace zyk {

// A push button that draws itself: face, black or dark frame with raised or sunken edges, one
// centred line of text (embossed grey when disabled), and a hover effect after the pointer has
// rested on it for a moment. A second-function caption above a key is not part of the button.
class CSkinButton : public QPushButton {
    Q_OBJECT

public:
    static constexpr int kHoverDelayMs = 10;

    explicit CSkinButton(QWidget* parent = nullptr);
    explicit CSkinButton(const QString& text, QWidget* parent = nullptr);

    // Text and face; the disabled face becomes the platform's face colour.
    void SetColours(ColorRef text, ColorRef face);
    void SetColours(ColorRef text, ColorRef face, ColorRef disabledFace);
    void SetEdgeColours(ColorRef light, ColorRef shadow);
    void SetDarkFrameColour(ColorRef darkFrame);
    // Style 202: resting on the button paints its face in the hover face.
    void SetHoverFaceStyle(ColorRef hoverFrame, ColorRef hoverFace);
    // Style 201: resting on the button draws a two-pixel frame.
    void SetHoverFrameStyle(ColorRef hoverFrame);
    // 200 (no hover effect), 201 or 202; other values are taken as 200.
    void SetStyle(int style);
    void SetShowFocusFrame(bool show);
    void SetFocusFrameColour(ColorRef focusFrame);
    // The colours a scheme assigns (family and text colour): all of them at once.
    void ApplyAssignedColours(const AssignedButtonColours& colours);

    // Full repaint, used after a scheme change.
    void Redraw();

    int Style() const { return m_style; }
    bool IsHovered() const { return m_hovered; }
    const SkinButtonColours& Colours() const { return m_colours; }
    // What the next paint draws.
    SkinButtonLook CurrentLook() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void PointerMoved(Qt::MouseButtons buttons);
    void HoverNotice();
    void PointerLeft();

    SkinButtonColours m_colours;
    ColorRef m_platformFace;
    int m_style = kSkinStyleNoHover;
    bool m_showFocusFrame = false;
    bool m_hovered = false;
    bool m_pointerInside = false;
    QTimer m_hoverTimer;
};

}  // namespace zyk
