#include <benchmark/benchmark.h>

#include <string>

#include "calculator/BuiltInConstants.h"
#include "expression/ExpressionEvaluator.h"

namespace {

// The evaluator as the calculator holds it: the thirteen built-in constants.
void LoadConstants(zyk::ExpressionEvaluator& evaluator) {
    for (const auto& constant : zyk::kBuiltInConstants) {
        evaluator.SetConstant(constant.name, constant.value);
    }
}

void Run(benchmark::State& state, const std::string& text) {
    zyk::ExpressionEvaluator evaluator;
    LoadConstants(evaluator);
    double value = 0.0;
    if (!evaluator.Evaluate(text, value)) {
        state.SkipWithError(evaluator.ErrorText().c_str());
        return;
    }
    for (auto _ : state) {
        evaluator.Evaluate(text, value);
        benchmark::DoNotOptimize(value);
    }
    state.SetItemsProcessed(state.iterations());
}

void EvaluateArithmetic(benchmark::State& state) {
    Run(state, "1+2*3-4/5");
}

// Constants, functions, groups, powers, factorial and MOD in one line (0xB7 is the marker).
void EvaluateScientific(benchmark::State& state) {
    Run(state,
        "2{pi}\xB7sqrt(3^2+4^2)/(1+\xB7sin30)-\xB7ln(\xB7"
        "e^2)+5!%7");
}

}  // namespace

BENCHMARK(EvaluateArithmetic);
BENCHMARK(EvaluateScientific);
