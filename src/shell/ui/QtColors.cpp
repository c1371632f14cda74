#include "shell/ui/QtColors.h"

#include <QGuiApplication>

namespace zyk {

QColor ToQColor(ColorRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

ColorRef FromQColor(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

PlatformColours PlatformColoursOf(const QPalette& palette) {
    return PlatformColours{
        FromQColor(palette.color(QPalette::Active, QPalette::Button)),
        FromQColor(palette.color(QPalette::Active, QPalette::Light)),
        FromQColor(palette.color(QPalette::Active, QPalette::Dark)),
    };
}

PlatformColours CurrentPlatformColours() {
    return PlatformColoursOf(QGuiApplication::palette());
}

}  // namespace zyk
