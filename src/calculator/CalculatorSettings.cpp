#include "calculator/CalculatorSettings.h"

#include <cstdlib>

#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

namespace zyk {
namespace {

int ReadInt(const SettingsStore& store, const settings::IntEntry& entry) {
    return store.ReadInt(entry.section, entry.entry, entry.defaultValue);
}

std::string ReadText(const SettingsStore& store, const settings::TextEntry& entry) {
    return store.ReadText(entry.section, entry.entry, entry.defaultValue);
}

// An empty folder entry gets the program folder's sub-folder of the entry's own name, written
// back at once so that the other windows read the same folder.
std::string ReadFolder(SettingsStore& store, const settings::TextEntry& entry,
                       const std::filesystem::path& programFolder) {
    std::string folder = ReadText(store, entry);
    if (folder.empty()) {
        folder = (programFolder / std::string(entry.entry)).string();
        store.WriteText(entry.section, entry.entry, folder);
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
    s.viewFont = ReadText(store, settings::kViewFont);
    s.viewFontSize = std::atoi(ReadText(store, settings::kViewFontSize).c_str());
    s.fontOffset = ReadInt(store, settings::kViewFontOffset);
    s.maxDecimals = ValidDecimals(ReadInt(store, settings::kDisplayDecimals));
    s.format = ValidFormat(ReadInt(store, settings::kDisplayFormat));
    s.displayFont = ReadText(store, settings::kDisplayFont);
    s.left = ReadInt(store, settings::kLeft);
    s.top = ReadInt(store, settings::kTop);
    s.programsFolder = ReadFolder(store, settings::kFoldersPrograms, programFolder);
    s.statisticalFolder = ReadFolder(store, settings::kFoldersStatistical, programFolder);
    return s;
}

}  // namespace zyk
