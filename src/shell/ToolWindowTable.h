#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "shell/SettingsKeys.h"
#include "shell/ShellMessages.h"

// The four tool windows around the keypad, in the order they are created.
namespace zyk {

enum class ToolWindowKind { Converter, Constants, Statistics, Programming };

struct ToolWindowInfo {
    ToolWindowKind kind;
    std::string_view title;
    int menuId;
    std::string_view menuText;
    settings::IntEntry left;
    settings::IntEntry top;
    bool remembersSize;  // also writes right and bottom (the programming window)
    std::string_view allocationFailure;
    std::string_view creationFailure;
};

inline constexpr std::array<ToolWindowInfo, 4> kToolWindows = {{
    {ToolWindowKind::Converter, "Converter", 32856, "Converter...", settings::kConvertLeft,
     settings::kConvertTop, false, shell_text::kConverterAllocationFailed,
     shell_text::kConverterCreationFailed},
    {ToolWindowKind::Constants, "Handle your constants...", 32874, "Constants...",
     settings::kConstantsLeft, settings::kConstantsTop, false,
     shell_text::kConstantsAllocationFailed, shell_text::kConstantsCreationFailed},
    {ToolWindowKind::Statistics, "Statistic Calculations...", 32875, "Statistics...",
     settings::kStaticLeft, settings::kStaticTop, false, shell_text::kStatisticsAllocationFailed,
     shell_text::kStatisticsCreationFailed},
    {ToolWindowKind::Programming, "Programming", 32893, "Programming...",
     settings::kProgrammingLeft, settings::kProgrammingTop, true,
     shell_text::kProgrammingAllocationFailed, shell_text::kProgrammingCreationFailed},
}};

constexpr const ToolWindowInfo& ToolWindowInfoFor(ToolWindowKind kind) {
    return kToolWindows[static_cast<std::size_t>(kind)];
}

}  // namespace zyk
