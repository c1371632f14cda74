// The keypad, shortcut and menu commands of the calculator: modifiers, bases, editing keys,
// memory select, EXE and AC.
#include <algorithm>
#include <array>
#include <string>

#include "calculator/Calculator.h"
#include "calculator/CalculatorMessages.h"
#include "calculator/KeyTokens.h"
#include "expression/ExpressionBytes.h"
#include "program/ProgramHost.h"

namespace zyk {

namespace text = calculator_text;

namespace {

using Command = CalculatorCommand;

std::string Marked(std::string_view name) {
    return kFunctionMarker + std::string(name);
}

std::string MemoryName(int digit) {
    return std::string{kMemoryBar, 'M', static_cast<char>('0' + digit), kMemoryBar};
}

bool IsDigitCommand(Command command) {
    return command >= Command::Digit0 && command <= Command::Digit9;
}

int DigitOf(Command command) {
    return static_cast<int>(command) - static_cast<int>(Command::Digit0);
}

// Main-menu items that only open other windows: they work whatever state the keypad is in.
bool IsWindowCommand(Command command) {
    switch (command) {
        case Command::Help:
        case Command::Converter:
        case Command::Constants:
        case Command::Statistics:
        case Command::GetProgram:
        case Command::Programming:
        case Command::Options:
        case Command::About:
        case Command::Exit:
            return true;
        default:
            return false;
    }
}

ViewEffect WindowEffect(Command command) {
    switch (command) {
        case Command::Help:
            return ViewEffect::ShowHelp;
        case Command::Converter:
            return ViewEffect::ToggleConverter;
        case Command::Constants:
            return ViewEffect::ToggleConstants;
        case Command::Statistics:
            return ViewEffect::ToggleStatistics;
        case Command::GetProgram:
            return ViewEffect::GetProgram;
        case Command::Programming:
            return ViewEffect::ToggleProgramming;
        case Command::Options:
            return ViewEffect::OpenOptions;
        case Command::About:
            return ViewEffect::ShowAbout;
        case Command::Exit:
            return ViewEffect::Exit;
        default:
            return ViewEffect::None;
    }
}

}  // namespace

ViewEffect Calculator::Execute(CalculatorCommand command) {
    if (m_memorySelect) {
        return ExecuteInMemorySelect(command);
    }
    const ViewEffect effect = Dispatch(command);
    // SHIFT is one-shot: every other command, whether it used SHIFT or not, ends it.
    if (command != Command::Shift) {
        SetShift(false);
    }
    return effect;
}

ViewEffect Calculator::ExecuteInMemorySelect(CalculatorCommand command) {
    const auto restore = [this]() {
        m_memorySelect = false;
        const bool showedFormula = m_savedLineShowsFormula;
        ShowExpression(m_savedExpression);
        m_lineShowsFormula = showedFormula;
    };
    if (IsDigitCommand(command)) {
        restore();
        InsertToken(MemoryName(DigitOf(command)));
        return ViewEffect::None;
    }
    switch (command) {
        case Command::AllClear:
        case Command::Clear:
        case Command::Escape:
            restore();  // cancelled: the line is back as it was before Mx
            return ViewEffect::None;
        default:
            return IsWindowCommand(command) ? WindowEffect(command) : ViewEffect::None;
    }
}

ViewEffect Calculator::Dispatch(CalculatorCommand command) {
    if (IsDigitCommand(command)) {
        InsertToken(std::string(1, static_cast<char>('0' + DigitOf(command))));
        return ViewEffect::None;
    }
    if (IsWindowCommand(command)) {
        return WindowEffect(command);
    }
    const bool shift = m_shift;
    if (const TokenKey* key = FindTokenKey(command)) {
        if (IsDecimal() || !key->decimalOnly) {
            InsertToken(shift && !key->shiftToken.empty() ? key->shiftToken : key->token);
        }
        return ViewEffect::None;
    }
    switch (command) {
        case Command::Shift:
            SetShift(!m_shift);
            break;
        case Command::HexC:
        case Command::HexD:
            if (!shift) {
                InsertToken(command == Command::HexC ? "C" : "D");
            } else if (IsDecimal()) {
                return command == Command::HexC ? ViewEffect::OpenUpperVariablesMenu
                                                : ViewEffect::OpenLowerVariablesMenu;
            }
            break;
        case Command::Sin:
        case Command::Cos:
        case Command::Tan:
            TrigonometricKey(command == Command::Sin   ? "sin"
                             : command == Command::Cos ? "cos"
                                                       : "tan");
            break;
        case Command::Hyp:
            if (IsDecimal()) {
                SetHyp(!m_hyp);
            }
            break;
        case Command::Deg:
            if (IsDecimal()) {
                Degrees(!shift);
            }
            break;
        case Command::Dec:
        case Command::Hex:
        case Command::Bin:
            BaseKey(command, shift);
            break;
        case Command::Mx:
            if (IsDecimal() && shift) {
                InsertToken("=");
            } else if (IsDecimal()) {
                EnterMemorySelect();
            }
            break;
        case Command::Const:
            if (IsDecimal()) {
                return shift ? ViewEffect::OpenMemoriesMenu : ViewEffect::OpenConstantsMenu;
            }
            break;
        case Command::Frm:
            if (shift) {
                SaveFormulaAs();
                break;
            }
            return ViewEffect::OpenFormulaLibrary;
        case Command::GetFormula:
            return ViewEffect::OpenFormulaLibrary;
        case Command::Mode:
            return ViewEffect::OpenModeMenu;
        case Command::Display:
            return IsFormulaMenuCurrent() ? ViewEffect::OpenFormulaMenu
                                          : ViewEffect::OpenDisplayMenu;
        case Command::CaretLeft:
        case Command::CaretRight:
            CaretKey(command == Command::CaretLeft);
            break;
        case Command::DeleteBefore:
        case Command::DeleteAfter:
            DeleteKey(command == Command::DeleteBefore);
            break;
        case Command::AllClear:
            if (!shift) {
                return AllClearKey();
            }
            ClearAll();
            break;
        case Command::Escape:
        case Command::Clear:
            ClearAll();
            break;
        case Command::Exe:
            if (!shift) {
                return ExeKey();
            }
            InsertToken(m_lastAnswer);
            break;
        case Command::CopyResult:
            if (!m_resultText.empty() &&
                Copy(std::string_view(m_resultText)
                         .substr(std::min<std::size_t>(2, m_resultText.size())))) {
                return ViewEffect::CopyAnswerToClipboard;
            }
            break;
        case Command::CopyExpression:
            if (Copy(m_line.Text())) {
                return ViewEffect::CopyExpressionToClipboard;
            }
            break;
        case Command::Paste:
            InsertToken(m_pasteBuffer);
            break;
        case Command::PasteClipboard:
            return ViewEffect::PasteFromClipboard;
        default:
            return MenuCommand(command);
    }
    return ViewEffect::None;
}

// Only a program's long print can be longer than the line may be; such a copy is refused.
bool Calculator::Copy(std::string_view text) {
    if (text.size() > ExpressionLine::kMaxLength) {
        m_insertionRefused = true;
        return false;
    }
    m_pasteBuffer.assign(text);
    return true;
}

ViewEffect Calculator::MenuCommand(CalculatorCommand command) {
    if (!IsMenuItemEnabled(command)) {
        return ViewEffect::None;
    }
    switch (command) {
        case Command::EditFormula:
            EditFormula();
            break;
        case Command::SaveFormula:
            SaveFormula();
            break;
        case Command::SaveFormulaAs:
            SaveFormulaAs();
            break;
        case Command::ModeNormal:
        case Command::ModeScientific:
        case Command::ModeEngineering:
            m_format = command == Command::ModeNormal       ? AnswerFormat::Normal
                       : command == Command::ModeScientific ? AnswerFormat::Scientific
                                                            : AnswerFormat::Engineering;
            break;
        case Command::ModeDecimal:
            SwitchBase(NumberBase::Decimal);
            break;
        case Command::ModeHexadecimal:
            SwitchBase(NumberBase::Hexadecimal);
            break;
        case Command::ModeBinary:
            SwitchBase(NumberBase::Binary);
            break;
        case Command::ModeFormula:
            if (!IsFormulaLoaded()) {
                return ViewEffect::OpenFormulaLibrary;
            }
            ClearAll();
            break;
        default:
            break;
    }
    return ViewEffect::None;
}

void Calculator::BaseKey(CalculatorCommand command, bool shift) {
    static constexpr std::array<std::string_view, 3> kPrefixes = {"d", "h", "b"};
    static constexpr std::array<NumberBase, 3> kBases = {
        NumberBase::Decimal, NumberBase::Hexadecimal, NumberBase::Binary};
    const auto which =
        static_cast<std::size_t>(static_cast<int>(command) - static_cast<int>(Command::Dec));
    if (shift) {
        InsertToken(Marked(kPrefixes[which]));
    } else {
        SwitchBase(kBases[which]);
    }
}

// ---- Menu items with a name -----------------------------------------------------------------

// The memory menu, while it waits for a digit, ignores these items; otherwise they end SHIFT and
// insert in decimal only.
bool Calculator::MenuItemInserts() {
    if (m_memorySelect) {
        return false;
    }
    SetShift(false);
    return IsDecimal();
}

void Calculator::ChooseConstant(std::string_view symbol) {
    if (MenuItemInserts() && !symbol.empty()) {
        InsertToken(ConstantToken(symbol));
    }
}

void Calculator::ChooseMemory(int digit) {
    if (MenuItemInserts() && digit >= 0 && digit <= 9) {
        InsertToken(MemoryName(digit));
    }
}

void Calculator::ChooseVariable(char letter) {
    const bool isLetter = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
    if (MenuItemInserts() && isLetter) {
        InsertToken(std::string{'[', letter, ']'});
    }
}

ViewEffect Calculator::TypeLetter(char letter) {
    const char lower =
        (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
    if (GetNumberBase() == NumberBase::Hexadecimal && lower >= 'a' && lower <= 'f') {
        return Execute(static_cast<CalculatorCommand>(static_cast<int>(CalculatorCommand::HexA) +
                                                      (lower - 'a')));
    }
    ChooseVariable(letter);
    return ViewEffect::None;
}

// ---- Modifiers and labels -------------------------------------------------------------------

void Calculator::SetShift(bool on) {
    if (m_shift != on) {
        m_shift = on;
        UpdateModeLabel();
    }
}

void Calculator::SetHyp(bool on) {
    m_hyp = on;
    m_hypLabel = on ? text::kHypLabel : "";
}

void Calculator::UpdateModeLabel() {
    char letter = 'd';
    switch (GetNumberBase()) {
        case NumberBase::Hexadecimal:
            letter = 'h';
            break;
        case NumberBase::Binary:
            letter = 'b';
            break;
        case NumberBase::Decimal:
            break;
    }
    std::string label(1, letter);
    if (m_shift) {
        label += text::kShiftSuffix;
    }
    m_modeLabel = std::move(label);
}

void Calculator::TrigonometricKey(std::string_view name) {
    if (!IsDecimal()) {
        return;
    }
    std::string function = m_shift ? "arc" + std::string(name) : std::string(name);
    if (m_hyp) {
        function += 'h';
    }
    InsertToken(Marked(function));
    SetHyp(false);
}

void Calculator::SwitchBase(NumberBase base) {
    if (base == GetNumberBase()) {
        return;
    }
    m_evaluator.SetNumberBase(base);
    // No value is converted: what was typed or answered in the old base is dropped, and a
    // formula's texts with it.
    if (IsFormulaLoaded()) {
        LeaveFormulaMode();
    }
    ClearDisplay();
    m_previousExpression.clear();
    m_lastAnswer.clear();
    UpdateModeLabel();
}

void Calculator::Degrees(bool degrees) {
    m_evaluator.SetDegreeMode(degrees);
    m_angleLabel = degrees ? text::kDegreeLabel : text::kRadianLabel;
}

// ---- Editing keys ---------------------------------------------------------------------------

bool Calculator::RecallPreviousExpression() {
    if (m_exeMode != ExeMode::Calculating || m_previousExpression.empty()) {
        return false;
    }
    ShowExpression(m_previousExpression);
    return true;
}

void Calculator::CaretKey(bool left) {
    if (m_lineShowsFormula) {
        return;  // nothing typed yet over the formula shown
    }
    if (!m_editing) {
        m_editing = true;
        ShowResult({}, false);
        return;
    }
    if (m_line.IsEmpty()) {
        RecallPreviousExpression();
        return;
    }
    if (left) {
        m_line.MoveLeft();
    } else {
        m_line.MoveRight();
    }
}

void Calculator::DeleteKey(bool before) {
    if (m_lineShowsFormula) {
        return;
    }
    if (!m_editing && m_exeMode == ExeMode::Calculating) {
        m_editing = true;
        ShowResult({}, false);
        return;
    }
    if (m_line.IsEmpty()) {
        RecallPreviousExpression();
        return;
    }
    if (before ? m_line.DeleteBefore() : m_line.DeleteAfter()) {
        m_editing = true;
        ExpressionChanged();
    }
}

void Calculator::EnterMemorySelect() {
    m_savedExpression = m_lineShowsFormula ? std::string() : m_line.Text();
    m_savedLineShowsFormula = m_lineShowsFormula;
    ShowExpression(text::kSelectMemory);
    m_memorySelect = true;
}

// ---- EXE and AC -----------------------------------------------------------------------------

ViewEffect Calculator::ExeKey() {
    switch (m_exeMode) {
        case ExeMode::Program:
            if (m_programHost == nullptr) {
                return ViewEffect::None;
            }
            m_programHost->Run();
            return ViewEffect::ResumeProgram;
        case ExeMode::Formula:
        case ExeMode::SpecialFormula:
            FormulaExe();
            return ViewEffect::None;
        case ExeMode::Calculating:
            break;
    }
    if (m_line.IsEmpty()) {
        m_editing = true;
        return ViewEffect::FocusExpressionLine;
    }
    if (Prepare(m_line.Text()) == FormulaMode::Preparation::NotAFormula) {
        Calculate();
    }
    return ViewEffect::None;
}

void Calculator::Calculate() {
    const std::string expression = m_line.Text();
    double value = 0.0;
    if (!m_evaluator.Evaluate(expression, value, 0)) {
        ShowResult(m_evaluator.ErrorText(), true);
        return;
    }
    const auto answer =
        AnswerFormatter::Format(value, m_evaluator.GetNumberBase(), m_format, m_maxDecimals);
    if (!answer) {
        ShowResult(text::kMaError, true);
        return;
    }
    m_previousExpression = expression;
    ShowExpression({});
    ShowResult(std::string(text::kAnswerPrefix) + *answer, false);
    m_lastAnswer = *answer;
}

ViewEffect Calculator::AllClearKey() {
    switch (m_exeMode) {
        case ExeMode::Program:
            // A program that computes in slices is stopped by AC; the blocking run of old could
            // not be reached by a key at all.
            if (m_programHost != nullptr && m_programHost->IsComputing()) {
                m_programHost->Break();
                return ViewEffect::ResumeProgram;
            }
            // The end of a run stays until EXE starts the next; typing over it lets AC resume.
            if (m_programHost != nullptr && !(m_programHost->HasEnded() && m_lineFromProgram) &&
                !m_programHost->IsWaiting()) {
                m_programHost->Run();
                return ViewEffect::ResumeProgram;
            }
            ShowExpression({});  // only the typed input: the program's prompt stays
            break;
        case ExeMode::Formula:
        case ExeMode::SpecialFormula:
            if (m_formula.AllGiven()) {
                m_formula.RestartQuestions(false);
            }
            AskVariable();
            break;
        case ExeMode::Calculating:
            ClearDisplay();
            break;
    }
    return ViewEffect::None;
}

void Calculator::ClearAll() {
    const bool programMode = m_exeMode == ExeMode::Program;
    const bool computing = programMode && m_programHost != nullptr && m_programHost->IsComputing();
    if (programMode) {
        m_exeMode = ExeMode::Calculating;
    }
    LeaveFormulaMode();
    ClearDisplay();
    if (programMode && m_programHost != nullptr) {
        // A computing program says where it was stopped; the display keeps that line.
        if (computing) {
            m_programHost->Break();
        }
        m_programHost->Reset();
    }
}

}  // namespace zyk
