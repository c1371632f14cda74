#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

#include "shell/ColourScheme.h"

class QPainter;
class QRect;

namespace zyk {

class ResourceLocator;

inline constexpr ColorRef kExpressionLineText = Rgb(220, 220, 100);
inline constexpr int kFallbackPictureSize = 12;

// The main window's background: the scheme's picture stretched over the client area, a plain
// white picture when the file is missing, nothing at all for the plain scheme. Also holds the
// display colours, which the main window uses in every scheme.
class CSchemeBackground {
public:
    // Loads afresh on every call (each scheme application reloads the picture).
    void Load(const AppliedScheme& scheme, const ResourceLocator& resources);

    bool HasPicture() const { return !m_picture.isNull(); }
    bool IsFallback() const { return m_fallback; }
    const QImage& Picture() const { return m_picture; }

    // Stretches the picture (its full width, its height less one row) over the client area.
    // Draws nothing without a picture.
    void Paint(QPainter& painter, const QRect& clientArea) const;

    QColor DisplayBackground() const;
    static QColor ExpressionText();

private:
    QImage m_picture;
    QImage m_drawn;  // the picture without its last row
    // The stretched picture of the last size painted: smooth scaling on every paint would cost
    // more than the rest of the window's painting.
    mutable QPixmap m_scaled;
    bool m_fallback = false;
    ColorRef m_displayBackground = kTintedDisplayBackground;
};

}  // namespace zyk
