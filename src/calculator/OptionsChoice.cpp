#include "calculator/OptionsChoice.h"

#include "calculator/CalculatorSettings.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

namespace zyk {

OptionsChoice OptionsChoice::FromCurrent(const CalculatorSettings& current, int scheme) {
    OptionsChoice choice;
    choice.format = current.format;
    choice.maxDecimals = current.maxDecimals;
    choice.displayFont = current.displayFont;
    choice.scheme = scheme;
    choice.statisticalFolder = current.statisticalFolder;
    choice.programsFolder = current.programsFolder;
    choice.viewFont = current.viewFont;
    choice.viewFontSize = current.viewFontSize;
    choice.fontOffset = current.fontOffset;
    return choice;
}

OptionsOutcome ApplyOptions(const OptionsChoice& choice, int currentScheme,
                            CalculatorSettings& current, SettingsStore& store) {
    using namespace settings;
    OptionsOutcome outcome;
    current.displayFont = choice.displayFont;
    current.format = CalculatorSettings::ValidFormat(static_cast<int>(choice.format));
    current.maxDecimals = CalculatorSettings::ValidDecimals(choice.maxDecimals);
    outcome.schemeChanged = choice.scheme != currentScheme;
    store.Write(kDisplayDecimals, current.maxDecimals);
    store.Write(kDisplayFormat, static_cast<int>(current.format));
    store.Write(kDisplayFont, current.displayFont);
    store.Write(kColorsPreset, choice.scheme);

    if (choice.programsFolder != current.programsFolder) {
        current.programsFolder = choice.programsFolder;
        store.Write(kFoldersPrograms, current.programsFolder);
    }
    if (choice.statisticalFolder != current.statisticalFolder) {
        current.statisticalFolder = choice.statisticalFolder;
        store.Write(kFoldersStatistical, current.statisticalFolder);
    }

    if (choice.viewChanged &&
        (choice.viewFont != current.viewFont || choice.viewFontSize != current.viewFontSize)) {
        current.viewFont = choice.viewFont;
        current.viewFontSize = choice.viewFontSize;
        current.fontOffset = choice.fontOffset;
        store.Write(kViewFontSize, std::to_string(current.viewFontSize));
        store.Write(kViewFont, current.viewFont);
        store.Write(kViewFontOffset, current.fontOffset);
        outcome.restart = true;
    } else if (choice.fontOffset != current.fontOffset) {
        current.fontOffset = choice.fontOffset;
        store.Write(kViewFontOffset, current.fontOffset);
        outcome.relayoutCaptions = true;
    }
    return outcome;
}

}  // namespace zyk
