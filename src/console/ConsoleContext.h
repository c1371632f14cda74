#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "console/ConsoleMessages.h"
#include "console/ConsoleOptions.h"
#include "shell/SettingsStore.h"

namespace zyk {

// Everything a console command works with: its options, the settings store, the data folder and
// the three standard streams.
struct ConsoleContext {
    const ConsoleOptions& options;
    SettingsStore& store;
    std::filesystem::path programFolder;
    ConsoleMessages& messages;
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
};

// Exit statuses of the console commands.
inline constexpr int kExitAnswer = 0;
inline constexpr int kExitErrorText = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInputEnded = 3;  // --run: an input after standard input ended
inline constexpr int kExitTimeLimit = 4;   // --run: --max-seconds passed

// Reports a usage error ("zykcalc: " + message) on stderr and returns kExitUsage.
int UsageError(ConsoleContext& context, std::string_view message);

// The command line's UTF-8 text as the core's bytes; a character without a Windows-1252 byte is
// a usage error (reported, nothing returned).
std::optional<std::string> ConsoleInputText(ConsoleContext& context, std::string_view utf8);

int RunEvalCommand(ConsoleContext& context);
int RunKeysCommand(ConsoleContext& context);
int RunProgramCommand(ConsoleContext& context);
int RunConvertCommand(ConsoleContext& context);
int RunConvertListCommand(ConsoleContext& context);
int RunStatsCommand(ConsoleContext& context);
int RunRegressionCommand(ConsoleContext& context);

}  // namespace zyk
