#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculator/CalculatorCommand.h"

namespace zyk {

class Calculator;
class ScriptMessages;

// One key of a key script: a keypad button or shortcut by its label ("sin", "X²", "Esc"), or a
// menu item ("const:e_0", "mem:3", "var:x", "mode:Scientific", "CopyResult", "frm:23",
// "SaveAs:NAME", ...).
struct ScriptKey {
    enum class Kind { Command, Constant, Memory, Variable, Formula, SaveAs };

    Kind kind = Kind::Command;
    CalculatorCommand command = CalculatorCommand::Exe;
    std::string text;  // the constant's symbol, the name typed into "Formula name ?"
    int number = 0;    // the memory digit, the variable letter, the formula index
};

struct ParsedKeyScript {
    std::vector<ScriptKey> keys;
    std::string error;  // empty when every key name is known
};

// Splits `script` (Windows-1252 bytes) at blanks and names each key; the first unknown name
// ends with an error.
ParsedKeyScript ParseKeyScript(std::string_view script);

// Presses the keys in order. Menus open only where the keypad would open them; "frm:N" chooses
// entry N in the formula library and presses OK. Returns an error text when a formula index is
// not in the library (the keys before it have been pressed), else an empty text.
std::string RunKeyScript(Calculator& calculator, const std::vector<ScriptKey>& keys,
                         ScriptMessages& messages);

}  // namespace zyk
