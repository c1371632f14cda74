#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "calculator/AnswerFormatter.h"
#include "calculator/CalculatorCommand.h"
#include "calculator/CalculatorSettings.h"
#include "calculator/ExpressionLine.h"
#include "calculator/FormulaMode.h"
#include "calculator/OptionsChoice.h"
#include "expression/ExpressionEvaluator.h"
#include "formulas/ConstantInsertTarget.h"
#include "formulas/FormulaLibrary.h"
#include "program/ProgramConsole.h"

namespace zyk {

class ProgramHost;
class SettingsStore;
class UserMessages;

// The calculator: one object owning the evaluator and all calculator state (expression line,
// result line, last answer, previous expression, answer format, base, angle mode, SHIFT / hyp /
// memory select, EXE mode, formula mode, paste buffer). The window and the console drive it with
// commands and then show what it reports; it never opens a window itself, it returns a
// ViewEffect instead.
//
// Typical view loop:
//   effect = calculator.Execute(CalculatorCommand::Sin);   // a button, shortcut or menu item
//   handle effect (open a menu, the formula library, ...);
//   repaint from ExpressionText(), Caret(), SelectionStart/End(), ResultText(), the labels.
// The view reports caret moves and mouse selections with SetCaret / SetSelection.
class Calculator : public ProgramConsole, public ConstantInsertTarget {
public:
    // Reads its settings (memories M0-M9, display format and decimals, fonts, position, folders)
    // from `store`, writing the default folder entries back when they are empty. Memory stores
    // of the evaluator write to `store`. `programFolder` holds UserEq.dat and the default
    // Programs and Statistical folders. Messages (formula errors, file problems, the formula
    // name question) go through `messages`.
    Calculator(SettingsStore& store, UserMessages& messages, std::filesystem::path programFolder);
    ~Calculator() override;
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // ---- Commands ---------------------------------------------------------------------------

    // One keypad button, shortcut or menu item, with the SHIFT, hyp, memory-select and base
    // rules. Disabled menu items do nothing.
    ViewEffect Execute(CalculatorCommand command);

    // Menu items that carry a name. Each does nothing outside the decimal base.
    void ChooseConstant(std::string_view symbol);  // Constants menu: inserts "{symbol}"
    void ChooseMemory(int digit);                  // Memories menu "Mem N": inserts "¦MN¦"
    void ChooseVariable(char letter);              // A-Z / a-z menus: inserts "[letter]"

    // A letter typed on the keyboard: in the hexadecimal base a-f and A-F are the digits A-F;
    // otherwise the letter chooses a variable.
    ViewEffect TypeLetter(char letter);

    // What Paste inserts (Copy Result and Copy Expression fill it).
    const std::string& PasteBuffer() const { return m_pasteBuffer; }

    // Typed text inserted as it is, like a token (the console's --eval).
    void TypeText(std::string_view text);

    // The view moved the caret or selected text with the mouse or the keyboard.
    void SetCaret(std::size_t position);
    void SetSelection(std::size_t anchor, std::size_t caret);

    // The options sheet changed the answer format or the decimals (from the next calculation).
    void SetAnswerFormat(AnswerFormat format);
    void SetMaxDecimals(int decimals);
    // Start-up options of the console: the same as the base keys and Deg / SHIFT + Deg.
    void SetNumberBase(NumberBase base);
    void SetDegreeMode(bool degrees);

    // ---- Formula library hand-over -------------------------------------------------------------

    // What the "Get a formula" dialog is preset with: the loaded formula (a special one with its
    // variable list), or index 0 when no formula is loaded.
    CurrentFormula FormulaForLibrary() const;
    // OK of the dialog: index 0 leaves formula mode and clears the display; a special formula
    // starts asking its variables; any other is prepared from its calculator form (a failure
    // shows "Formula Error!" and leaves formula mode). Replaces a formula already loaded.
    void LoadFormula(const CurrentFormula& chosen);

    // ---- Operations for other windows (do nothing unless the line is in editing state) ---------

    // Normalises a number or formula text ("-5", "1.5E-7", "[y]=-2...") and inserts it.
    void InsertNumberText(std::string_view text);
    // Sets the memories "a" and "b", then inserts the text as InsertNumberText does.
    void InsertFormulaWithValues(std::string_view text, double a, double b);
    // Gives constant `symbol` the atof value of `valueText` and inserts "{symbol}".
    void InsertConstant(std::string_view symbol, std::string_view valueText) override;

    // ---- Program mode ---------------------------------------------------------------------------

    // The interpreter that EXE and AC are handed to in program mode (may be null).
    void SetProgramHost(ProgramHost* host) { m_programHost = host; }

    void SetExpressionLine(std::string_view text, bool editing) override;
    void SetResultLine(std::string_view text, bool editing) override;
    void ShowErrorLine(std::string_view text) override;
    // Formats with AnswerFormatter::kProgramDecimals; an error returns the calculator to
    // calculating mode.
    Evaluation EvaluateText(std::string_view expression) override;
    bool ReadExpressionLine(std::string& text) override;
    void EnterProgramMode() override;
    void LeaveProgramMode() override;

    // ---- Display state --------------------------------------------------------------------------

