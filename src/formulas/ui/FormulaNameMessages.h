#pragma once

#include <QPointer>
#include <QWidget>

#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"

namespace zyk {

// The window side's messages with the formula name question in its own dialog: AskFormulaName
// (Save As of the calculator, Rename of "Get a formula") shows CFormulaNameDlg; every other
// message and question goes to `inner`.
class FormulaNameMessages : public UserMessages {
public:
    FormulaNameMessages(UserMessages& inner, const SettingsStore& store, QWidget* parent);

    MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> AskText(std::string_view title, std::string_view prompt,
                                       std::string_view initial) override;
    std::optional<std::string> AskFormulaName() override;

private:
    UserMessages& m_inner;
    const SettingsStore& m_store;
    QPointer<QWidget> m_parent;
};

}  // namespace zyk
