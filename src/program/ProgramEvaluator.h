#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "program/AnswerCache.h"
#include "program/BuiltInFunctions.h"
#include "program/ProgramConsole.h"
#include "program/ProgramData.h"
#include "program/ProgramError.h"
#include "program/SubstitutionTemplate.h"

namespace zyk {

class TextRebuilder;

// Turns a program expression into the calculator's expression text and has the calculator
// evaluate it: array elements, user-function calls, the interpreter's functions and variables
// are replaced by text, program function names are mapped onto the calculator's tokens, blanks
// are removed and every character is checked. Values are the calculator's answer texts.
class ProgramEvaluator {
public:
    // What a substitution replaces.
    enum Substitution : unsigned {
        kVariables = 1u << 0,
        kArrays = 1u << 1,
        kUserCalls = 1u << 2,
        kBuiltIns = 1u << 3,  // the interpreter's functions and the mapped names
        kEverything = kVariables | kArrays | kUserCalls | kBuiltIns,
    };

    // Failures are written to `error`, which the interpreter owns.
    ProgramEvaluator(ProgramData& data, ProgramConsole& console, ProgramError& error)
        : m_data(data), m_console(console), m_error(error) {}

    // result: the answer text, a leading '-' turned into the negation sign.
    bool Evaluate(std::string_view expression, unsigned substitution, std::string& result);
    // The same for a text of the program that has its substitution template (made for the
    // same stages).
    bool Evaluate(std::string_view expression, unsigned substitution, std::string& result,
                  SubstitutionTemplate& plan);

    // The calculator's evaluation of a finished text: true with its answer, false with its
    // error text. Answers are kept for the texts that come again, until ForgetAnswers.
    bool Calculate(std::string_view text, std::string& answer);
    // From now on the calculator's modes may change (the program stopped running for a while).
    void ForgetAnswers() { m_answers.Clear(); }

    // The substitution step alone, in place (blanks stay).
    bool Substitute(std::string& text, unsigned substitution);
    // The same, through the text's template where it applies; `text` is the plan's text.
    bool Substitute(std::string& text, unsigned substitution, SubstitutionTemplate& plan);

    // Deeper nesting of calls inside arguments is refused, so a hostile line cannot exhaust
    // the stack.
    static constexpr int kMaxNesting = 64;
    // A substitution that makes a text longer than this stops the run ("Text too long!"):
    // values that name other values could otherwise grow a text exponentially.
    static constexpr std::size_t kMaxTextLength = 100000;
    // Evaluations one statement may start ("Too much to calculate!"): functions that call
    // each other twice per level would otherwise take exponential time.
    static constexpr int kMaxEvaluationsPerStatement = 100000;

    // A new statement starts: its evaluations are counted from zero.
    void StartStatement() { m_evaluations = 0; }

private:
    bool Fail(std::string_view message, std::optional<std::string> shown = std::nullopt,
              bool fromEvaluator = false);
    bool Finish(std::string& text, std::string& result);
    bool SubstituteUserCalls(std::string& text);
    bool SubstituteElements(std::string& text);
    bool SubstituteInterpreterFunctions(std::string& text);
    bool SubstituteVariables(std::string& text);
    // Takes the rebuilt text when it replaced something; false when it grew past the limit.
    bool TakeRebuilt(TextRebuilder& rebuilt, std::string& text);
    bool CallUserFunction(const UserFunction& function, std::string_view argument,
                          std::string& result);
    bool CallInterpreterFunction(const InterpreterFunctionEntry& entry, std::string_view argument,
                                 std::string& result);
    bool ArrayFunction(InterpreterFunction function, std::string_view argument,
                       std::string& result);
    bool EvaluateNumber(std::string_view expression, double& value);
    bool CheckCharacters(const std::string& text);

    ProgramData& m_data;
    ProgramConsole& m_console;
    ProgramError& m_error;
    int m_depth = 0;
    int m_evaluations = 0;
    AnswerCache m_answers;
};

}  // namespace zyk
