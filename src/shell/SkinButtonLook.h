#pragma once

#include "shell/ColourScheme.h"

// How a skinned button looks in a given state: the drawing decisions, apart from the painting.
namespace zyk {

inline constexpr int kSkinStyleNoHover = 200;
inline constexpr int kSkinStyleHoverFrame = 201;
inline constexpr int kSkinStyleHoverFace = 202;

inline constexpr ColorRef kSkinDisabledText = Rgb(128, 128, 128);
inline constexpr ColorRef kSkinEmbossText = Rgb(255, 255, 255);
inline constexpr ColorRef kSkinRestingFrame = Rgb(0, 0, 0);

struct SkinButtonColours {
    ColorRef text;
    ColorRef face;
    ColorRef disabledFace;
    ColorRef light;
    ColorRef shadow;
    ColorRef darkFrame;
    ColorRef hoverFace;
    ColorRef hoverFrame;
    ColorRef focusFrame;
};

struct SkinButtonState {
    bool enabled = true;
    bool pressed = false;
    bool hovered = false;
    bool focused = false;
};

struct SkinButtonLook {
    ColorRef face;
    ColorRef outerFrame;   // one pixel along the edge
    ColorRef topLeftEdge;  // the frame inside it
    ColorRef bottomRightEdge;
    bool sunken;
    bool embossedText;  // disabled: white offset copy, then grey
    ColorRef textColour;
    bool hoverFrame;  // two pixels in the hover-frame colour
    bool focusFrame;  // two pixels in the focus-frame colour
};

SkinButtonLook ComputeSkinButtonLook(const SkinButtonColours& colours, int style,
                                     bool showFocusFrame, const SkinButtonState& state);

}  // namespace zyk
