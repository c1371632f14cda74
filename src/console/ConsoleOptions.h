#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zyk {

// The --eval TEXT that reads the expressions from standard input, one per line.
inline constexpr std::string_view kEvalFromInput = "-";

// What the command line asked for. Texts are UTF-8 as typed.
struct ConsoleOptions {
    enum class Command {
        None,
        Eval,
        Keys,
        Run,
        Convert,
        ConvertList,
        Stats,
        Regression,
        Help,
        Version,
        Screenshot
    };

    Command command = Command::None;
    std::string argument;     // TEXT of --eval, KEYS of --keys, FILE of --run, --stats and
                              // --regression, DIR of --screenshot, VALUE of --convert
    std::string convertFrom;  // FROM and TO of --convert
    std::string convertTo;
    std::string model;  // MODEL of --regression

    std::optional<std::string> base;    // "dec", "hex", "bin"
    std::optional<std::string> angle;   // "deg", "rad"
    std::optional<std::string> format;  // "normal", "scientific", "engineering"
    std::optional<int> decimals;        // 0-15
    std::optional<double> maxSeconds;   // --run stops after this long
    std::string dataDir;
    bool startupTime = false;  // the window prints its time to first paint and closes

    bool IsConsoleCommand() const {
        return command == Command::Eval || command == Command::Keys || command == Command::Run ||
               command == Command::Convert || command == Command::ConvertList ||
               command == Command::Stats || command == Command::Regression ||
               command == Command::Help || command == Command::Version;
    }
};

struct ParsedOptions {
    ConsoleOptions options;
    std::string error;  // a usage error's message; empty when the line parsed
};

ParsedOptions ParseConsoleOptions(const std::vector<std::string>& arguments);

// The usage text printed by --help and after a usage error.
std::string UsageText();

}  // namespace zyk
