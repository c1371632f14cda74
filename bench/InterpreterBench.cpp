#include <benchmark/benchmark.h>

#include <string>

#include "calculator/AnswerFormatter.h"
#include "expression/ExpressionEvaluator.h"
#include "program/ProgramConsole.h"
#include "program/ProgramInterpreter.h"

namespace {

// The calculator's side of a run without a display: its evaluator and the program answer format.
class SilentConsole : public zyk::ProgramConsole {
public:
    void SetExpressionLine(std::string_view, bool) override {}
    void SetResultLine(std::string_view, bool) override {}
    void ShowErrorLine(std::string_view) override {}
    Evaluation EvaluateText(std::string_view expression) override {
        double value = 0.0;
        if (!m_evaluator.Evaluate(expression, value, 0)) {
            return {false, m_evaluator.ErrorText()};
        }
        auto text =
            zyk::AnswerFormatter::Format(value, zyk::NumberBase::Decimal, zyk::AnswerFormat::Normal,
                                         zyk::AnswerFormatter::kProgramDecimals);
        return text ? Evaluation{true, std::move(*text)} : Evaluation{false, "Ma  ERROR"};
    }
    bool ReadExpressionLine(std::string& text) override {
        text.clear();
        return false;
    }
    void EnterProgramMode() override {}
    void LeaveProgramMode() override {}

private:
    zyk::ExpressionEvaluator m_evaluator;
};

constexpr const char* kLoop =
    "var i, s\n"
    "do while (i < 100000)\n"
    "  i = i+1\n"
    "  s = s+2\n"
    "loop\n";

// One run of the 100,000-iteration loop per benchmark iteration; items are executed lines.
void InterpretLoop(benchmark::State& state) {
    SilentConsole console;
    zyk::ProgramInterpreter interpreter(console);
    interpreter.SetProgram(zyk::ProgramText::FromFileContents(kLoop));
    for (auto _ : state) {
        interpreter.StartProgram();
        zyk::StepStatus status = zyk::StepStatus::Continue;
        while (status == zyk::StepStatus::Continue) {
            status = interpreter.Step(10000);
        }
        if (status != zyk::StepStatus::Ended) {
            state.SkipWithError("the loop did not run to its end");
            return;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(interpreter.ExecutedLines()));
}

}  // namespace

BENCHMARK(InterpretLoop)->Unit(benchmark::kMillisecond);
