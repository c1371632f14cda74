#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/AnswerFormatter.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/SpecialBytes.h"
#include "program/ProgramConsole.h"
#include "program/ProgramInterpreter.h"

namespace zyk::test {

// The calculator's side of a program run for tests: the real evaluator with the program answer
// format (Normal, ten significant digits), display lines kept, every non-empty result line
// recorded in order (what the console would print), answers to input queued beforehand.
class RecordingConsole : public ProgramConsole {
public:
    void SetExpressionLine(std::string_view text, bool editing) override {
        m_expressionLine = text;
        m_expressionEditing = editing;
    }
    void SetResultLine(std::string_view text, bool editing) override {
        m_resultLine = text;
        m_resultEditing = editing;
        if (!text.empty()) {
            m_shown.emplace_back(text);
        }
    }
    Evaluation EvaluateText(std::string_view expression) override {
        ++m_evaluations;
        double value = 0.0;
        if (!m_evaluator.Evaluate(expression, value, 0)) {
            return {false, m_evaluator.ErrorText()};
        }
        const auto text = AnswerFormatter::Format(value, NumberBase::Decimal, AnswerFormat::Normal,
                                                  AnswerFormatter::kProgramDecimals);
        if (!text) {
            return {false, "Ma  ERROR"};
        }
        return {true, *text};
    }
    bool ReadExpressionLine(std::string& text) override {
        if (!m_answers.empty()) {
            m_expressionLine = m_answers.front();
            m_answers.pop_front();
        }
        text = m_expressionLine;
        if (!text.empty() && text.front() == '-') {
            text.front() = kNegationSign;
        }
        return !text.empty();
    }
    void EnterProgramMode() override { m_programMode = true; }
    void LeaveProgramMode() override { m_programMode = false; }

    void QueueAnswer(std::string answer) { m_answers.push_back(std::move(answer)); }
    const std::vector<std::string>& Shown() const { return m_shown; }
    const std::string& ExpressionLine() const { return m_expressionLine; }
    const std::string& ResultLine() const { return m_resultLine; }
    bool ResultEditing() const { return m_resultEditing; }
    bool ExpressionEditing() const { return m_expressionEditing; }
    bool InProgramMode() const { return m_programMode; }
    int Evaluations() const { return m_evaluations; }
    ExpressionEvaluator& Evaluator() { return m_evaluator; }

private:
    ExpressionEvaluator m_evaluator;
    std::string m_expressionLine;
    std::string m_resultLine;
    bool m_expressionEditing = true;
    bool m_resultEditing = true;
    bool m_programMode = false;
    int m_evaluations = 0;
    std::deque<std::string> m_answers;
    std::vector<std::string> m_shown;
};

// How a run went when every print and input is answered at once, as on a terminal.
struct RunOutcome {
    std::vector<std::string> shown;  // result-line texts in order
    StepStatus status = StepStatus::Idle;
    int failedLine = -1;
    std::string errorLine;
};

// Runs a program given as text (lines separated by '\n') to its end or first error, answering
// the inputs in order; an input with no answer left gets an empty line.
inline RunOutcome RunProgramText(std::string_view program,
                                 const std::vector<std::string>& answers = {}) {
    RecordingConsole console;
    for (const std::string& answer : answers) {
        console.QueueAnswer(answer);
    }
    ProgramInterpreter interpreter(console);
    interpreter.SetProgram(ProgramText::FromFileContents(program));
    interpreter.StartProgram();
    RunOutcome outcome;
    // A guard against a runaway program in a broken build: far more steps than any test needs.
    for (int round = 0; round < 100000; ++round) {
        outcome.status = interpreter.Step(1000);
        if (outcome.status == StepStatus::Paused || outcome.status == StepStatus::Waiting) {
            interpreter.Run();
        } else if (outcome.status != StepStatus::Continue &&
                   outcome.status != StepStatus::Holding) {
            break;
        }
    }
    outcome.shown = console.Shown();
    outcome.failedLine = interpreter.FailedLine();
    outcome.errorLine = interpreter.ErrorLine();
    return outcome;
}

// A program, the answers to its inputs, what it shows, and the error line it stops with (empty
// when it runs to its end).
struct ProgramCase {
    std::string program;
    std::vector<std::string> answers;
    std::vector<std::string> shown;  // the error line excluded
    std::string errorLine;
};

inline void ExpectRun(const ProgramCase& c) {
    const RunOutcome outcome = RunProgramText(c.program, c.answers);
    std::vector<std::string> expected = c.shown;
    if (!c.errorLine.empty()) {
        expected.push_back(c.errorLine);
    }
    EXPECT_EQ(outcome.shown, expected) << c.program;
    EXPECT_EQ(outcome.status, c.errorLine.empty() ? StepStatus::Ended : StepStatus::Failed)
        << c.program;
    EXPECT_EQ(outcome.errorLine, c.errorLine) << c.program;
}

// A number shown with the calculator minus (byte 0xAD).
inline std::string Neg(std::string_view digits) {
    return std::string(1, kNegationSign) + std::string(digits);
}

}  // namespace zyk::test
