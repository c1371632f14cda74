#include <istream>
#include <ostream>

#include "calculator/Calculator.h"
#include "charset/Windows1252.h"
#include "console/CalculatorOptions.h"
#include "console/ConsoleContext.h"
#include "console/LineEvaluator.h"

namespace zyk {

namespace {

// Output is written in blocks of about this size, and whenever the input has nothing more
// buffered, so that a user typing lines sees each answer at once.
constexpr std::size_t kOutputBlock = 64 * 1024;

// --eval -: one calculator for every line of standard input, one output line per input line.
int RunEvalLines(ConsoleContext& context) {
    Calculator calculator(context.store, context.messages, context.programFolder);
    ApplyCalculatorOptions(calculator, context.options);
    LineEvaluator evaluator(calculator);
    std::string line;
    std::string output;
    bool anyError = false;
    while (std::getline(context.in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        anyError = evaluator.Evaluate(line, output) || anyError;
        output += '\n';
        if (output.size() >= kOutputBlock || context.in.rdbuf()->in_avail() <= 0) {
            context.out.write(output.data(), static_cast<std::streamsize>(output.size()));
            context.out.flush();
            output.clear();
        }
    }
    context.out.write(output.data(), static_cast<std::streamsize>(output.size()));
    context.out.flush();
    return anyError ? kExitErrorText : kExitAnswer;
}

}  // namespace

// Types the text into a fresh calculator as it stands (no normalising) and presses EXE.
int RunEvalCommand(ConsoleContext& context) {
    if (context.options.argument == kEvalFromInput) {
        return RunEvalLines(context);
    }
    const auto text = ConsoleInputText(context, context.options.argument);
    if (!text) {
        return kExitUsage;
    }
    Calculator calculator(context.store, context.messages, context.programFolder);
    ApplyCalculatorOptions(calculator, context.options);
    if (text->size() > ExpressionLine::kMaxLength) {
        return UsageError(context, "the text is longer than the calculator's 100000 characters");
    }
    if (text->empty()) {
        // EXE on an empty line only focuses it; the console reports what the evaluator says.
        context.out << calculator.EvaluateText({}).text << '\n';
        return kExitErrorText;
    }
    calculator.TypeText(*text);
    calculator.Execute(CalculatorCommand::Exe);
    context.out << windows1252::ToUtf8(calculator.ResultText()) << '\n';
    return calculator.ResultIsError() ? kExitErrorText : kExitAnswer;
}

}  // namespace zyk
