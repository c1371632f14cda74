// Formula mode on the calculator's display: preparing, asking, running, the library hand-over,
// Edit Formula, Save and Save As.
#include <algorithm>

#include "calculator/Calculator.h"
#include "calculator/CalculatorMessages.h"
#include "formulas/BuiltInFormulas.h"
#include "formulas/CUserFormulaFile.h"
#include "program/ProgramHost.h"
#include "shell/UserMessages.h"

namespace zyk {

namespace text = calculator_text;

FormulaMode::Preparation Calculator::Prepare(std::string_view formula) {
    std::string message;
    const auto preparation = m_formula.Prepare(formula, m_resultText.empty(), message);
    switch (preparation) {
        case FormulaMode::Preparation::Fault:
            m_exeMode = ExeMode::Calculating;
            ShowResult(message, true);
            break;
        case FormulaMode::Preparation::Prepared:
            m_exeMode = ExeMode::Formula;
            AskVariable();
            break;
        case FormulaMode::Preparation::NotAFormula:
            break;
    }
    return preparation;
}

void Calculator::AskVariable() {
    ShowExpression(m_formula.DisplayForm());
    m_lineShowsFormula = true;
    ShowResult(m_formula.Prompt(), false);
}

std::string Calculator::TypedFormulaInput() const {
    return m_lineShowsFormula ? std::string() : m_line.Text();
}

void Calculator::FormulaExe() {
    if (m_formula.AllGiven()) {
        m_formula.RestartQuestions(true);
        AskVariable();
        return;
    }
    const auto reading = m_formula.ReadValue(TypedFormulaInput());
    if (!reading.ok) {
        // The typed text stays for correction; the next EXE reads the same variable again.
        ShowResult(reading.text, true);
        return;
    }
    ShowResult(reading.text, false);
    if (m_formula.AllGiven()) {
        RunFormula();
    } else {
        AskVariable();
    }
}

void Calculator::RunFormula() {
    const auto answer = m_formula.Run(m_format, m_maxDecimals);
    ShowExpression(m_formula.DisplayForm(), false);
    m_lineShowsFormula = true;
    ShowResult(answer.text, !answer.ok, false);
}

void Calculator::LeaveFormulaMode() {
    m_formula.Clear();
    m_lineShowsFormula = false;
    if (IsFormulaLoaded()) {
        m_exeMode = ExeMode::Calculating;
    }
}

CurrentFormula Calculator::FormulaForLibrary() const {
    CurrentFormula formula;
    if (m_exeMode == ExeMode::SpecialFormula) {
        formula.index = m_formula.Index();
        formula.displayForm = m_formula.DisplayForm();
        formula.variableNames = m_formula.SpecialVariableNames();
        formula.variableCount = static_cast<int>(formula.variableNames.size());
    } else if (m_exeMode == ExeMode::Formula) {
        formula.index = m_formula.Index();
        formula.displayForm = m_formula.DisplayForm();
        formula.calculatorForm = m_formula.FormulaText();
    }
    return formula;
}

void Calculator::LoadFormula(const CurrentFormula& chosen) {
    if (m_memorySelect) {
        return;
    }
    if (m_exeMode == ExeMode::Program && m_programHost != nullptr) {
        m_programHost->Reset();
    }
    LeaveFormulaMode();
    m_exeMode = ExeMode::Calculating;
    // A fresh start: nothing left on the display may count as a pending answer or error.
    ClearDisplay();
    if (chosen.index <= kNoFormulaIndex) {
        return;
    }
    if (IsSpecialFormulaIndex(chosen.index)) {
        const auto count =
            std::clamp<std::size_t>(static_cast<std::size_t>(std::max(chosen.variableCount, 0)), 0,
                                    chosen.variableNames.size());
        const std::vector<std::string> names(
            chosen.variableNames.begin(),
            chosen.variableNames.begin() + static_cast<std::ptrdiff_t>(count));
        m_formula.LoadSpecial(chosen.index, chosen.displayForm, names);
        m_exeMode = ExeMode::SpecialFormula;
        AskVariable();
        return;
    }
    m_formula.SetIndex(chosen.index);
    const auto preparation = chosen.calculatorForm.empty() ? FormulaMode::Preparation::Fault
                                                           : Prepare(chosen.calculatorForm);
    if (preparation == FormulaMode::Preparation::NotAFormula) {
        // Nothing to ask: it is an ordinary expression and is calculated at once.
        m_formula.Clear();
        ShowExpression(chosen.calculatorForm);
        Calculate();
    } else if (preparation == FormulaMode::Preparation::Fault) {
        m_messages.ShowMessage(text::kCouldNotRunFormula, text::kFormulaErrorCaption,
                               MessageIcon::Error, MessageButtons::Ok);
        LeaveFormulaMode();
    }
}

void Calculator::EditFormula() {
    m_exeMode = ExeMode::Calculating;
    ShowExpression(m_formula.FormulaText());
    ShowResult({}, false);
}

void Calculator::SaveFormula() {
    CUserFormulaFile file(m_programFolder, m_messages);
    if (!file.ReplaceRecord(m_formula.Index() - kFirstUserFormulaIndex, m_formula.DisplayForm(),
                            m_formula.FormulaText())) {
        m_saveFailed = true;
    }
}

void Calculator::SaveFormulaAs() {
    if (m_exeMode == ExeMode::Calculating) {
        // Only to obtain the forms: an expression without variables is not calculated here.
        Prepare(m_line.Text());
    }
    const auto name = m_messages.AskFormulaName();
    if (!name) {
        return;
    }
    const bool loaded = m_exeMode == ExeMode::Formula;
    const std::string displayForm = loaded ? m_formula.DisplayForm() : std::string();
    const std::string calculatorForm = loaded ? m_formula.FormulaText() : std::string();
    if (name->empty() || displayForm.empty() || calculatorForm.empty()) {
        m_messages.ShowMessage(text::kCouldNotSaveFormula, {}, MessageIcon::Warning,
                               MessageButtons::Ok);
        m_saveFailed = true;
        return;
    }
    CUserFormulaFile file(m_programFolder, m_messages);
    if (!file.AppendRecord(FormulaRecord{*name, displayForm, calculatorForm})) {
        m_saveFailed = true;
    }
}

}  // namespace zyk
