#pragma once

#include <array>
#include <string_view>

// The Options dialog's own texts and control ids.
namespace zyk::options_text {

inline constexpr std::string_view kCaption = "Zyk Calculator options...";
inline constexpr std::string_view kDisplayPage = "Display";
inline constexpr std::string_view kFoldersPage = "Folders";
inline constexpr std::string_view kViewPage = "View";

// Display page.
inline constexpr std::string_view kAnswerFormat = "Answer format:";
inline constexpr std::string_view kNormal = "Normal";
inline constexpr std::string_view kScientific = "Scientific";
inline constexpr std::string_view kEngineering = "Engineering";
inline constexpr std::string_view kMaxDecimals = "Max decimals:";
inline constexpr std::string_view kDisplayFont = "Display font:";
inline constexpr std::string_view kColorScheme = "Color-Scheme:";
// The framework's range message for the decimals field.
inline constexpr std::string_view kDecimalsRange = "Please enter an integer between 0 and 15.";

// Folders page.
inline constexpr std::string_view kFoldersIntro =
    "Set the default path to the folders you want to save your data to.";
inline constexpr std::string_view kStatisticalPath = "Path to the statistical data:";
inline constexpr std::string_view kProgramsPath = "Path to the programs:";
inline constexpr std::string_view kBrowse = "...";
inline constexpr std::string_view kPickerStatistical = "Folder (Stat. data)";
inline constexpr std::string_view kPickerPrograms = "Folder (Programs)";
inline constexpr std::string_view kPickerTitle = "Select or create a folder...";

// View page.
inline constexpr std::string_view kCalculatorFont = "Select Calculator font:";
inline constexpr std::string_view kSize = "Size:";
inline constexpr std::string_view kShiftTextSize =
    "Shift Text Size:  (Compared to the Calculator Font Size)";
// Item index = "View" "Font Offset".
inline constexpr std::array<std::string_view, 6> kOffsets = {"None", "-1", "-2", "-3", "-4", "-5"};

// Control ids.
inline constexpr int kIdcFormatGroup = 1062;
inline constexpr int kIdcNormal = 1063;
inline constexpr int kIdcScientific = 1064;
inline constexpr int kIdcEngineering = 1065;
inline constexpr int kIdcDecimals = 1059;
inline constexpr int kIdcDecimalsSpin = 1061;
inline constexpr int kIdcFontList = 1057;
inline constexpr int kIdcScheme = 1009;
inline constexpr int kIdcStatisticalPath = 1213;
inline constexpr int kIdcProgramsPath = 1214;
inline constexpr int kIdcStatisticalBrowse = 1215;
inline constexpr int kIdcProgramsBrowse = 1216;
inline constexpr int kIdcSize = 1058;
inline constexpr int kIdcOffset = 1066;

}  // namespace zyk::options_text
