#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/SettingsStore.h"

// The nine colour schemes: their table, how one is applied to the settings store, and how a
// skinned button gets its colours from the store.
namespace zyk {

// A colour as stored: 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(ColorRef colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(ColorRef colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}

// One button family: its face, its light (hover) and its dark (pressed edge) colour.
struct ButtonFamily {
    ColorRef face;
    ColorRef light;
    ColorRef dark;

    bool operator==(const ButtonFamily&) const = default;
};

// One row of the tinted schemes (numbers 1-8).
struct SchemeRow {
    int bkc;
    ColorRef background;      // "clrBk"
    ColorRef darkBackground;  // "clrBkk"
    std::array<ButtonFamily, 4> families;
};

inline constexpr int kSchemeCount = 9;
// Scheme numbers the screenshots name: None (the platform's colours) and Gold.
inline constexpr int kPlainScheme = 0;
inline constexpr int kGoldScheme = 1;
inline constexpr std::array<std::string_view, kSchemeCount> kSchemeNames = {
    "None", "Gold", "Silver", "Royal Blue", "Blue", "Olive", "Teal", "Red Sunset", "Forest Green",
};

// Schemes 1-8, in scheme order (index = scheme number - 1).
inline constexpr std::array<SchemeRow, 8> kTintedSchemes = {{
    {4141,
     0xA5B4B2,
     0x788A8C,
     {{{0x969B9B, 0xA0A5A5, 0x8C9191},
       {0x96A59B, 0xA0AFA5, 0x8C9B91},
       {0x8CA5A5, 0x96AFAF, 0x829B9B},
       {0x9696A0, 0xA0A0AA, 0x8C8C96}}}},
    {4142,
     0xC3BEB9,
     0x918782,
     {{{0xA0A096, 0xAAAAA0, 0x96968C},
       {0xA09696, 0xAAA0A0, 0x968C8C},
       {0xA0AAA0, 0xAAB4AA, 0x96A096},
       {0xA0A0AA, 0xAAAAB4, 0x9696A0}}}},
    {4143,
     0xB4AAA3,
     0x917878,
     {{{0xA08C96, 0xAA96A0, 0x96828C},
       {0xA08C8C, 0xAA9696, 0x968C82},
       {0xA0A096, 0xAAAAA0, 0x96968C},
       {0xA0A0AA, 0xAAAAB4, 0x9696A0}}}},
    {4144,
     0xB4AFA5,
     0x917D6E,
     {{{0x96968C, 0xA0A096, 0x8C8C82},
       {0xA5A096, 0xAFAAA0, 0x9B968C},
       {0xA0AA96, 0xAAB4A0, 0x96A08C},
       {0x968CA0, 0xA096AA, 0x8C8296}}}},
    {4145,
     0xA5B4AF,
     0x788C82,
     {{{0x969B96, 0xA0A5A0, 0x8C918C},
       {0x8CA096, 0x96AAA0, 0x82968C},
       {0x8CA5A5, 0x96AFAF, 0x829B9B},
       {0x9696A0, 0xA0A0AA, 0x8C8C96}}}},
    {4146,
     0xB4B4A5,
     0x8C8772,
     {{{0x96968C, 0xA0A096, 0x8C8C82},
       {0xA5A096, 0xAFAAA0, 0x9B968C},
       {0xA0AA96, 0xAAB4A0, 0x96A08C},
       {0x968CA0, 0xA096AA, 0x8C8296}}}},
    {4147,
     0xA5AAB4,
     0x78788C,
     {{{0x8C8C8C, 0x969696, 0x828282},
       {0x9696A0, 0xA0A0AA, 0x8C8C96},
       {0x96A0AA, 0xA0AAB4, 0x8C96A0},
       {0x8C8CAA, 0x9696B4, 0x8282A0}}}},
    {4148,
     0xA5B4AA,
     0x788C78,
     {{{0x8C8C78, 0x969682, 0x82826E},
       {0x91A096, 0x9BAAA0, 0x87968C},
       {0x8CA08C, 0x96AA96, 0x829682},
       {0x829696, 0x8CA0A0, 0x788C8C}}}},
}};

// Written by every tinted scheme.
inline constexpr std::array<ColorRef, 3> kTintedButtonTextColours = {0x3C3C3C, 0xF0F0F0, 0x8CF0F0};
inline constexpr ColorRef kTintedDisplayBackground = 0x50463C;
// Written by scheme 0 (and by numbers outside the table).
inline constexpr ColorRef kPlainButtonTextColour = 0x3C3C3C;
inline constexpr ColorRef kPlainDisplayBackground = 0x645A50;

// Control colours of the tinted dialogs (each window may choose its own list and static colours).
inline constexpr ColorRef kEditFieldBackground = Rgb(60, 80, 100);
inline constexpr ColorRef kEditFieldText = Rgb(255, 255, 80);
inline constexpr ColorRef kListBoxBackground = Rgb(40, 60, 60);
inline constexpr ColorRef kListBoxText = Rgb(220, 240, 220);
inline constexpr ColorRef kStaticText = Rgb(0, 0, 0);

// Background pictures, by "Bkc" number, relative to the program's resource folder.
inline constexpr int kFirstPictureNumber = 4141;
inline constexpr std::array<std::string_view, 8> kBackgroundPictureFiles = {
    "images/Bkc_gold.bmp",  "images/Bkc_silver.bmp", "images/Bkc_lilac.bmp", "images/Bkc_blue.bmp",
    "images/Bkc_olive.bmp", "images/Bkc_teal.bmp",   "images/Bkc_red.bmp",   "images/Bkc_green.bmp",
};

// The platform's 3D colours, which scheme 0 uses.
struct PlatformColours {
    ColorRef face;
    ColorRef light;
    ColorRef shadow;
};

// Every "Colors" entry except "Preset".
struct SchemeColours {
    int bkc = 0;
    ColorRef background = 0;         // "clrBk"
    ColorRef darkBackground = 0;     // "clrBkk"
    ColorRef displayBackground = 0;  // "clrDisplayBkC"
    std::array<ButtonFamily, 4> families{};
    std::array<ColorRef, 3> textColours{};

