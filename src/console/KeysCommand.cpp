#include <ostream>

#include "calculator/Calculator.h"
#include "calculator/KeyScript.h"
#include "calculator/ScriptMessages.h"
#include "charset/Windows1252.h"
#include "console/CalculatorOptions.h"
#include "console/ConsoleContext.h"

namespace zyk {

// Presses the named keys on a fresh calculator and prints its expression line and result line.
int RunKeysCommand(ConsoleContext& context) {
    const auto script = ConsoleInputText(context, context.options.argument);
    if (!script) {
        return kExitUsage;
    }
    const ParsedKeyScript parsed = ParseKeyScript(*script);
    if (!parsed.error.empty()) {
        return UsageError(context, windows1252::ToUtf8(parsed.error));
    }
    ScriptMessages messages(context.messages);
    Calculator calculator(context.store, messages, context.programFolder);
    ApplyCalculatorOptions(calculator, context.options);
    const std::string problem = RunKeyScript(calculator, parsed.keys, messages);
    if (!problem.empty()) {
        return UsageError(context, windows1252::ToUtf8(problem));
    }
    context.out << windows1252::ToUtf8(calculator.ExpressionText()) << '\n'
                << windows1252::ToUtf8(calculator.ResultText()) << '\n';
    // A failed formula save has shown its message on stderr; the run did not do what it asked.
    return calculator.ResultIsError() || calculator.SaveFailed() ? kExitErrorText : kExitAnswer;
}

}  // namespace zyk
