#include "shell/DialogUnits.h"

#include <cstdint>

namespace zyk {

int MulDivRounded(int value, int numerator, int denominator) {
    if (denominator == 0) {
        return 0;
    }
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = (denominator > 0 ? denominator : -denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) /
                                   (denominator > 0 ? denominator : -denominator);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int AverageCharWidth(int alphabetWidth) {
    return (alphabetWidth / 26 + 1) / 2;
}

UnitRect DialogRectToPixels(const UnitRect& dialogRect, const DialogBaseUnits& units) {
    const int left = MulDivRounded(dialogRect.x, units.charWidth, 4);
    const int right = MulDivRounded(dialogRect.x + dialogRect.width, units.charWidth, 4);
    const int top = MulDivRounded(dialogRect.y, units.charHeight, 8);
    const int bottom = MulDivRounded(dialogRect.y + dialogRect.height, units.charHeight, 8);
    return UnitRect{left, top, right - left, bottom - top};
}

}  // namespace zyk
