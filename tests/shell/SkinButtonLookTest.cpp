#include <gtest/gtest.h>

#include "shell/KeypadColours.h"
#include "shell/SkinButtonLook.h"

namespace zyk {
namespace {

// text 1, face 2, disabled face 3, light 4, shadow 5, dark frame 6, hover face 7, hover frame 8,
// focus frame 9
constexpr SkinButtonColours kColours{1, 2, 3, 4, 5, 6, 7, 8, 9};

struct LookRow {
    const char* what;
    int style;
    bool showFocus;
    SkinButtonState state;
    ColorRef face;
    ColorRef outerFrame;
    ColorRef topLeft;
    ColorRef bottomRight;
    bool embossed;
    ColorRef text;
    bool hoverFrame;
    bool focusFrame;
};

class SkinButtonLookTable : public ::testing::TestWithParam<LookRow> {};

TEST_P(SkinButtonLookTable, StateDecidesFaceEdgesAndText) {
    const LookRow& row = GetParam();
    const SkinButtonLook look =
        ComputeSkinButtonLook(kColours, row.style, row.showFocus, row.state);
    EXPECT_EQ(look.face, row.face) << row.what;
    EXPECT_EQ(look.outerFrame, row.outerFrame) << row.what;
    EXPECT_EQ(look.topLeftEdge, row.topLeft) << row.what;
    EXPECT_EQ(look.bottomRightEdge, row.bottomRight) << row.what;
    EXPECT_EQ(look.sunken, row.state.pressed) << row.what;
    EXPECT_EQ(look.embossedText, row.embossed) << row.what;
    EXPECT_EQ(look.textColour, row.text) << row.what;
    EXPECT_EQ(look.hoverFrame, row.hoverFrame) << row.what;
    EXPECT_EQ(look.focusFrame, row.focusFrame) << row.what;
}

constexpr ColorRef kBlack = 0;
constexpr ColorRef kGrey = 0x808080;

// Colours 1-9 are the ones of kColours, by field order; 0 is black.
// clang-format off
INSTANTIATE_TEST_SUITE_P(States, SkinButtonLookTable, ::testing::Values(
    //      what                            style  focus {enabled, pressed, hovered, focused}  face frame TL BR emboss text  hoverF focusF
    LookRow{"resting",                      200, false, {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false},
    LookRow{"pressed: dark frame, sunken",  200, false, {true,  true,  false, false}, 2, 6,      5, 4, false, 1,     false, false},
    LookRow{"disabled: embossed grey",      200, false, {false, false, false, false}, 3, kBlack, 4, 5, true,  kGrey, false, false},
    LookRow{"hovered, style 200: no change",200, false, {true,  false, true,  false}, 2, kBlack, 4, 5, false, 1,     false, false},
    LookRow{"hovered, style 201: frame",    201, false, {true,  false, true,  false}, 2, kBlack, 4, 5, false, 1,     true,  false},
    LookRow{"hovered, style 202: face",     202, false, {true,  false, true,  false}, 7, kBlack, 4, 5, false, 1,     false, false},
    LookRow{"style 202 resting",            202, false, {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false},
    LookRow{"disabled beats hover",         202, false, {false, false, true,  false}, 3, kBlack, 4, 5, true,  kGrey, false, false},
    LookRow{"disabled, hovered, style 201", 201, false, {false, false, true,  false}, 3, kBlack, 4, 5, true,  kGrey, true,  false},
    LookRow{"pressed while hovered",        202, false, {true,  true,  true,  false}, 7, 6,      5, 4, false, 1,     false, false},
    LookRow{"focus without the flag",       200, false, {true,  false, false, true }, 2, kBlack, 4, 5, false, 1,     false, false},
    LookRow{"focus with the flag",          200, true,  {true,  false, false, true }, 2, kBlack, 4, 5, false, 1,     false, true },
    LookRow{"flag without focus",           200, true,  {true,  false, false, false}, 2, kBlack, 4, 5, false, 1,     false, false}));
// clang-format on

struct KeyRow {
    int id;
    bool isKey;
    ColorRef text;
    ColorRef face;
    bool hovers;
    ColorRef hoverFace;
};

class KeypadColoursTable : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeypadColoursTable, KeyIdGivesItsGroupColours) {
    const KeyRow& row = GetParam();
    const auto colours = KeypadColoursForKey(row.id);
    ASSERT_EQ(colours.has_value(), row.isKey) << row.id;
    if (!colours) {
        return;
    }
    EXPECT_EQ(colours->text, row.text) << row.id;
    EXPECT_EQ(colours->face, row.face) << row.id;
    EXPECT_EQ(colours->hoverFace.has_value(), row.hovers) << row.id;
    if (colours->hoverFace) {
        EXPECT_EQ(*colours->hoverFace, row.hoverFace) << row.id;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, KeypadColoursTable, ::testing::Values(
    KeyRow{1022,  true,  0xC8F0C8, 0x3C3C3C, false, 0},         // digit 1
    KeyRow{1031,  true,  0xC8F0C8, 0x3C3C3C, false, 0},         // digit 0
    KeyRow{1049,  true,  0x8CC8C8, 0x3C3C3C, false, 0},         // F
    KeyRow{1138,  true,  0xF0F0F0, 0x3C3C3C, false, 0},         // Exp
    KeyRow{1159,  true,  0x00283C, 0xC8C8C8, false, 0},         // Deg
    KeyRow{32869, true,  0xF0F0F0, 0x646464, false, 0},         // >
    KeyRow{1033,  true,  0xF0F0F0, 0x646464, true,  0x787878},  // EXE
    KeyRow{1059,  true,  0xF0F0F0, 0x8CA0B4, true,  0xA0B4C8},  // SHIFT
    KeyRow{1003,  true,  0xF0F0F0, 0x8C8CA0, true,  0xA0A0B4},  // ?
    KeyRow{1015,  false, 0,        0,        false, 0}));       // the display is no key
// clang-format on

}  // namespace
}  // namespace zyk
