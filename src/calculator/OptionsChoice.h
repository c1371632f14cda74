#pragma once

#include <string>

#include "calculator/AnswerFormatter.h"

namespace zyk {

class SettingsStore;
struct CalculatorSettings;

// What the Options dialog's pages hold when OK is pressed.
struct OptionsChoice {
    AnswerFormat format = AnswerFormat::Normal;
    int maxDecimals = 10;
    std::string displayFont;
    int scheme = 1;
    std::string statisticalFolder;
    std::string programsFolder;
    std::string viewFont;
    int viewFontSize = 9;
    int fontOffset = 1;
    bool viewChanged = false;  // a font or a size was picked on the View page

    // The pages' starting values: the calculator's own, the scheme number "Colors" "Preset".
    static OptionsChoice FromCurrent(const CalculatorSettings& current, int scheme);
};

// What the window must do after the choice has been written.
struct OptionsOutcome {
    bool schemeChanged = false;     // rebuild the colour-dependent resources
    bool restart = false;           // a new calculator font or size: start again
    bool relayoutCaptions = false;  // only the shift-caption offset changed
};

// Apply on OK, in its order: the Display page's entries ("Display" "Decimals", "Format", "Font",
// "Colors" "Preset"), then each folder that differs from the current one, then the View page:
// a picked font or size that differs restarts the program ("View" "FontSize" as "%d", "Font",
// "Font Offset"); otherwise a different offset alone is written and re-lays the captions.
// `current` takes every value that was written. The scheme's colours are the window's to apply.
OptionsOutcome ApplyOptions(const OptionsChoice& choice, int currentScheme,
                            CalculatorSettings& current, SettingsStore& store);

}  // namespace zyk
