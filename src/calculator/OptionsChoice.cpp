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
    store.WriteInt(kDisplayDecimals.section, kDisplayDecimals.entry, current.maxDecimals);
    store.WriteInt(kDisplayFormat.section, kDisplayFormat.entry, static_cast<int>(current.format));
    store.WriteText(kDisplayFont.section, kDisplayFont.entry, current.displayFont);
    store.WriteInt(kColorsPreset.section, kColorsPreset.entry, choice.scheme);

    if (choice.programsFolder != current.programsFolder) {
        current.programsFolder = choice.programsFolder;
        store.WriteText(kFoldersPrograms.section, kFoldersPrograms.entry, current.programsFolder);
    }
    if (choice.statisticalFolder != current.statisticalFolder) {
        current.statisticalFolder = choice.statisticalFolder;
        store.WriteText(kFoldersStatistical.section, kFoldersStatistical.entry,
                        current.statisticalFolder);
    }

    if (choice.viewChanged &&
        (choice.viewFont != current.viewFont || choice.viewFontSize != current.viewFontSize)) {
        current.viewFont = choice.viewFont;
        current.viewFontSize = choice.viewFontSize;
        current.fontOffset = choice.fontOffset;
        store.WriteText(kViewFontSize.section, kViewFontSize.entry,
                        std::to_string(current.viewFontSize));
        store.WriteText(kViewFont.section, kViewFont.entry, current.viewFont);
        store.WriteInt(kViewFontOffset.section, kViewFontOffset.entry, current.fontOffset);
        outcome.restart = true;
    } else if (choice.fontOffset != current.fontOffset) {
        current.fontOffset = choice.fontOffset;
        store.WriteInt(kViewFontOffset.section, kViewFontOffset.entry, current.fontOffset);
        outcome.relayoutCaptions = true;
    }
    return outcome;
}

}  // namespace zyk
