#pragma once

#include <cstdint>

namespace zyk {

// What the EXE key does: calculate, ask and run a formula, run a special formula through its
// solver, or hand EXE and AC to a running program.
enum class ExeMode : std::int32_t {
    Calculating = 421,
    Formula = 422,
    SpecialFormula = 423,
    Program = 424,
};

// One command per keypad button, menu item and keyboard shortcut of the calculator window.
// Menu items that carry a name (a constant, a memory, a variable letter) have their own methods
// on Calculator: ChooseConstant, ChooseMemory, ChooseVariable.
enum class CalculatorCommand {
    // Keypad buttons (the SHIFT action of a button is the same command with SHIFT on).
    Shift,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    Exp,
    HexA,
    HexB,
    HexC,  // SHIFT: open the A-Z menu
    HexD,  // SHIFT: open the a-z menu
    HexE,
    HexF,
    Add,
    Subtract,
    Multiply,
    Divide,
    OpenParenthesis,
    CloseParenthesis,
    And,        // SHIFT: or
    Mod,        // SHIFT: xor
    Negate,     // ( - )
    Square,     // X²; SHIFT: {pi}
    Power,      // X^Y
    Factorial,  // X!
    Sqrt,
    Sin,  // SHIFT: arcsin; with hyp the hyperbolic forms
    Cos,
    Tan,
    Log,  // SHIFT: 10^
    Ln,   // SHIFT: e^
    Hyp,
    Deg,  // SHIFT: Rad
    Dec,  // SHIFT: insert the decimal literal prefix
    Hex,
    Bin,
    Mx,       // SHIFT: =
    Const,    // SHIFT: open the memories menu
    Frm,      // SHIFT: Save As
    Mode,     // open the Mode menu
    Display,  // "?": open the display menu (or the Formula menu while a formula is loaded)
    CaretLeft,
    CaretRight,
    DeleteBefore,  // <Del
    DeleteAfter,   // Del>
    AllClear,      // AC; SHIFT: CLR
    Exe,           // SHIFT: Ans

    // Keyboard shortcuts with an action of their own.
    Or,      // '|' and Alt+O
    Xor,     // the xor sign typed as a character
    Equals,  // '=' typed as a character
    Escape,  // Esc: SHIFT then AC (CLR)
    Help,    // F1

    // Display menu and Formula menu.
    CopyResult,
    CopyExpression,
    Paste,
    PasteClipboard,  // Ctrl+Shift+V: the desktop's clipboard, typed into the expression
    Clear,           // "Clear" of either menu (Esc): CLR
    EditFormula,     // Formula menu, and the Insert key
    SaveFormula,
    SaveFormulaAs,

    // Mode menu.
    ModeNormal,
    ModeScientific,
    ModeEngineering,
    ModeDecimal,
    ModeHexadecimal,
    ModeBinary,
    ModeFormula,

    // Main menu items that open other windows.
    Converter,
    Constants,
    Statistics,
    GetFormula,  // same as Frm
    GetProgram,
    Programming,
    Options,
    About,
    Exit,
};

// What a command asks the window to do after the core has changed its state. The core never
// opens anything itself; the view reads the effect and then shows the core's state.
enum class ViewEffect {
    None,
    OpenConstantsMenu,       // then Calculator::ChooseConstant
    OpenMemoriesMenu,        // then Calculator::ChooseMemory
    OpenUpperVariablesMenu,  // "A - Z", then Calculator::ChooseVariable
    OpenLowerVariablesMenu,  // "a - z", then Calculator::ChooseVariable
    OpenModeMenu,            // checks from Calculator::IsMenuItemChecked
    OpenDisplayMenu,
    OpenFormulaMenu,      // enabling from Calculator::IsMenuItemEnabled
    OpenFormulaLibrary,   // preset with FormulaForLibrary(); on OK call LoadFormula()
    FocusExpressionLine,  // EXE on an empty line
    ResumeProgram,        // the program host was told to go on: drive its steps
    ShowHelp,
    CopyAnswerToClipboard,      // the paste buffer holds an answer: put it on the desktop's too
    CopyExpressionToClipboard,  // the paste buffer holds an expression: likewise
    PasteFromClipboard,         // type the desktop clipboard's text (clipboard::ReadPaste)
    ToggleConverter,
    ToggleConstants,
    ToggleStatistics,
    GetProgram,
    ToggleProgramming,
    OpenOptions,
    ShowAbout,
    Exit,
};

}  // namespace zyk
