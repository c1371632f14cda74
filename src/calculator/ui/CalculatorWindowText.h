#pragma once

#include <array>
#include <string_view>

#include "calculator/CalculatorCommand.h"
#include "shell/UserMessages.h"

// The texts of the calculator window that the core does not own: the main menu, the names of
// the Memories and variable menus, the window title. Windows-1252 bytes.
namespace zyk::calculator_window_text {

inline constexpr std::string_view kWindowTitle = kApplicationTitle;

// The main menu: two drop-down menus on the window's menu bar. No mnemonics: Alt with a letter
// belongs to the keypad (Alt+C is cos, Alt+H is HEX).
inline constexpr std::string_view kCalculatorMenu = "Calculator";
inline constexpr std::string_view kHelpMenu = "Help";

struct MainMenuItem {
    std::string_view text;
    CalculatorCommand command;
    bool inHelpMenu;
    bool separatorBefore;
};

inline constexpr std::array<MainMenuItem, 10> kMainMenu = {{
    {"Converter...", CalculatorCommand::Converter, false, false},
    {"Constants...", CalculatorCommand::Constants, false, false},
    {"Statistics...", CalculatorCommand::Statistics, false, false},
    {"Get Formula...", CalculatorCommand::GetFormula, false, true},
    {"Get Program...", CalculatorCommand::GetProgram, false, false},
    {"Programming...", CalculatorCommand::Programming, false, false},
    {"Options...", CalculatorCommand::Options, false, true},
    {"Exit", CalculatorCommand::Exit, false, true},
    {"Help\tF1", CalculatorCommand::Help, true, false},
    {"About...", CalculatorCommand::About, true, false},
}};

// "Mem 0" ... "Mem 9": the prefix, then the digit.
inline constexpr std::string_view kMemoryItemPrefix = "Mem ";
// A Constants menu item: "{symbol}", this gap, then the description.
inline constexpr std::string_view kConstantItemGap = "   ";

}  // namespace zyk::calculator_window_text
