#include <iostream>
#include <string>
#include <vector>

#include "console/ConsoleFrontEnd.h"
#include "console/ConsoleOptions.h"

#ifdef ZYK_HAVE_APP
#include "app/Application.h"
#endif

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const zyk::ParsedOptions parsed = zyk::ParseConsoleOptions(arguments);
    if (!parsed.error.empty()) {
        std::cerr << "zykcalc: " << parsed.error << "\n"
                  << "Try 'zykcalc --help' for more information.\n";
        return 2;
    }
    if (parsed.options.IsConsoleCommand()) {
        if (parsed.options.command == zyk::ConsoleOptions::Command::Eval &&
            parsed.options.argument == zyk::kEvalFromInput) {
            // Lines are read and written in blocks, not through the C streams one by one.
            std::ios::sync_with_stdio(false);
            std::cin.tie(nullptr);
        }
        return zyk::RunConsole(parsed.options, std::cout, std::cerr, std::cin);
    }
#ifdef ZYK_HAVE_APP
    return zyk::RunApplication(argc, argv, parsed.options);
#else
    std::cerr << zyk::UsageText();
    return 2;
#endif
}
