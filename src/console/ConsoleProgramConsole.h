#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "program/ProgramConsole.h"

namespace zyk {

// The terminal as a program's console: every text the result line shows is written to the
// output as one UTF-8 line, and the expression line read for an input is the next line of the
// input stream. Evaluation and the display state stay with the calculator underneath.
class ConsoleProgramConsole : public ProgramConsole {
public:
    ConsoleProgramConsole(ProgramConsole& calculator, std::ostream& out, std::istream& in)
        : m_calculator(calculator), m_out(out), m_in(in) {}

    void SetExpressionLine(std::string_view text, bool editing) override;
    void SetResultLine(std::string_view text, bool editing) override;
    void ShowErrorLine(std::string_view text) override;
    Evaluation EvaluateText(std::string_view expression) override;
    bool ReadExpressionLine(std::string& text) override;
    void EnterProgramMode() override;
    void LeaveProgramMode() override;

    // True when the input stream has nothing more to read (waits for a line on a terminal).
    bool InputEnded() const;

private:
    // A result-line text as one line of output.
    void Print(std::string_view text);

    ProgramConsole& m_calculator;
    std::ostream& m_out;
    std::istream& m_in;
};

}  // namespace zyk
