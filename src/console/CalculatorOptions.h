#pragma once

namespace zyk {

class Calculator;
struct ConsoleOptions;

// Applies --base, --angle, --format and --decimals to a fresh calculator (unset options keep
// what the calculator read from the settings store).
void ApplyCalculatorOptions(Calculator& calculator, const ConsoleOptions& options);

}  // namespace zyk
