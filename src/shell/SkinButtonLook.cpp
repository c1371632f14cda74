#include "shell/SkinButtonLook.h"

namespace zyk {

SkinButtonLook ComputeSkinButtonLook(const SkinButtonColours& colours, int style,
                                     bool showFocusFrame, const SkinButtonState& state) {
    SkinButtonLook look{};
    // A disabled button keeps its disabled face whatever the pointer does.
    if (!state.enabled) {
        look.face = colours.disabledFace;
    } else if (style == kSkinStyleHoverFace && state.hovered) {
        look.face = colours.hoverFace;
    } else {
        look.face = colours.face;
    }

    look.sunken = state.pressed;
    if (state.pressed) {
        look.outerFrame = colours.darkFrame;
        look.topLeftEdge = colours.shadow;
        look.bottomRightEdge = colours.light;
    } else {
        look.outerFrame = kSkinRestingFrame;
        look.topLeftEdge = colours.light;
        look.bottomRightEdge = colours.shadow;
    }

    look.embossedText = !state.enabled;
    look.textColour = state.enabled ? colours.text : kSkinDisabledText;
    look.hoverFrame = style == kSkinStyleHoverFrame && state.hovered;
    look.focusFrame = showFocusFrame && state.focused;
    return look;
}

}  // namespace zyk
