#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/AnswerFormatter.h"
#include "charset/Windows1252.h"
#include "expression/ExpressionBytes.h"
#include "expression/ExpressionEvaluator.h"
#include "program/ProgramConsole.h"
#include "program/ProgramInterpreter.h"

namespace zyk::test {

// The calculator's side of a run: the real evaluator with the program answer format (Normal, ten
// significant digits), the display lines, every non-empty result line in order (what the console
// prints), and answers to input queued beforehand.
class RecordingConsole : public ProgramConsole {
public:
    void SetExpressionLine(std::string_view text, bool editing) override {
        expressionLine = text;
        expressionEditing = editing;
    }
    void SetResultLine(std::string_view text, bool editing) override {
        resultLine = text;
        resultEditing = editing;
        resultIsError = false;
        if (!text.empty()) {
            shown.emplace_back(text);
        }
    }
    void ShowErrorLine(std::string_view text) override {
        SetResultLine(text, false);
        resultIsError = true;
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
        if (!answers.empty()) {
            expressionLine = answers.front();
            answers.pop_front();
        }
        text = expressionLine;
        if (!text.empty() && text.front() == '-') {
            text.front() = kNegationSign;
        }
        return !text.empty();
    }
    void EnterProgramMode() override { programMode = true; }
    void LeaveProgramMode() override { programMode = false; }

    std::string expressionLine, resultLine;
    bool expressionEditing = true, resultEditing = true, resultIsError = false, programMode = false;
    std::deque<std::string> answers;
    std::vector<std::string> shown;

private:
    ExpressionEvaluator m_evaluator;
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

inline std::string Bytes(std::string_view utf8) {
    const auto bytes = windows1252::FromUtf8(utf8);
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or(std::string());
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

// How a run ended: the result-line texts it showed (UTF-8), its last status and error line.
struct RunOutcome {
    std::vector<std::string> shown;
    StepStatus status = StepStatus::Idle;
    std::string errorLine;
};

// Runs the program as a terminal would: every print and input is answered at once. The program
// and the answers ("\n"-separated) are the calculator's bytes.
inline RunOutcome RunToEnd(std::string_view program, std::string_view answers = "") {
    RecordingConsole console;
    const std::vector<std::string> queued = Lines(answers);
    console.answers.assign(queued.begin(), queued.end());
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
    for (const std::string& line : console.shown) {
        outcome.shown.push_back(windows1252::ToUtf8(line));
    }
    outcome.errorLine = windows1252::ToUtf8(interpreter.ErrorLine());
    return outcome;
}

inline void ExpectRun(const ProgramCase& c) {
    const RunOutcome outcome = RunToEnd(Bytes(c.program), Bytes(c.answers));
    std::vector<std::string> expected = Lines(c.shown);
    if (!c.errorLine.empty()) {
        expected.push_back(c.errorLine);
    }
    EXPECT_EQ(outcome.shown, expected) << c.program;
    EXPECT_EQ(outcome.status, c.errorLine.empty() ? StepStatus::Ended : StepStatus::Failed)
        << c.program;
    EXPECT_EQ(outcome.errorLine, c.errorLine) << c.program;
}

inline void ExpectRuns(std::initializer_list<ProgramCase> cases) {
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

}  // namespace zyk::test
