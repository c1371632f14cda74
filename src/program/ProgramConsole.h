#pragma once

#include <string>
#include <string_view>

namespace zyk {

// What a running program reaches of the calculator: its two display lines, its evaluator and
// its keys. The calculator core implements it; the interpreter knows nothing else of it.
class ProgramConsole {
public:
    struct Evaluation {
        bool ok = false;
        std::string text;  // the formatted answer (no "= "), or the evaluator's error text
    };

    virtual ~ProgramConsole() = default;

    // editing: the editing flag of the line (1 for ordinary output, 0 when a run stops on an
    // error).
    virtual void SetExpressionLine(std::string_view text, bool editing) = 0;
    virtual void SetResultLine(std::string_view text, bool editing) = 0;
    // The line a run stops with on an error, on the result line with the editing flag off.
    virtual void ShowErrorLine(std::string_view text) = 0;

    // Evaluates a text with the calculator's evaluator and formats the answer the way the
    // calculator offers it to programs ("%.10g" / "%.10e" / engineering with ten decimals).
    // During one Step of the interpreter the same text must get the same answer: the
    // interpreter keeps answers for the texts a loop evaluates again (never errors).
    virtual Evaluation EvaluateText(std::string_view expression) = 0;

    // The expression line's text, a leading '-' turned into the negation sign; clears the
    // memory-select flag. False when the line is empty.
    virtual bool ReadExpressionLine(std::string& text) = 0;

    // From EnterProgramMode on, EXE and AC of the calculator go to the interpreter (mode 424).
    virtual void EnterProgramMode() = 0;
    virtual void LeaveProgramMode() = 0;
};

}  // namespace zyk
