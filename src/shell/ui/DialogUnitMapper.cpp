#include "shell/ui/DialogUnitMapper.h"

#include <QFontMetrics>
#include <QWidget>

namespace zyk {
namespace {

DialogBaseUnits Measure(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogBaseUnits{AverageCharWidth(alphabet), metrics.height()};
}

}  // namespace

DialogUnitMapper::DialogUnitMapper(const QFont& font) : m_units(Measure(font)) {}

QRect DialogUnitMapper::ToPixels(int x, int y, int width, int height) const {
    const UnitRect pixels = DialogRectToPixels(UnitRect{x, y, width, height}, m_units);
    return QRect(pixels.x, pixels.y, pixels.width, pixels.height);
}

QSize DialogUnitMapper::ToPixels(int width, int height) const {
    return ToPixels(0, 0, width, height).size();
}

void DialogUnitMapper::Place(QWidget& control, int x, int y, int width, int height) const {
    control.setGeometry(ToPixels(x, y, width, height));
}

}  // namespace zyk
