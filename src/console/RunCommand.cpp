#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "calculator/Calculator.h"
#include "console/CalculatorOptions.h"
#include "console/ConsoleContext.h"
#include "console/ConsoleProgramConsole.h"
#include "console/RunTimeLimit.h"
#include "program/ProgramInterpreter.h"

namespace zyk {
namespace {

// Lines a time slice runs between looks at the run state; the console has no display to keep
// alive, so a slice is large.
constexpr std::int64_t kSliceLines = 1 << 20;

// The file's bytes as they are; nothing when it cannot be read.
std::optional<std::string> ReadProgramFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

// Runs a program file with the terminal as its console: print, input prompts, input echoes and
// the error line go to stdout, inputs come from stdin, nothing waits. An input after the end of
// stdin stops the run (a script would otherwise feed it zeros forever), and so does
// --max-seconds.
int RunProgramCommand(ConsoleContext& context) {
    const std::string& path = context.options.argument;
    const auto bytes = ReadProgramFile(path);
    if (!bytes) {
        return UsageError(context, "cannot read the program file '" + path + "'");
    }

    Calculator calculator(context.store, context.messages, context.programFolder);
    ApplyCalculatorOptions(calculator, context.options);
    ConsoleProgramConsole console(calculator, context.out, context.in);
    std::optional<RunTimeLimit> limit;
    if (context.options.maxSeconds) {
        limit.emplace(*context.options.maxSeconds, context.out, context.err);
    }
    ProgramInterpreter interpreter(console);
    interpreter.SetProgram(ProgramText::FromFileContents(ProgramText::DecodeFileBytes(*bytes)));
    interpreter.StartProgram();
    while (true) {
        switch (interpreter.Step(kSliceLines)) {
            case StepStatus::Continue:
            case StepStatus::Holding:
                break;
            case StepStatus::Waiting:
                if (console.InputEnded()) {
                    context.err << "zykcalc: the program asks for input, but standard input has "
                                   "ended\n";
                    return kExitInputEnded;
                }
                interpreter.Run();
                break;
            case StepStatus::Paused:
                interpreter.Run();
                break;
            case StepStatus::Failed:
                return kExitErrorText;
            case StepStatus::Ended:
            case StepStatus::Idle:
                return kExitAnswer;
        }
    }
}

}  // namespace zyk