    const std::string& ExpressionText() const { return m_line.Text(); }
    std::size_t Caret() const { return m_line.Caret(); }
    std::size_t SelectionStart() const { return m_line.SelectionStart(); }
    std::size_t SelectionEnd() const { return m_line.SelectionEnd(); }
    // True once after an insertion or copy was refused because the line or the paste buffer
    // would pass ExpressionLine::kMaxLength; the window beeps.
    bool ConsumeRefusedInsertion();
    // A formula Save or Save As of this calculator failed (its message was shown).
    bool SaveFailed() const { return m_saveFailed; }
    const std::string& ResultText() const { return m_resultText; }
    // The result line shows an error text (of the evaluator, a formula or a program run).
    bool ResultIsError() const { return m_resultIsError; }
    // Whether the caret keys edit the line and other windows may insert into it.
    bool IsEditing() const { return m_editing; }

    const std::string& AngleLabel() const { return m_angleLabel; }  // "[d]" / "[r]"
    const std::string& ModeLabel() const { return m_modeLabel; }    // "d", "hs", ...
    const std::string& HypLabel() const { return m_hypLabel; }      // "hyp" or empty

    ExeMode GetExeMode() const { return m_exeMode; }
    bool IsShiftOn() const { return m_shift; }
    bool IsMemorySelectOn() const { return m_memorySelect; }
    int MaxDecimals() const { return m_maxDecimals; }
    NumberBase GetNumberBase() const { return m_evaluator.GetNumberBase(); }
    bool DegreeMode() const { return m_evaluator.DegreeMode(); }

    const std::string& LastAnswer() const { return m_lastAnswer; }

    // A formula is loaded (EXE mode 422 or 423).
    bool IsFormulaLoaded() const;
    // The right-click menu is the Formula menu (EXE mode 422 and above), else the display menu.
    bool IsFormulaMenuCurrent() const;
    // Check marks of the Mode menu (answer format, base, Formula while a formula is loaded).
    bool IsMenuItemChecked(CalculatorCommand command) const;
    // Enabling of the Formula menu's items (other commands are always enabled).
    bool IsMenuItemEnabled(CalculatorCommand command) const;

    const FormulaMode& Formula() const { return m_formula; }
    const CalculatorSettings& Settings() const { return m_settings; }
    // The Options dialog's OK: writes the choice, keeps it as the current settings and takes its
    // answer format and decimals at once.
    OptionsOutcome ApplyOptions(const OptionsChoice& choice, int currentScheme);
    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }
    ExpressionEvaluator& Evaluator() { return m_evaluator; }

private:
    ViewEffect Dispatch(CalculatorCommand command);
    ViewEffect ExecuteInMemorySelect(CalculatorCommand command);
    ViewEffect MenuCommand(CalculatorCommand command);
    bool Copy(std::string_view text);  // into the paste buffer; false: too long, not copied
    void BaseKey(CalculatorCommand command, bool shift);
    bool IsDecimal() const { return GetNumberBase() == NumberBase::Decimal; }

    // Token insertion and the display lines.
    void InsertToken(std::string_view token);
    void ExpressionChanged();
    void ShowExpression(std::string_view text, bool editing = true);
    void ShowResult(std::string_view text, bool isError, bool editing = true);
    void ClearDisplay();
    bool InsertAllowed() const;
    bool MenuItemInserts();  // for a named menu item: ends SHIFT; false when it may not insert

    // Modifiers and labels.
    void SetShift(bool on);
    void SetHyp(bool on);
    void UpdateModeLabel();
    void TrigonometricKey(std::string_view name);
    void SwitchBase(NumberBase base);
    void Degrees(bool degrees);

    // Keys with several rules.
    ViewEffect ExeKey();
    ViewEffect AllClearKey();
    void ClearAll();  // CLR
    void CaretKey(bool left);
    void DeleteKey(bool before);
    bool RecallPreviousExpression();
    void EnterMemorySelect();
    void Calculate();

    // Formula mode.
    void FormulaExe();
    void AskVariable();
    void RunFormula();
    // Prepares `formula`; a fault shows its message, a prepared formula asks its first variable.
    FormulaMode::Preparation Prepare(std::string_view formula);
    void LeaveFormulaMode();
    void EditFormula();
    void SaveFormula();
    void SaveFormulaAs();
    std::string TypedFormulaInput() const;

    SettingsStore& m_store;
    UserMessages& m_messages;
    std::filesystem::path m_programFolder;
    CalculatorSettings m_settings;
    ExpressionEvaluator m_evaluator;
    FormulaMode m_formula;
    ProgramHost* m_programHost = nullptr;

    ExpressionLine m_line;
    std::string m_resultText;
    bool m_resultIsError = false;
    bool m_editing = true;
    // In formula mode the line shows the formula until the user types a value over it.
    bool m_lineShowsFormula = false;
    // The line holds what the program last wrote to it, unedited.
    bool m_lineFromProgram = false;

    std::string m_lastAnswer;
    std::string m_previousExpression;
    std::string m_pasteBuffer;  // at most ExpressionLine::kMaxLength bytes
    bool m_insertionRefused = false;
    bool m_saveFailed = false;
    std::string m_savedExpression;  // the line while memory select waits for a digit
    bool m_savedLineShowsFormula = false;

    AnswerFormat m_format = AnswerFormat::Normal;
    int m_maxDecimals = 10;
    ExeMode m_exeMode = ExeMode::Calculating;
    bool m_shift = false;
    bool m_hyp = false;
    bool m_memorySelect = false;

    std::string m_angleLabel;
    std::string m_modeLabel;
    std::string m_hypLabel;
};

}  // namespace zyk
