#include "console/CalculatorOptions.h"

#include "calculator/Calculator.h"
#include "console/ConsoleOptions.h"

namespace zyk {

void ApplyCalculatorOptions(Calculator& calculator, const ConsoleOptions& options) {
    if (options.base == "hex") {
        calculator.SetNumberBase(NumberBase::Hexadecimal);
    } else if (options.base == "bin") {
        calculator.SetNumberBase(NumberBase::Binary);
    }
    if (options.angle == "rad") {
        calculator.SetDegreeMode(false);
    }
    if (options.format) {
        calculator.SetAnswerFormat(*options.format == "scientific"    ? AnswerFormat::Scientific
                                   : *options.format == "engineering" ? AnswerFormat::Engineering
                                                                      : AnswerFormat::Normal);
    }
    if (options.decimals) {
        calculator.SetMaxDecimals(*options.decimals);
    }
}

}  // namespace zyk
