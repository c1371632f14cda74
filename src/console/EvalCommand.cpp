#include <cstdlib>
#include <ostream>
#include <string>

#include "calculator/AnswerFormatter.h"
#include "calculator/BuiltInConstants.h"
#include "console/ConsoleContext.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/Windows1252.h"

namespace zyk {

int RunEvalCommand(ConsoleContext& context) {
    const auto text = ConsoleInputText(context, context.options.argument);
    if (!text) {
        return kExitUsage;
    }
    ExpressionEvaluator evaluator(&context.store);
    for (const auto& constant : kBuiltInConstants) {
        evaluator.SetConstant(constant.name, constant.value);
    }
    for (int digit = 0; digit <= 9; ++digit) {
        const std::string entry = std::to_string(digit);
        const std::string value = context.store.ReadText("User Constants", entry, "0");
        evaluator.SetMemory("M" + entry, std::atof(value.c_str()));
    }
    const auto& options = context.options;
    if (options.base == "hex") {
        evaluator.SetNumberBase(NumberBase::Hexadecimal);
    } else if (options.base == "bin") {
        evaluator.SetNumberBase(NumberBase::Binary);
    }
    evaluator.SetDegreeMode(options.angle != "rad");
    auto format = static_cast<AnswerFormat>(context.store.ReadInt("Display", "Format", 501));
    if (options.format) {
        format = *options.format == "scientific"    ? AnswerFormat::Scientific
                 : *options.format == "engineering" ? AnswerFormat::Engineering
                                                    : AnswerFormat::Normal;
    }
    const int decimals = options.decimals.value_or(context.store.ReadInt("Display", "Decimals", 10));

    double value = 0.0;
    std::string resultLine;
    int status = kExitAnswer;
    if (!evaluator.Evaluate(*text, value, 0)) {
        resultLine = evaluator.ErrorText();
        status = kExitErrorText;
    } else if (const auto answer =
                   AnswerFormatter::Format(value, evaluator.GetNumberBase(), format, decimals)) {
        resultLine = "= " + *answer;
    } else {
        resultLine = "Ma  ERROR";
        status = kExitErrorText;
    }
    context.out << windows1252::ToUtf8(resultLine) << '\n';
    return status;
}

}  // namespace zyk
