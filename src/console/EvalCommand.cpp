#include <ostream>

#include "calculator/Calculator.h"
#include "charset/Windows1252.h"
#include "console/CalculatorOptions.h"
#include "console/ConsoleContext.h"

namespace zyk {

// Types the text into a fresh calculator as it stands (no normalising) and presses EXE.
int RunEvalCommand(ConsoleContext& context) {
    const auto text = ConsoleInputText(context, context.options.argument);
    if (!text) {
        return kExitUsage;
    }
    Calculator calculator(context.store, context.messages, context.programFolder);
    ApplyCalculatorOptions(calculator, context.options);
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