    bool operator==(const SchemeColours&) const = default;
};

// What the windows need after a scheme has been applied.
struct AppliedScheme {
    int scheme = 1;            // "Colors" "Preset" as read, possibly out of range
    bool tintedLayout = true;  // the number is above 0: pictures, tinted dialogs, frames
    std::string pictureFile;   // for a tinted layout; empty: the built-in white picture
    ColorRef displayBackground = kTintedDisplayBackground;
};

// The table colours of a scheme number; numbers outside 1-8 give the plain (platform) row.
SchemeColours SchemeTableColours(int scheme, const PlatformColours& platform);

// Reads every "Colors" entry (except "Preset") with its default.
SchemeColours ReadSchemeColours(const SettingsStore& store);
void WriteSchemeColours(SettingsStore& store, const SchemeColours& colours);

// The colours a scheme gives one skinned button of family 1-4 with text colour 1-3.
struct AssignedButtonColours {
    ColorRef text;
    ColorRef face;
    ColorRef disabledFace;
    ColorRef light;
    ColorRef shadow;
    ColorRef hoverFace;
    int style;  // always the hover-face style
};

// Family and text numbers outside their ranges are clamped into them.
AssignedButtonColours AssignButtonColours(const SchemeColours& colours, int family, int textColour);

// "Colors" "Preset", default 1.
int ReadSchemeNumber(const SettingsStore& store);

// Reads "Preset", writes its table row over every other "Colors" entry and tells the windows what
// to draw. Hand-edited colour entries are overwritten here.
AppliedScheme ApplyScheme(SettingsStore& store, const PlatformColours& platform);

// "images/Bkc_....bmp" for 4141-4148, empty for any other number.
std::string_view BackgroundPictureFile(int bkc);

// The scheme's name for the Options list, or empty outside 0-8.
std::string_view SchemeName(int scheme);

}  // namespace zyk
