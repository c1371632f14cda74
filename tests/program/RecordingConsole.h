#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/AnswerFormatter.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionBytes.h"
#include "expression/Windows1252.h"
#include "program/ProgramConsole.h"
#include "program/ProgramInterpreter.h"

namespace zyk::test {

// The calculator's side of a run: the real evaluator with the program answer format (Normal, ten
// significant digits), the display lines, every non-empty result line recorded in order (what
// the console prints), and answers to input queued beforehand.
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
        double value = 0.0;
        if (!m_evaluator.Evaluate(expression, value, 0)) {
            return {false, m_evaluator.ErrorText()};
        }
        const auto text = AnswerFormatter::Format(value, NumberBase::Decimal, AnswerFormat::Normal,
                                                  AnswerFormatter::kProgramDecimals);
        return text ? Evaluation{true, *text} : Evaluation{false, "Ma  ERROR"};
    }
    // The next queued answer replaces the line; without one the line is read as it stands.
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

private:
    ExpressionEvaluator m_evaluator;
    std::string m_expressionLine;
    std::string m_resultLine;
    bool m_expressionEditing = true;
    bool m_resultEditing = true;
    bool m_programMode = false;
    std::deque<std::string> m_answers;
    std::vector<std::string> m_shown;
};

// "a\nb" -> {"a", "b"}; "" -> {}.
inline std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

struct RunOutcome {
    std::vector<std::string> shown;  // result-line texts in order
    StepStatus status = StepStatus::Idle;
    std::string errorLine;
};

// Runs a program (lines separated by '\n') as a terminal would: every print and input is
// answered at once, inputs in order ("\n"-separated answers).
inline RunOutcome RunProgramText(std::string_view program, std::string_view answers = {}) {
    RecordingConsole console;
    for (std::string& answer : Lines(answers)) {
        console.QueueAnswer(std::move(answer));
    }
    ProgramInterpreter interpreter(console);
    interpreter.SetProgram(ProgramText::FromFileContents(program));
    interpreter.StartProgram();
    RunOutcome outcome;
    for (int round = 0; round < 100000; ++round) {  // a guard against a runaway broken build
        outcome.status = interpreter.Step(1000);
        if (outcome.status == StepStatus::Paused || outcome.status == StepStatus::Waiting) {
            interpreter.Run();
        } else if (outcome.status != StepStatus::Continue &&
                   outcome.status != StepStatus::Holding) {
            break;
        }
    }
    outcome.shown = console.Shown();
    outcome.errorLine = interpreter.ErrorLine();
    return outcome;
}

// A program, the result-line texts it shows ("\n"-separated), the error line it stops with
// (empty: it runs to its end) and the answers to its inputs ("\n"-separated). All in UTF-8 with
// the calculator's own characters ("−" for the negation sign, "·" for the function marker).
struct ProgramCase {
    std::string program;
    std::string shown = "";
    std::string errorLine = "";
    std::string answers = "";
};

inline std::string Bytes(std::string_view utf8) {
    const auto bytes = windows1252::FromUtf8(utf8);
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or(std::string());
}

inline void ExpectRun(const ProgramCase& c) {
    const RunOutcome outcome = RunProgramText(Bytes(c.program), Bytes(c.answers));
    std::vector<std::string> shown;
    for (const std::string& line : outcome.shown) {
        shown.push_back(windows1252::ToUtf8(line));
    }
    std::vector<std::string> expected = Lines(c.shown);
    if (!c.errorLine.empty()) {
        expected.push_back(c.errorLine);
    }
    EXPECT_EQ(shown, expected) << c.program;
    EXPECT_EQ(outcome.status, c.errorLine.empty() ? StepStatus::Ended : StepStatus::Failed)
        << c.program;
    EXPECT_EQ(windows1252::ToUtf8(outcome.errorLine), c.errorLine) << c.program;
}

}  // namespace zyk::test
