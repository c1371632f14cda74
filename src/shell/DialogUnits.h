#pragma once

// Dialog units, as window layouts are designed in them: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its character height, so a
// layout keeps its proportions and grows with the font.
namespace zyk {

struct DialogBaseUnits {
    int charWidth;   // average character width in pixels
    int charHeight;  // character height in pixels
};

struct UnitRect {
    int x;
    int y;
    int width;
    int height;

    bool operator==(const UnitRect&) const = default;
};

// value * numerator / denominator, rounded half away from zero.
int MulDivRounded(int value, int numerator, int denominator);

// The average character width from the width of the 52 letters A-Z a-z, rounded.
int AverageCharWidth(int alphabetWidth);

// Converts each edge separately, so adjacent rectangles stay adjacent in pixels.
UnitRect DialogRectToPixels(const UnitRect& dialogRect, const DialogBaseUnits& units);

}  // namespace zyk
