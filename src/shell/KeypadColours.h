#pragma once

#include <optional>

#include "shell/ColourScheme.h"

// The keypad's own colours: its keys keep them whatever the colour scheme.
namespace zyk {

struct KeypadKeyColours {
    ColorRef text;
    ColorRef face;
    ColorRef light;
    ColorRef shadow;
    std::optional<ColorRef> hoverFace;  // keys with one use the hover-face style, others none
};

// The colours of the keypad key with this control id; nothing for an id that is no keypad key.
// The disabled face of every key is the platform's face colour.
std::optional<KeypadKeyColours> KeypadColoursForKey(int controlId);

}  // namespace zyk
