#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"

class QLineEdit;

namespace zyk {

class CSchemeWindowColors;
class CSkinButton;

// "Formula name ?": asks the name of a formula (Save As, and Rename in "Get a formula"). The
// field starts empty; whatever it holds on OK is the name, the empty text included. OK is refused
// while the field holds a character the formula file cannot store, with a message that names it
// (through `messages`; a beep when there are none).
class CFormulaNameDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 186;
    static constexpr int kHeightUnits = 58;

    explicit CFormulaNameDlg(const SettingsStore& store, QWidget* parent = nullptr,
                             UserMessages* messages = nullptr);

    // Runs the dialog: the name on OK, nothing on Cancel.
    static std::optional<std::string> Ask(const SettingsStore& store, QWidget* parent,
                                          UserMessages* messages = nullptr);

    // The accepted name as Windows-1252 bytes.
    const std::string& Name() const { return m_name; }
    QLineEdit& NameField() { return *m_field; }
    CSkinButton& OkButton() { return *m_ok; }
    CSkinButton& CancelButton() { return *m_cancel; }

    void accept() override;

private:
    CSchemeWindowColors* m_colours;
    QLineEdit* m_field;
    CSkinButton* m_ok;
    CSkinButton* m_cancel;
    UserMessages* m_messages;
    std::string m_name;
};

}  // namespace zyk
