#include "console/ConsoleOptions.h"

#include <array>
#include <charconv>

namespace zyk {
namespace {

constexpr int kMaxDecimals = 15;
constexpr const char* kOnlyOneCommand =
    "only one of --eval, --keys, --run, --convert, --stats, --regression and --screenshot may "
    "be given";
// About eleven days: a limit beyond it is no limit a script needs.
constexpr double kMostSeconds = 1e6;

bool OneOf(const std::string& value, std::initializer_list<const char*> choices) {
    for (const char* choice : choices) {
        if (value == choice) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string UsageText() {
    return "Usage: zykcalc [OPTION]...\n"
           "Without a command, opens the calculator window.\n"
           "\n"
           "Commands:\n"
           "  --eval TEXT          type TEXT into a fresh calculator, press EXE, print the result "
           "line\n"
           "  --eval -             the same for each line of standard input, in one calculator\n"
           "  --keys \"KEY KEY..\"   press keys and menu items, print the expression and result "
           "lines\n"
           "  --run FILE.bas       run a program with the terminal as its console\n"
           "  --max-seconds S      with --run: stop the program after S seconds\n"
           "  --convert VALUE FROM TO\n"
           "                       convert VALUE between two units of one group (names or marks)\n"
           "                       and print the converter's result lines\n"
           "  --convert --list     list the converter's groups and units\n"
           "  --stats FILE.ssd     load a value file and print the seven lines of Calculate\n"
           "  --regression MODEL FILE.slr\n"
           "                       fit a pair file (MODEL linear, logarithmic, exponential or\n"
           "                       power) and print the six result lines\n"
           "  --screenshot DIR     render every window to PNG files in DIR (no display needed)\n"
           "  --startup-time       open the window, print the time to its first paint, close\n"
           "  --help               show this text\n"
           "  --version            show the version\n"
           "\n"
           "Options:\n"
           "  --base dec|hex|bin                     number base (--eval, --keys)\n"
           "  --angle deg|rad                        angle mode\n"
           "  --format normal|scientific|engineering answer format (default: from the settings)\n"
           "  --decimals N                           maximum decimals, 0-15 (default: from the "
           "settings)\n"
           "  --data-dir DIR                         keep settings and data files in DIR\n"
           "\n"
           "Exit status: 0 answer, 1 error text (a program stopped on an error, a failed\n"
           "conversion, a data pair without ';'), 2 usage error (also an unknown unit, units of\n"
           "two groups, an unknown regression model, a file that cannot be read),\n"
           "3 a program asked for input after standard input ended, 4 --max-seconds passed.\n";
}

ParsedOptions ParseConsoleOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    ConsoleOptions& options = parsed.options;
    auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    auto setCommand = [&options](ConsoleOptions::Command command, std::string argument) {
        if (options.command != ConsoleOptions::Command::None) {
            return false;
        }
        options.command = command;
        options.argument = std::move(argument);
        return true;
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const auto needsValue = [&]() { return "option " + arg + " needs a value"; };

        if (arg == "--help" || arg == "-h") {
            options.command = ConsoleOptions::Command::Help;
            return parsed;
        }
        if (arg == "--version") {
            options.command = ConsoleOptions::Command::Version;
            return parsed;
        }
        if (arg == "--convert") {
            if (hasValue && arguments[i + 1] == "--list") {
                if (!setCommand(ConsoleOptions::Command::ConvertList, {})) {
                    return fail(kOnlyOneCommand);
                }
                ++i;
                continue;
            }
            if (i + 3 >= arguments.size()) {
                return fail("--convert needs VALUE FROM TO (or --list)");
            }
            if (!setCommand(ConsoleOptions::Command::Convert, arguments[i + 1])) {
                return fail(kOnlyOneCommand);
            }
            options.convertFrom = arguments[i + 2];
            options.convertTo = arguments[i + 3];
            i += 3;
            continue;
        }
        if (arg == "--regression") {
            if (i + 2 >= arguments.size()) {
                return fail("--regression needs MODEL FILE");
            }
            if (!setCommand(ConsoleOptions::Command::Regression, arguments[i + 2])) {
                return fail(kOnlyOneCommand);
            }
            options.model = arguments[i + 1];
            i += 2;
            continue;
        }
        static const std::array<std::pair<const char*, ConsoleOptions::Command>, 5> kCommands = {{
            {"--eval", ConsoleOptions::Command::Eval},
            {"--stats", ConsoleOptions::Command::Stats},
            {"--keys", ConsoleOptions::Command::Keys},
            {"--run", ConsoleOptions::Command::Run},
            {"--screenshot", ConsoleOptions::Command::Screenshot},
        }};
        bool matched = false;
        for (const auto& [name, command] : kCommands) {
            if (arg == name) {
                if (!hasValue) {
                    return fail(needsValue());
                }
                if (!setCommand(command, arguments[++i])) {
                    return fail(kOnlyOneCommand);
                }
                matched = true;
            }
        }
        if (matched) {
            continue;
        }
        if (arg == "--startup-time") {
            options.startupTime = true;
            continue;
        }
        if (arg == "--base" || arg == "--angle" || arg == "--format" || arg == "--decimals" ||
            arg == "--data-dir" || arg == "--max-seconds") {
            if (!hasValue) {
                return fail(needsValue());
            }
            const std::string& value = arguments[++i];
            if (arg == "--base") {
                if (!OneOf(value, {"dec", "hex", "bin"})) {
                    return fail("--base takes dec, hex or bin, not '" + value + "'");
                }
                options.base = value;
            } else if (arg == "--angle") {
                if (!OneOf(value, {"deg", "rad"})) {
                    return fail("--angle takes deg or rad, not '" + value + "'");
                }
                options.angle = value;
            } else if (arg == "--format") {
                if (!OneOf(value, {"normal", "scientific", "engineering"})) {
                    return fail("--format takes normal, scientific or engineering, not '" + value +
                                "'");
                }
                options.format = value;
            } else if (arg == "--decimals") {
                int number = -1;
                const auto [end, ec] =
                    std::from_chars(value.data(), value.data() + value.size(), number);
                if (ec != std::errc() || end != value.data() + value.size() || number < 0 ||
                    number > kMaxDecimals) {
                    return fail("--decimals takes a whole number from 0 to 15, not '" + value +
                                "'");
                }
                options.decimals = number;
            } else if (arg == "--max-seconds") {
                double seconds = 0.0;
                const auto [end, ec] =
                    std::from_chars(value.data(), value.data() + value.size(), seconds);
                if (ec != std::errc() || end != value.data() + value.size() || !(seconds > 0.0) ||
                    seconds > kMostSeconds) {
                    return fail("--max-seconds takes a number of seconds above 0, not '" + value +
                                "'");
                }
                options.maxSeconds = seconds;
            } else {
                if (value.empty()) {
                    return fail("--data-dir needs a folder");
                }
                options.dataDir = value;
            }
            continue;
        }
        return fail("unknown option '" + arg + "'");
    }
    if (options.startupTime && options.command != ConsoleOptions::Command::None) {
        return fail("--startup-time starts the window; it takes no command");
    }
    if (options.maxSeconds && options.command != ConsoleOptions::Command::Run) {
        return fail("--max-seconds works with --run only");
    }
    return parsed;
}

}  // namespace zyk
