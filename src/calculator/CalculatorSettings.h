#pragma once

#include <filesystem>
#include <string>

#include "calculator/AnswerFormatter.h"

namespace zyk {

class SettingsStore;

// What the calculator reads from the settings store when it is made: its answer format and
// decimals, and what the window needs (fonts, position, the data folders).
struct CalculatorSettings {
    static constexpr int kMinDecimals = 0;
    static constexpr int kMaxDecimals = 15;

    AnswerFormat format = AnswerFormat::Normal;  // "Display" "Format"
    int maxDecimals = 10;                        // "Display" "Decimals"
    std::string displayFont = "Arial";           // "Display" "Font"
    std::string viewFont = "Arial";              // "View" "Font"
    int viewFontSize = 9;                        // "View" "FontSize" (text read with atoi)
    int fontOffset = 1;                          // "View" "Font Offset"
    int left = 150;                              // "Settings" "Left"
    int top = 100;                               // "Settings" "Top"
    std::string programsFolder;                  // "Folders" "Programs"
    std::string statisticalFolder;               // "Folders" "Statistical"

    // Reads every entry above. A Format other than 501-503 or Decimals outside 0-15 (a hand-
    // edited store) falls back to the default. An empty folder entry becomes the program folder
    // + separator + "Programs" / "Statistical" and is written back at once.
    static CalculatorSettings Read(SettingsStore& store,
                                   const std::filesystem::path& programFolder);

    // A stored answer format code, or Normal when it is none of 501-503.
    static AnswerFormat ValidFormat(int code);
    // Stored decimals, or the default 10 when outside 0-15.
    static int ValidDecimals(int decimals);
};

}  // namespace zyk
