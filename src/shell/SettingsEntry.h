#pragma once

#include <string_view>

// One entry of the settings store with the default an absent entry reads as (the table of them
// is SettingsKeys.h).
namespace zyk::settings {

struct IntEntry {
    std::string_view section;
    std::string_view entry;
    int defaultValue;
};

struct TextEntry {
    std::string_view section;
    std::string_view entry;
    std::string_view defaultValue;
};

}  // namespace zyk::settings
