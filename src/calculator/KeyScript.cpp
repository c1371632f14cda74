#include "calculator/KeyScript.h"

#include <array>
#include <charconv>

#include "calculator/Calculator.h"
#include "calculator/KeypadTable.h"
#include "calculator/ScriptMessages.h"
#include "formulas/FormulaLibrary.h"

namespace zyk {
namespace {

using Command = CalculatorCommand;

struct NamedCommand {
    std::string_view name;
    Command command;
};

// Keys whose name is not simply their keypad label, and the display and Formula menu items.
constexpr std::array<NamedCommand, 12> kExtraNames = {{
    {"X2", Command::Square},
    {"(-)", Command::Negate},
    {"CopyResult", Command::CopyResult},
    {"CopyExpression", Command::CopyExpression},
    {"Paste", Command::Paste},
    {"Clear", Command::Clear},
    {"EditFormula", Command::EditFormula},
    {"Save", Command::SaveFormula},
    {"Esc", Command::Escape},
    {"or", Command::Or},
    {"xor", Command::Xor},
    {"=", Command::Equals},
}};

// Keypad buttons that open a menu or a window: their items are named instead (const:, mem:,
// var:, mode:, frm:).
bool IsMenuButton(Command command) {
    return command == Command::Const || command == Command::Frm || command == Command::Mode ||
           command == Command::Display;
}

std::optional<Command> CommandNamed(std::string_view name) {
    for (const auto& named : kExtraNames) {
        if (named.name == name) {
            return named.command;
        }
    }
    for (const auto& key : kKeypadKeys) {
        if (key.label == name && !IsMenuButton(key.command)) {
            return key.command;
        }
    }
    return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A "prefix:value" key; nothing when the name has another form or an invalid value.
std::optional<ScriptKey> MenuItemKey(std::string_view name) {
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view prefix = name.substr(0, colon);
    const std::string_view value = name.substr(colon + 1);
    ScriptKey key;
    if (prefix == "const") {
        for (const auto& item : kConstantsMenu) {
            if (item.symbol == value) {
                key.kind = ScriptKey::Kind::Constant;
                key.text = value;
                return key;
            }
        }
    } else if (prefix == "mem") {
        if (value.size() == 1 && value[0] >= '0' && value[0] <= '9') {
            key.kind = ScriptKey::Kind::Memory;
            key.number = value[0] - '0';
            return key;
        }
    } else if (prefix == "var") {
        if (value.size() == 1 && IsLetter(value[0])) {
            key.kind = ScriptKey::Kind::Variable;
            key.number = value[0];
            return key;
        }
    } else if (prefix == "mode") {
        for (const auto& item : kModeMenu) {
            if (item.text == value) {
                key.command = item.command;
                return key;
            }
        }
    } else if (prefix == "frm") {
        if (const auto index = WholeNumber(value)) {
            key.kind = ScriptKey::Kind::Formula;
            key.number = *index;
            return key;
        }
    } else if (prefix == "SaveAs") {
        key.kind = ScriptKey::Kind::SaveAs;
        key.text = value;
        return key;
    }
    return std::nullopt;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

ParsedKeyScript ParseKeyScript(std::string_view script) {
    ParsedKeyScript parsed;
    std::size_t i = 0;
    while (i < script.size()) {
        if (IsBlank(script[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < script.size() && !IsBlank(script[end])) {
            ++end;
        }
        const std::string_view name = script.substr(i, end - i);
        i = end;
        if (const auto command = CommandNamed(name)) {
            ScriptKey key;
            key.command = *command;
            parsed.keys.push_back(std::move(key));
        } else if (auto item = MenuItemKey(name)) {
            parsed.keys.push_back(std::move(*item));
        } else {
            parsed.keys.clear();
            parsed.error = "unknown key '" + std::string(name) + "'";
            return parsed;
        }
    }
    return parsed;
}

std::string RunKeyScript(Calculator& calculator, const std::vector<ScriptKey>& keys,
                         ScriptMessages& messages) {
    for (const auto& key : keys) {
        switch (key.kind) {
            case ScriptKey::Kind::Command:
                // A dialog opened by a command is cancelled: the console cannot show it.
                calculator.Execute(key.command);
                break;
            case ScriptKey::Kind::Constant:
                calculator.ChooseConstant(key.text);
                break;
            case ScriptKey::Kind::Memory:
                calculator.ChooseMemory(key.number);
                break;
            case ScriptKey::Kind::Variable:
                calculator.ChooseVariable(static_cast<char>(key.number));
                break;
            case ScriptKey::Kind::Formula: {
                if (calculator.Execute(Command::GetFormula) != ViewEffect::OpenFormulaLibrary) {
                    break;
                }
                FormulaLibrary library(calculator.ProgramFolder(), messages);
                library.Preset(calculator.FormulaForLibrary());
                if (key.number >= library.EntryCount()) {
                    return "the formula library has no entry " + std::to_string(key.number) +
                           " (it holds 0-" + std::to_string(library.EntryCount() - 1) + ")";
                }
                library.Select(key.number);
                calculator.LoadFormula(library.Current());
                break;
            }
            case ScriptKey::Kind::SaveAs:
                messages.QueueAnswer(key.text);
                if (calculator.IsFormulaMenuCurrent()) {
                    calculator.Execute(Command::SaveFormulaAs);
                } else {
                    if (!calculator.IsShiftOn()) {
                        calculator.Execute(Command::Shift);
                    }
                    calculator.Execute(Command::Frm);
                }
                messages.DropAnswers();
                break;
        }
    }
    return {};
}

}  // namespace zyk
