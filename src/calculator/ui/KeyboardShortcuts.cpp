#include "calculator/ui/KeyboardShortcuts.h"

#include <QKeySequence>

#include "calculator/KeypadTable.h"
#include "shell/qt/QtText.h"

namespace zyk {

KeyboardShortcuts::KeyboardShortcuts() {
    m_table.reserve(kShortcuts.size());
    for (const Shortcut& shortcut : kShortcuts) {
        const QKeySequence sequence = QKeySequence::fromString(
            QString::fromLatin1(shortcut.keys.data(), static_cast<int>(shortcut.keys.size())),
            QKeySequence::PortableText);
        if (sequence.count() == 1) {
            m_table.emplace_back(sequence[0], shortcut.command);
        }
    }
}

std::optional<KeyAction> KeyboardShortcuts::Find(int key, Qt::KeyboardModifiers modifiers,
                                                 const QString& text) const {
    const bool numberPad = modifiers.testFlag(Qt::KeypadModifier);
    const Qt::KeyboardModifiers chord =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);

    const QKeyCombination pressed(chord, static_cast<Qt::Key>(key));
    for (const auto& [combination, command] : m_table) {
        if (combination == pressed) {
            return KeyAction{command};
        }
    }
    if (chord & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    // The pad's decimal key types ',' on some keyboard layouts; it is still the point.
    if (numberPad && (key == Qt::Key_Comma || key == Qt::Key_Period)) {
        return KeyAction{CalculatorCommand::Point};
    }
    // Letters by key, not by text, so Caps Lock does not change the variable.
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const char offset = static_cast<char>(key - Qt::Key_A);
        const bool upper = chord.testFlag(Qt::ShiftModifier);
        return KeyAction{std::nullopt, static_cast<char>((upper ? 'A' : 'a') + offset)};
    }
    if (text.size() != 1) {
        return std::nullopt;
    }
    const std::optional<std::string> bytes = FromQString(text);
    if (!bytes || bytes->size() != 1) {
        return std::nullopt;
    }
    if (const auto command = CommandForCharacter((*bytes)[0])) {
        return KeyAction{*command};
    }
    return std::nullopt;
}

}  // namespace zyk
