#pragma once

#include <QKeyCombination>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

#include "calculator/CalculatorCommand.h"

namespace zyk {

// What a key press asks for: a calculator command, or a variable letter (the letters are the
// items of the a-z menu, with Shift those of the A-Z menu).
struct KeyAction {
    std::optional<CalculatorCommand> command;
    char variable = 0;

    bool operator==(const KeyAction&) const = default;
};

// The calculator window's keyboard: the shortcut table, then typed characters (digits,
// operators, the xor sign, '='), then letters. The number pad counts as the main keys.
class KeyboardShortcuts {
public:
    KeyboardShortcuts();

    // Nothing for a key the calculator does not use.
    std::optional<KeyAction> Find(int key, Qt::KeyboardModifiers modifiers,
                                  const QString& text) const;

private:
    std::vector<std::pair<QKeyCombination, CalculatorCommand>> m_table;
};

}  // namespace zyk
