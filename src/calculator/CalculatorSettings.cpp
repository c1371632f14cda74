#include "calculator/CalculatorSettings.h"

#include <cstdlib>

#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

namespace zyk {
namespace {

// An empty folder entry gets the program folder's sub-folder of the entry's own name, written
// back at once so that the other windows read the same folder.
std::string ReadFolder(SettingsStore& store, const settings::TextEntry& entry,
                       const std::filesystem::path& programFolder) {
    std::string folder = store.Read(entry);
    if (folder.empty()) {
        folder = (programFolder / std::string(entry.entry)).string();
        store.Write(entry, folder);
    }
    return folder;
}

}  // namespace

AnswerFormat CalculatorSettings::ValidFormat(int code) {
    switch (code) {
        case static_cast<int>(AnswerFormat::Scientific):
            return AnswerFormat::Scientific;
        case static_cast<int>(AnswerFormat::Engineering):
            return AnswerFormat::Engineering;
        default:
            return AnswerFormat::Normal;
    }
}

int CalculatorSettings::ValidDecimals(int decimals) {
    if (decimals < kMinDecimals || decimals > kMaxDecimals) {
        return settings::kDisplayDecimals.defaultValue;
    }
    return decimals;
}

CalculatorSettings CalculatorSettings::Read(SettingsStore& store,
                                            const std::filesystem::path& programFolder) {
    CalculatorSettings s;
    s.viewFont = store.Read(settings::kViewFont);
    s.viewFontSize = std::atoi(store.Read(settings::kViewFontSize).c_str());
    s.fontOffset = store.Read(settings::kViewFontOffset);
    s.maxDecimals = ValidDecimals(store.Read(settings::kDisplayDecimals));
    s.format = ValidFormat(store.Read(settings::kDisplayFormat));
    s.displayFont = store.Read(settings::kDisplayFont);
    s.left = store.Read(settings::kLeft);
    s.top = store.Read(settings::kTop);
    s.programsFolder = ReadFolder(store, settings::kFoldersPrograms, programFolder);
    s.statisticalFolder = ReadFolder(store, settings::kFoldersStatistical, programFolder);
    return s;
}

}  // namespace zyk
