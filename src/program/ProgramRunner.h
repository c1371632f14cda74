#pragma once

#include <chrono>
#include <cstdint>

#include "program/ProgramEditorAccess.h"
#include "program/ProgramHost.h"
#include "program/ProgramInterpreter.h"

namespace zyk {

// Runs the editor's program for a window: the interpreter in time slices, so that the window
// keeps painting while a program computes and AC can stop it. It is the calculator's program
// host: EXE and AC reach the interpreter through it, and every start (the Run button, EXE after
// an end or a stop) reads the program from the editor afresh.
//
// A window calls RunSlice from its event loop: again at once after Continue, after
// ProgramInterpreter::kInputEchoMilliseconds after Holding, and not before the next EXE or AC
// after anything else.
class ProgramRunner : public ProgramHost {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kSliceTime{10};
    // Lines run between two looks at the clock: far below a millisecond even for long lines.
    static constexpr std::int64_t kLinesBetweenClockReads = 16;

    ProgramRunner(ProgramConsole& console, ProgramEditorAccess& editor);

    // The Run button (and "Get Program..."): the editor's program from its first line, the
    // calculator in program mode.
    void Start();

    // ProgramHost, for the calculator's EXE, AC and CLR.
    void Run() override;
    bool IsWaiting() const override;
    bool HasEnded() const override;
    void Reset() override;
    bool IsComputing() const override;
    void Break() override;

    // Runs the program for about `budget` (at least a few lines) or until it stops for the user.
    StepStatus RunSlice(Clock::duration budget = kSliceTime);

    const ProgramInterpreter& Interpreter() const { return m_interpreter; }

private:
    void LoadProgram();
    void ShowStop();

    ProgramEditorAccess& m_editor;
    ProgramInterpreter m_interpreter;
    bool m_stopShown = false;
};

}  // namespace zyk
