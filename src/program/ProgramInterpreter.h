#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "program/ConditionEvaluator.h"
#include "program/ProgramConsole.h"
#include "program/ProgramData.h"
#include "program/ProgramError.h"
#include "program/ProgramEvaluator.h"
#include "program/ProgramHost.h"
#include "program/ProgramText.h"
#include "program/StatementForm.h"

namespace zyk {

enum class RunState : std::int32_t {
    Idle = 5501,
    Running = 5502,
    AwaitInput = 5503,
    AwaitFunction = 5504,
    Paused = 5505,
    Stopped = 5506,
};

// What Step stopped at.
enum class StepStatus {
    Continue,  // the budget is used up; call Step again
    Paused,    // a print shows its text; Run (EXE) goes on
    Waiting,   // an input waits for the expression line; Run (EXE) takes it
    Holding,   // an entered value is shown: wait kInputEchoMilliseconds, then call Step again
    Ended,     // "Hit [Exe] to run again!"; Run starts the program again
    Failed,    // stopped on an error line (FailedLine()); Run starts the program again
    Idle,      // nothing to run
};

// The program interpreter: a stepping state machine over the program's lines that uses the
// calculator's display as its console. Run performs what EXE does in each state; Step executes
// statements until the program prints, waits for input, ends, fails or has used its budget, so
// that a window can run it in time slices and the console can run it to the end.
class ProgramInterpreter : public ProgramHost {
public:
    static constexpr int kInputEchoMilliseconds = 1000;
    // Arrays beyond this size are refused, so a declaration cannot exhaust memory.
    static constexpr std::size_t kMaxArraySize = 100000;
    // Open if-blocks and loops beyond this depth stop the run (only a broken block structure in
    // an endless loop gets there).
    static constexpr std::size_t kMaxBlockDepth = 10000;
    // Single-line ifs nested in one line beyond this depth stop the run ("Nesting too deep!").
    static constexpr int kMaxSingleLineIfNesting = 64;

    explicit ProgramInterpreter(ProgramConsole& console);

    // The program to run (the editor's lines). Takes effect at the next start.
    void SetProgram(ProgramText program);
    const ProgramText& Program() const { return m_program; }

    // The Run button: Reset, Running, the calculator into program mode, then Run.
    void StartProgram();

    // ProgramHost: EXE in program mode, the waiting and ended tests, CLR, and AC while it
    // computes.
    void Run() override;
    bool IsWaiting() const override;
    bool HasEnded() const override;
    void Reset() override;
    bool IsComputing() const override;
    void Break() override;

    // The next Run starts the program from its first line (after StartProgram's Reset, an end
    // or a stop): the moment to hand it the program's present text.
    bool IsStartPending() const { return m_state == RunState::Running && m_startPending; }

    // Whether the answers kept from earlier Steps still hold: only a caller that let nothing
    // else happen since the last Step (the next part of one time slice) may keep them, as the
    // calculator's modes cannot have changed.
    enum class Answers { Forget, Keep };
    // Executes at most `budget` lines (at least one).
    StepStatus Step(std::int64_t budget, Answers answers = Answers::Forget);

    RunState State() const { return m_state; }
    // The line that runs next, or waits (print, input).
    int CurrentLine() const { return m_line; }
    // The line of the last stop on an error (the window selects it), -1 when there was none
    // since the last start. Reset keeps it, so that it survives the calculator leaving program
    // mode after an evaluator error.
    int FailedLine() const { return m_failedLine; }
    const std::string& ErrorLine() const { return m_errorLine; }

    const ProgramData& Data() const { return m_data; }
    std::size_t IfDepth() const { return m_ifStack.size(); }
    std::size_t DoDepth() const { return m_doStack.size(); }
    std::uint64_t ExecutedLines() const { return m_executedLines; }

private:
    struct LoopEntry {
        int line;             // the do line, or kLeavingLoop
        std::size_t ifDepth;  // if-blocks open when the loop was entered
    };
    enum class Hold { None, Pending, Shown };

    void StartRun();
    void FinishRun();
    void StopRun();
    void PrepareNextRun();
    void ClearRunData();
    bool Fail(std::string_view message);
    bool Fail(std::string_view message, std::string_view shown);
    void StoreInput();
    void StoreFormula();

    // The line's form, classified when the line first runs.
    StatementForm& FormOf(int line);
    // Which declared variable, array and function the form's first word names.
    void LookUpNames(StatementForm& form) const;
    void ExecuteStatement(StatementForm& form, bool singleLineIf);
    bool TryVariables(StatementForm& form);
    bool TryArrays(StatementForm& form);
    bool TryFunctions(const StatementForm& form);
    bool TryCommands(StatementForm& form);

    void DeclareVariables(std::string_view statement, std::size_t column);
    void AssignVariable(StatementForm& form);
    void DeclareArray(std::string_view statement, std::size_t column);
    void AssignElement(StatementForm& form);
    void DeclareFunctions(std::string_view statement, std::size_t column);
    void SetFormula(std::string_view statement, std::string_view name, std::size_t column);
    void Print(std::string_view statement, std::size_t column);
    void Input(std::string_view statement, std::size_t column);
    void If(StatementForm& form);
    void ElseIf(StatementForm& form);
    void Else();
    void End();
    void Do(StatementForm& form);
    void Loop();
    void Exit(std::string_view statement, std::size_t column);

    bool Condition(StatementForm& form, bool& holds);
    bool PushIf(int marker);
    void SkipIfBranch();
    void SkipToLoop();

    ProgramConsole& m_console;
    ProgramText m_program;
    std::vector<std::unique_ptr<StatementForm>> m_forms;  // by line
    ProgramData m_data;
    ProgramError m_error;
    ProgramEvaluator m_evaluator;
    ConditionEvaluator m_conditions;

    RunState m_state = RunState::Idle;
    bool m_startPending = true;
    StepStatus m_lastFinish = StepStatus::Idle;
    Hold m_hold = Hold::None;
    int m_line = 0;
    std::vector<int> m_ifStack;
    std::vector<LoopEntry> m_doStack;
    std::string m_pendingTarget;
    std::string m_errorLine;
    int m_failedLine = -1;
    std::uint64_t m_executedLines = 0;
    int m_singleLineIfDepth = 0;
};

}  // namespace zyk
