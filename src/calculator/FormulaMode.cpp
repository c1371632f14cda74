#include "calculator/FormulaMode.h"

#include <algorithm>
#include <cmath>

#include "calculator/CalculatorMessages.h"
#include "expression/NumberFormat.h"
#include "expression/ExpressionBytes.h"
#include "formulas/CFormulaSolver.h"
#include "formulas/FormulaMessages.h"

namespace zyk {
namespace {

// "[", 0x83, "]=": the left side of a formula written without one.
constexpr char kNoResultLeftSide[] = {'[', kNoResultVariable, ']', '=', '\0'};
constexpr std::size_t kLeftSideLength = 4;
constexpr int kResetSlots = 10;

bool IsVariableLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string WithoutBrackets(std::string_view text) {
    std::string display;
    for (const char c : text) {
        if (c != '[' && c != ']') {
            display += c;
        }
    }
    return display;
}

}  // namespace

FormulaMode::Preparation FormulaMode::Prepare(std::string_view text, bool resultLineEmpty,
                                              std::string& message) {
    const auto fail = [&](std::string_view why) {
        message.assign(why);
        m_evaluator.ClearVariables();
        return Preparation::Fault;
    };
    if (m_evaluator.CheckSyntax(text)) {
        return fail(m_evaluator.ErrorText());
    }
    if (text.size() < 2) {
        return Preparation::NotAFormula;
    }
    // A '[' at index 0 is the left side: the result, checked but never asked for. The left
    // side given to a formula without one holds the byte 0x83 instead of a letter.
    bool found = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '[') {
            continue;
        }
        const bool valid = i + 1 < text.size() && (IsVariableLetter(text[i + 1]) ||
                                                   (i == 0 && text[i + 1] == kNoResultVariable));
        if (!valid) {
            return fail(calculator_text::kNotAValidVariable);
        }
        if (i == 0) {
            i += 1;
            continue;
        }
        const std::string name(1, text[i + 1]);
        bool known = false;
        for (int k = 0; k < m_evaluator.VariableCount(); ++k) {
            known = known || m_evaluator.VariableName(k) == name;
        }
        if (!known) {
            m_evaluator.AddVariable(name);
        } else if (!resultLineEmpty) {
            return fail(calculator_text::kCouldNotGetVariables);
        }
        found = true;
        i += 1;  // with the loop's step: two characters further
    }
    if (!found) {
        return Preparation::NotAFormula;
    }
    const auto equals = std::count(text.begin(), text.end(), '=');
    if (equals > 1) {
        return fail(calculator_text::kTwoEqualsFormelError);
    }
    if (equals == 1 && (text.size() < 5 || text[0] != '[' || text[3] != '=')) {
        return fail(calculator_text::kFormelError);
    }
    m_formulaText =
        equals == 0 ? std::string(kNoResultLeftSide) + std::string(text) : std::string(text);
    m_workingText = m_formulaText.substr(kLeftSideLength);
    m_displayForm = WithoutBrackets(m_formulaText);
    m_special = false;
    m_specialNames.clear();
    m_promptIndex = 0;
    return Preparation::Prepared;
}

void FormulaMode::LoadSpecial(int index, std::string_view solverText,
                              const std::vector<std::string>& variableNames) {
    m_evaluator.ClearVariables();
    for (const auto& name : variableNames) {
        m_evaluator.AddVariable(name);
    }
    m_index = index;
    m_special = true;
    m_formulaText.clear();
    m_workingText.clear();
    m_displayForm.assign(solverText);
    m_specialNames = variableNames;
    m_promptIndex = 0;
}

void FormulaMode::Clear() {
    m_evaluator.ClearVariables();
    m_index = 0;
    m_special = false;
    m_formulaText.clear();
    m_workingText.clear();
    m_displayForm.clear();
    m_specialNames.clear();
    m_promptIndex = 0;
}

std::string FormulaMode::Prompt() const {
    return m_evaluator.VariableName(m_promptIndex) + "?";
}

void FormulaMode::RestartQuestions(bool resetValues) {
    if (resetValues) {
        for (int k = 0; k < std::min(kResetSlots, VariableCount()); ++k) {
            m_evaluator.SetVariableValue(k, 0.0);
        }
    }
    m_promptIndex = 0;
}

FormulaMode::Outcome FormulaMode::ReadValue(std::string typed) {
    double value = 0.0;
    if (!typed.empty()) {
        if (typed[0] == '-') {
            typed[0] = kNegationSign;
        }
        if (!m_evaluator.Evaluate(typed, value, 0)) {
            return {false, m_evaluator.ErrorText()};
        }
        if (!std::isfinite(value)) {
            return {false, std::string(calculator_text::kMaError)};
        }
    }
    m_evaluator.SetVariableValue(m_promptIndex, value);
    std::string echo = m_evaluator.VariableName(m_promptIndex) + "=" + FormatDouble("%.12g", value);
    ++m_promptIndex;
    return {true, std::move(echo)};
}

FormulaMode::Outcome FormulaMode::Run(AnswerFormat format, int maxDecimals) {
    m_promptIndex = VariableCount();
    if (m_special) {
        CFormulaSolver solver;
        for (int k = 0; k < std::min(VariableCount(), CFormulaSolver::kValueCount); ++k) {
            solver.SetValue(k, m_evaluator.VariableValue(k));
        }
        std::string text = solver.Solve(m_index);
        const bool ok = text != formula_text::kMaError;
        return {ok, std::move(text)};
    }
    double value = 0.0;
    if (!m_evaluator.Evaluate(m_workingText, value, 0)) {
        return {false, m_evaluator.ErrorText()};
    }
    const auto answer =
        AnswerFormatter::Format(value, m_evaluator.GetNumberBase(), format, maxDecimals);
    if (!answer) {
        return {false, std::string(calculator_text::kMaError)};
    }
    return {true, m_displayForm.substr(0, 2) + *answer};
}

}  // namespace zyk
