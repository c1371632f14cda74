#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "calculator/Calculator.h"
#include "console/ConsoleMessages.h"
#include "console/LineEvaluator.h"
#include "shell/MemorySettingsStore.h"

namespace {

// Short arithmetic lines of the four kinds that bench/evallines/measure.sh feeds to
// zykcalc --eval - and to bc -l.
std::vector<std::string> ShortLines(std::size_t count) {
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string a = std::to_string(1 + i * 37 % 999);
        const std::string b = std::to_string(1 + i * 11 % 99);
        const std::string c = std::to_string(1 + i % 9);
        switch (i % 4) {
            case 0:
                lines.push_back(a + "+" + b + "*" + c);
                break;
            case 1:
                lines.push_back("(" + a + "-" + b + ")/" + c);
                break;
            case 2:
                lines.push_back(a + "." + b + "*" + c + "-" + b);
                break;
            default:
                lines.push_back(a + "/" + b + "+" + c);
                break;
        }
    }
    return lines;
}

// Lines through one calculator as --eval - types them, without the process's input and output;
// items are lines.
void EvaluateShortLines(benchmark::State& state) {
    zyk::MemorySettingsStore store;
    zyk::ConsoleMessages messages(std::cerr);
    zyk::Calculator calculator(store, messages, std::filesystem::temp_directory_path());
    zyk::LineEvaluator evaluator(calculator);
    const std::vector<std::string> lines = ShortLines(4096);
    std::string output;
    std::size_t next = 0;
    for (auto _ : state) {
        output.clear();
        if (evaluator.Evaluate(lines[next], output)) {
            state.SkipWithError(("an error text: " + output).c_str());
            return;
        }
        benchmark::DoNotOptimize(output.data());
        next = (next + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(EvaluateShortLines);
