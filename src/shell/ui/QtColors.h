#pragma once

#include <QColor>
#include <QPalette>

#include "shell/ColourScheme.h"

namespace zyk {

// 0x00BBGGRR (red in the low byte) to a QColor and back.
QColor ToQColor(ColorRef colour);
ColorRef FromQColor(const QColor& colour);

// The platform's 3D colours (face, light edge, shadow edge), which the plain scheme uses.
PlatformColours PlatformColoursOf(const QPalette& palette);
// The same for the application's current palette.
PlatformColours CurrentPlatformColours();

}  // namespace zyk
