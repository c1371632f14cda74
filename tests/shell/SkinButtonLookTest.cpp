#include <gtest/gtest.h>

#include "shell/KeypadColours.h"
#include "shell/SkinButtonLook.h"

namespace zyk {
namespace {

// text 1, face 2, disabled face 3, light 4, shadow 5, dark frame 6, hover face 7, hover frame 8,
// focus frame 9
constexpr SkinButtonColours kColours{1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr ColorRef kBlack = 0;
constexpr ColorRef kGrey = 0x808080;

TEST(SkinButtonLook, StateDecidesFaceEdgesAndText) {
    const struct {
        const char* what;
        int style;
        bool showFocus;
        SkinButtonState state;
        ColorRef face, outerFrame, topLeft, bottomRight;
        bool embossed;
        ColorRef text;
        bool hoverFrame, focusFrame;
    } rows[] = {
        // Colours 1-9 are the ones of kColours, by field order; 0 is black.
        // clang-format off
        // what                          style focus {enabled, pressed, hovered, focused} face frame TL BR emboss text hoverF focusF
        {"resting",                      200, false, {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false},
        {"pressed: dark frame, sunken",  200, false, {true,  true,  false, false}, 2, 6,      5, 4, false, 1,     false, false},
        {"disabled: embossed grey",      200, false, {false, false, false, false}, 3, kBlack, 4, 5, true,  kGrey, false, false},
        {"hovered, style 200: no change",200, false, {true,  false, true,  false}, 2, kBlack, 4, 5, false, 1,     false, false},
        {"hovered, style 201: frame",    201, false, {true,  false, true,  false}, 2, kBlack, 4, 5, false, 1,     true,  false},
        {"hovered, style 202: face",     202, false, {true,  false, true,  false}, 7, kBlack, 4, 5, false, 1,     false, false},
        {"style 202 resting",            202, false, {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false},
        {"disabled beats hover",         202, false, {false, false, true,  false}, 3, kBlack, 4, 5, true,  kGrey, false, false},
        {"disabled, hovered, style 201", 201, false, {false, false, true,  false}, 3, kBlack, 4, 5, true,  kGrey, true,  false},
        {"pressed while hovered",        202, false, {true,  true,  true,  false}, 7, 6,      5, 4, false, 1,     false, false},
        {"focus without the flag",       200, false, {true,  false, false, true }, 2, kBlack, 4, 5, false, 1,     false, false},
        {"focus with the flag",          200, true,  {true,  false, false, true }, 2, kBlack, 4, 5, false, 1,     false, true },
        {"flag without focus",           200, true,  {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const SkinButtonLook look =
            ComputeSkinButtonLook(kColours, row.style, row.showFocus, row.state);
        EXPECT_EQ(look.face, row.face);
        EXPECT_EQ(look.outerFrame, row.outerFrame);
        EXPECT_EQ(look.topLeftEdge, row.topLeft);
        EXPECT_EQ(look.bottomRightEdge, row.bottomRight);
        EXPECT_EQ(look.sunken, row.state.pressed);
        EXPECT_EQ(look.embossedText, row.embossed);
        EXPECT_EQ(look.textColour, row.text);
        EXPECT_EQ(look.hoverFrame, row.hoverFrame);
        EXPECT_EQ(look.focusFrame, row.focusFrame);
    }
}

TEST(KeypadColours, KeyIdGivesItsGroupColours) {
    const struct {
        int id;
        bool isKey;
        ColorRef text, face;
        bool hovers;
        ColorRef hoverFace;
    } rows[] = {
        {1022, true, 0xC8F0C8, 0x3C3C3C, false, 0},        // digit 1
        {1052, true, 0x00283C, 0xC8C8C8, false, 0},        // last of the longest group
        {1033, true, 0xF0F0F0, 0x646464, true, 0x787878},  // EXE
        {1015, false, 0, 0, false, 0},                     // the display is no key
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const auto colours = KeypadColoursForKey(row.id);
        ASSERT_EQ(colours.has_value(), row.isKey);
        if (colours) {
            EXPECT_EQ(colours->text, row.text);
            EXPECT_EQ(colours->face, row.face);
            EXPECT_EQ(colours->hoverFace, row.hovers ? std::optional(row.hoverFace) : std::nullopt);
        }
    }
}

}  // namespace
}  // namespace zyk
