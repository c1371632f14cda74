#pragma once

#include <filesystem>

#include "calculator/OptionsChoice.h"
#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"
#include "shell/ui/FontCatalogue.h"

namespace zyk {

// What the Options dialog's pages share while it is open: the choice they edit (taken on OK),
// the font families (read once, by the first page that needs them), the messages and the store
// whose scheme colours the pages wear.
struct OptionsPageData {
    OptionsChoice& choice;
    FontCatalogue& fonts;
    UserMessages& messages;
    // The folder picker's messages; nullptr: boxes over the picker itself.
    UserMessages* pickerMessages;
    const SettingsStore& store;
    // What an empty folder setting shows.
    std::filesystem::path programFolder;
};

}  // namespace zyk
