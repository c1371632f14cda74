// The program language over any program text: the pre-run check, then runs on the calculator
// with a budget of lines and the same fixed answers to every input. A run ends, fails with an
// error line that names its line, or uses up its budget; a failing pre-run check stops the run
// at its line before anything runs; a second start of the same program shows the same.
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CountingMessages.h"
#include "FuzzCheck.h"
#include "FuzzVocabulary.h"
#include "InputParts.h"
#include "LibFuzzer.h"
#include "LineChecks.h"
#include "ScratchFolder.h"
#include "calculator/Calculator.h"
#include "program/PreRunCheck.h"
#include "program/ProgramInterpreter.h"
#include "shell/MemorySettingsStore.h"

namespace {

using namespace zyk;
using zyk::fuzz::Require;

constexpr std::size_t kMaxProgram = 4096;
// Lines one run may execute, in slices of this many, and the time it may take: a program may be
// slow (every statement within its own limits), but a single statement that takes longer than
// libFuzzer's timeout is reported.
constexpr std::int64_t kRunBudget = 4000;
constexpr std::int64_t kSlice = 64;
constexpr auto kRunTime = std::chrono::seconds(1);
// What every input is answered with, in turn.
constexpr std::string_view kAnswers[] = {"3", "-1.5", "0", "i*2"};

// The calculator as the program's console, recording what the result line shows and answering
// each input with the next fixed answer.
class AnsweringConsole : public ProgramConsole {
public:
    explicit AnsweringConsole(Calculator& calculator) : m_calculator(calculator) {}

    void SetExpressionLine(std::string_view text, bool editing) override {
        m_calculator.SetExpressionLine(text, editing);
    }
    void SetResultLine(std::string_view text, bool editing) override {
        m_calculator.SetResultLine(text, editing);
        if (!text.empty()) {
            shown.emplace_back(text);
        }
    }
    void ShowErrorLine(std::string_view text) override {
        m_calculator.ShowErrorLine(text);
        shown.emplace_back(text);
    }
    Evaluation EvaluateText(std::string_view expression) override {
        return m_calculator.EvaluateText(expression);
    }
    bool ReadExpressionLine(std::string& text) override {
        m_calculator.SetExpressionLine(kAnswers[m_nextAnswer++ % std::size(kAnswers)], true);
        return m_calculator.ReadExpressionLine(text);
    }
    void EnterProgramMode() override { m_calculator.EnterProgramMode(); }
    void LeaveProgramMode() override { m_calculator.LeaveProgramMode(); }

    void StartAgain() {
        shown.clear();
        m_nextAnswer = 0;
    }

    std::vector<std::string> shown;

private:
    Calculator& m_calculator;
    std::size_t m_nextAnswer = 0;
};

struct RunRecord {
    StepStatus status = StepStatus::Idle;
    std::vector<std::string> shown;
    std::string errorLine;
    std::uint64_t executedLines = 0;
};

bool Finished(StepStatus status) {
    return status == StepStatus::Ended || status == StepStatus::Failed;
}

// Steps until the run ends, fails or has used its budget, going on after every print and input.
RunRecord RunOnce(ProgramInterpreter& interpreter, AnsweringConsole& console) {
    const std::uint64_t before = interpreter.ExecutedLines();
    const auto deadline = std::chrono::steady_clock::now() + kRunTime;
    RunRecord record;
    while (interpreter.ExecutedLines() - before < kRunBudget &&
           std::chrono::steady_clock::now() < deadline) {
        record.status = interpreter.Step(kSlice);
        Require(interpreter.IfDepth() <= ProgramInterpreter::kMaxBlockDepth &&
                    interpreter.DoDepth() <= ProgramInterpreter::kMaxBlockDepth,
                "open blocks stay within their bound");
        if (record.status == StepStatus::Paused || record.status == StepStatus::Waiting) {
            interpreter.Run();
        } else if (record.status != StepStatus::Continue && record.status != StepStatus::Holding) {
            break;
        }
    }
    record.shown = console.shown;
    record.errorLine = interpreter.ErrorLine();
    record.executedLines = interpreter.ExecutedLines() - before;
    return record;
}

void CheckEnd(const RunRecord& run, const ProgramInterpreter& interpreter) {
    const ProgramText& program = interpreter.Program();
    if (run.status == StepStatus::Failed) {
        const int line = interpreter.FailedLine();
        Require(line >= 0 && line < std::max(1, program.LineCount()),
                "a failed run names one of its lines");
        const std::string numbered = std::string(program_messages::kErrorLineOpen) +
                                     std::to_string(line + 1) +
                                     std::string(program_messages::kErrorLineColon);
        Require(run.errorLine.rfind(numbered, 0) == 0,
                "the error line begins with the number of the failed line");
        Require(!run.shown.empty() && run.shown.back() == run.errorLine,
                "the error line is the last thing shown");
    } else if (run.status == StepStatus::Ended) {
        Require(run.errorLine.empty() && interpreter.FailedLine() == -1,
                "a run that ends has no error line");
    }
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    static const fuzz::StructureMutator mutator(fuzz::ProgramVocabulary(), LLVMFuzzerMutate);
    return mutator.Mutate(data, size, maxSize, seed);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    if (size > kMaxProgram) {
        return -1;
    }
    static fuzz::ScratchFolder folder;
    MemorySettingsStore store;
    fuzz::CountingMessages messages;
    Calculator calculator(store, messages, folder.Emptied());
    AnsweringConsole console(calculator);
    ProgramInterpreter interpreter(console);
    interpreter.SetProgram(ProgramText::FromFileContents(bytes));
    const auto preRunFailure = PreRunCheck::Check(interpreter.Program());

    const std::size_t writesBefore = store.WriteCount();
    interpreter.StartProgram();
    const RunRecord first = RunOnce(interpreter, console);
    CheckEnd(first, interpreter);
    if (preRunFailure) {
        Require(first.status == StepStatus::Failed && first.executedLines == 0 &&
                    interpreter.FailedLine() == preRunFailure->line,
                "a program that fails the pre-run check stops at its line before running");
        const std::string text = preRunFailure->error.shownText.value_or(
            std::string(interpreter.Program().Line(preRunFailure->line)));
        Require(first.errorLine ==
                    FormatErrorLine(preRunFailure->line, text, preRunFailure->error.message),
                "the error line shows the pre-run check's message");
    }
    fuzz::RequireLineSound(calculator);

    // EXE after the end starts the program again; nothing of the first run may be left over.
    if (!Finished(first.status) || store.WriteCount() != writesBefore) {
        return 0;
    }
    console.StartAgain();
    interpreter.Run();
    const RunRecord second = RunOnce(interpreter, console);
    CheckEnd(second, interpreter);
    if (!Finished(second.status) && second.executedLines < first.executedLines) {
        return 0;  // out of time on a busy machine
    }
    Require(second.status == first.status && second.shown == first.shown &&
                second.errorLine == first.errorLine && second.executedLines == first.executedLines,
            "a second start of the same program runs the same way");
    return 0;
}
