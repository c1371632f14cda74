#pragma once

#include <array>
#include <string_view>

#include "shell/SettingsEntry.h"

// Every section and entry of the settings store with its default. Readers name the default from
// here, so a first start with an empty store behaves the same everywhere.
namespace zyk::settings {

inline constexpr std::string_view kSettings = "Settings";
inline constexpr std::string_view kView = "View";
inline constexpr std::string_view kDisplay = "Display";
inline constexpr std::string_view kFolders = "Folders";
inline constexpr std::string_view kColors = "Colors";
inline constexpr std::string_view kUserConstants = "User Constants";

// Window positions (screen pixels).
inline constexpr IntEntry kLeft{kSettings, "Left", 150};
inline constexpr IntEntry kTop{kSettings, "Top", 100};
inline constexpr IntEntry kConstantsLeft{kSettings, "ConstantsLeft", 150};
inline constexpr IntEntry kConstantsTop{kSettings, "ConstantsTop", 100};
inline constexpr IntEntry kConvertLeft{kSettings, "ConvertLeft", 150};
inline constexpr IntEntry kConvertTop{kSettings, "ConvertTop", 100};
inline constexpr IntEntry kProgrammingLeft{kSettings, "ProgrammingLeft", 10};
inline constexpr IntEntry kProgrammingTop{kSettings, "ProgrammingTop", 10};
// Right and bottom default to the values read for left and top: read them with those.
inline constexpr std::string_view kProgrammingRight = "ProgrammingRight";
inline constexpr std::string_view kProgrammingBottom = "ProgrammingBottom";
inline constexpr IntEntry kStaticLeft{kSettings, "StaticLeft", 150};
inline constexpr IntEntry kStaticTop{kSettings, "StaticTop", 100};

// Fonts and display.
inline constexpr TextEntry kViewFont{kView, "Font", "Arial"};
inline constexpr TextEntry kViewFontSize{kView, "FontSize", "9"};  // atoi / "%d"
inline constexpr IntEntry kViewFontOffset{kView, "Font Offset", 1};
inline constexpr TextEntry kDisplayFont{kDisplay, "Font", "Arial"};
inline constexpr IntEntry kDisplayDecimals{kDisplay, "Decimals", 10};
inline constexpr IntEntry kDisplayFormat{kDisplay, "Format", 501};

// Folders: an empty value becomes the program folder + the entry name, written back at start.
inline constexpr TextEntry kFoldersPrograms{kFolders, "Programs", ""};
inline constexpr TextEntry kFoldersStatistical{kFolders, "Statistical", ""};

// Colours (0x00BBGGRR); the defaults are those of scheme 1, "Gold".
inline constexpr IntEntry kColorsPreset{kColors, "Preset", 1};
inline constexpr IntEntry kColorsBkc{kColors, "Bkc", 4141};
inline constexpr IntEntry kClrBk{kColors, "clrBk", 0xA5B4B2};
inline constexpr IntEntry kClrBkk{kColors, "clrBkk", 0x788A8C};
inline constexpr IntEntry kClrDisplayBkC{kColors, "clrDisplayBkC", 0x50463C};
inline constexpr std::array<IntEntry, 12> kButtonColors = {{
    {kColors, "btnC1", 0x969B9B},
    {kColors, "btnC1H", 0xA0A5A5},
    {kColors, "btnC1D", 0x8C9191},
    {kColors, "btnC2", 0x96A59B},
    {kColors, "btnC2H", 0xA0AFA5},
    {kColors, "btnC2D", 0x8C9B91},
    {kColors, "btnC3", 0x8CA5A5},
    {kColors, "btnC3H", 0x96AFAF},
    {kColors, "btnC3D", 0x829B9B},
    {kColors, "btnC4", 0x9696A0},
    {kColors, "btnC4H", 0xA0A0AA},
    {kColors, "btnC4D", 0x8C8C96},
}};
inline constexpr std::array<IntEntry, 3> kButtonTextColors = {{
    {kColors, "btnTextC1", 0x3C3C3C},
    {kColors, "btnTextC2", 0xF0F0F0},
    {kColors, "btnTextC3", 0x8CF0F0},
}};

// Memories M0-M9 as decimal text, entries "0"-"9".
inline constexpr std::string_view kMemoryDefault = "0";

}  // namespace zyk::settings
