#include "calculator/Calculator.h"

#include <cstdlib>

#include "calculator/CalculatorMessages.h"
#include "calculator/EvaluatorStartup.h"
#include "calculator/KeyTokens.h"
#include "calculator/NumberText.h"
#include "expression/ExpressionBytes.h"
#include "formulas/BuiltInFormulas.h"
#include "formulas/DataFolderCleanup.h"
#include "program/ProgramHost.h"
#include "shell/SettingsStore.h"

namespace zyk {

namespace text = calculator_text;

Calculator::Calculator(SettingsStore& store, UserMessages& messages,
                       std::filesystem::path programFolder)
    : m_store(store),
      m_messages(messages),
      m_programFolder(std::move(programFolder)),
      m_settings(CalculatorSettings::Read(store, m_programFolder)),
      m_formula(m_evaluator),
      m_resultText(text::kInitialResult),
      m_format(m_settings.format),
      m_maxDecimals(m_settings.maxDecimals),
      m_angleLabel(text::kInitialAngleLabel),
      m_modeLabel(text::kInitialModeLabel),
      m_hypLabel(text::kInitialHypLabel) {
    // A start is the moment to sweep up what a killed run's writes left behind.
    RemoveDataFileLeftovers(m_programFolder);
    SetUpEvaluator(m_evaluator, m_store);
}

Calculator::~Calculator() = default;

// ---- Display lines ------------------------------------------------------------------------------

void Calculator::ExpressionChanged() {
    m_lineFromProgram = false;
    // While calculating, a changed expression makes the answer on the result line stale. In the
    // other modes the result line holds a prompt that must stay.
    if (m_exeMode == ExeMode::Calculating && !m_resultText.empty()) {
        m_resultText.clear();
        m_resultIsError = false;
    }
}

void Calculator::ShowExpression(std::string_view text, bool editing) {
    m_line.SetText(text);
    m_lineShowsFormula = false;
    m_editing = editing;
    ExpressionChanged();
}

void Calculator::ShowResult(std::string_view text, bool isError, bool editing) {
    m_resultText.assign(text);
    m_resultIsError = isError;
    m_editing = editing;
}

void Calculator::ClearDisplay() {
    ShowExpression({});
    ShowResult({}, false);
}

void Calculator::InsertToken(std::string_view token) {
    if (token.empty()) {
        return;
    }
    if (m_lineShowsFormula) {
        // The first thing typed while a formula is shown replaces it.
        if (token.size() > ExpressionLine::kMaxLength) {
            m_insertionRefused = true;
            return;
        }
        m_line.Clear();
        m_lineShowsFormula = false;
    }
    if (!m_line.Insert(token)) {
        m_insertionRefused = true;
        return;
    }
    m_editing = true;
    ExpressionChanged();
}

void Calculator::TypeText(std::string_view text) {
    InsertToken(text);
}

void Calculator::SetCaret(std::size_t position) {
    m_line.SetCaret(position);
}

void Calculator::SetSelection(std::size_t anchor, std::size_t caret) {
    m_line.SetSelection(anchor, caret);
}

bool Calculator::ConsumeRefusedInsertion() {
    const bool refused = m_insertionRefused;
    m_insertionRefused = false;
    return refused;
}

// ---- Options --------------------------------------------------------------------------------

OptionsOutcome Calculator::ApplyOptions(const OptionsChoice& choice, int currentScheme) {
    const OptionsOutcome outcome = zyk::ApplyOptions(choice, currentScheme, m_settings, m_store);
    SetAnswerFormat(m_settings.format);
    SetMaxDecimals(m_settings.maxDecimals);
    return outcome;
}

void Calculator::SetAnswerFormat(AnswerFormat format) {
    m_format = CalculatorSettings::ValidFormat(static_cast<int>(format));
}

void Calculator::SetMaxDecimals(int decimals) {
    m_maxDecimals = CalculatorSettings::ValidDecimals(decimals);
}

void Calculator::SetNumberBase(NumberBase base) {
    SwitchBase(base);
}

void Calculator::SetDegreeMode(bool degrees) {
    Degrees(degrees);
}

// ---- Operations for other windows -----------------------------------------------------------

bool Calculator::InsertAllowed() const {
    return m_editing && !m_memorySelect;
}

void Calculator::InsertNumberText(std::string_view text) {
    if (InsertAllowed()) {
        InsertToken(NormaliseNumberText(text));
    }
}

void Calculator::InsertFormulaWithValues(std::string_view text, double a, double b) {
    if (!InsertAllowed()) {
        return;
    }
    m_evaluator.SetMemory("a", a);
    m_evaluator.SetMemory("b", b);
    InsertToken(NormaliseNumberText(text));
}

void Calculator::InsertConstant(std::string_view symbol, std::string_view valueText) {
    if (!InsertAllowed()) {
        return;
    }
    m_evaluator.SetConstant(symbol, std::atof(std::string(valueText).c_str()));
    InsertToken(ConstantToken(symbol));
}

// ---- Program mode ---------------------------------------------------------------------------

void Calculator::SetExpressionLine(std::string_view text, bool editing) {
    ShowExpression(text, editing);
    m_lineFromProgram = true;
}

void Calculator::SetResultLine(std::string_view text, bool editing) {
    ShowResult(text, false, editing);
}

void Calculator::ShowErrorLine(std::string_view text) {
    ShowResult(text, true, false);
}

ProgramConsole::Evaluation Calculator::EvaluateText(std::string_view expression) {
    const auto fail = [this](std::string message) {
        if (m_exeMode == ExeMode::Program) {
            m_exeMode = ExeMode::Calculating;
        }
        return Evaluation{false, std::move(message)};
    };
    double value = 0.0;
    if (!m_evaluator.Evaluate(expression, value, 0)) {
        return fail(m_evaluator.ErrorText());
    }
    const auto answer = AnswerFormatter::Format(value, m_evaluator.GetNumberBase(), m_format,
                                                AnswerFormatter::kProgramDecimals);
    if (!answer) {
        return fail(std::string(text::kMaError));
    }
    return Evaluation{true, *answer};
}

bool Calculator::ReadExpressionLine(std::string& result) {
    result = m_line.Text();
    if (!result.empty() && result[0] == '-') {
        result[0] = kNegationSign;
    }
    m_memorySelect = false;
    return !result.empty();
}

void Calculator::EnterProgramMode() {
    if (IsFormulaLoaded()) {
        m_formula.Clear();
    }
    m_lineShowsFormula = false;
    m_exeMode = ExeMode::Program;
}

void Calculator::LeaveProgramMode() {
    if (m_exeMode == ExeMode::Program) {
        m_exeMode = ExeMode::Calculating;
    }
}

// ---- Menu state -----------------------------------------------------------------------------

bool Calculator::IsFormulaLoaded() const {
    return m_exeMode == ExeMode::Formula || m_exeMode == ExeMode::SpecialFormula;
}

bool Calculator::IsFormulaMenuCurrent() const {
    return static_cast<int>(m_exeMode) >= static_cast<int>(ExeMode::Formula);
}

bool Calculator::IsMenuItemChecked(CalculatorCommand command) const {
    switch (command) {
        case CalculatorCommand::ModeNormal:
            return m_format == AnswerFormat::Normal;
        case CalculatorCommand::ModeScientific:
            return m_format == AnswerFormat::Scientific;
        case CalculatorCommand::ModeEngineering:
            return m_format == AnswerFormat::Engineering;
        case CalculatorCommand::ModeDecimal:
            return GetNumberBase() == NumberBase::Decimal;
        case CalculatorCommand::ModeHexadecimal:
            return GetNumberBase() == NumberBase::Hexadecimal;
        case CalculatorCommand::ModeBinary:
            return GetNumberBase() == NumberBase::Binary;
        case CalculatorCommand::ModeFormula:
            return IsFormulaLoaded();
        default:
            return false;
    }
}

bool Calculator::IsMenuItemEnabled(CalculatorCommand command) const {
    const int index = m_formula.Index();
    const bool hasForm = !m_formula.FormulaText().empty();
    const bool typedOrUser = index == 0 || index >= kFirstUserFormulaIndex;
    switch (command) {
        case CalculatorCommand::EditFormula:
            return IsFormulaLoaded() && hasForm && typedOrUser;
        case CalculatorCommand::SaveFormula:
            return IsFormulaMenuCurrent() && hasForm && index >= kFirstUserFormulaIndex;
        case CalculatorCommand::SaveFormulaAs:
            return IsFormulaMenuCurrent() && hasForm && typedOrUser;
        default:
            return true;
    }
}

}  // namespace zyk
