#pragma once

namespace zyk {

// What the calculator needs of the program interpreter while it is in program mode (EXE mode
// 424): its EXE key resumes the program, AC may, and leaving program mode resets it.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;

    // EXE in program mode (and AC when the display does not show the end of a run and the
    // interpreter is not waiting): go on according to the run state.
    virtual void Run() = 0;
    // True while the program waits for an input (a value or a formula).
    virtual bool IsWaiting() const = 0;
    // True from the end of a run ("Hit [Exe] to run again!") until the next Run or Reset.
    virtual bool HasEnded() const = 0;
    // The calculator leaves program mode (CLR): forget the run, back to the first line.
    virtual void Reset() = 0;
    // True while the program computes between two of its stops (print, input, end, error): the
    // state in which EXE has nothing to answer.
    virtual bool IsComputing() const = 0;
    // AC (or CLR) while the program computes: stop it on the line it has reached, as an error
    // line does, so that EXE runs it again from the top.
    virtual void Break() = 0;
};

}  // namespace zyk
