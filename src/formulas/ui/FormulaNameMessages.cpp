#include "formulas/ui/FormulaNameMessages.h"

#include "formulas/ui/CFormulaNameDlg.h"

namespace zyk {

FormulaNameMessages::FormulaNameMessages(UserMessages& inner, const SettingsStore& store,
                                         QWidget* parent)
    : m_inner(inner), m_store(store), m_parent(parent) {}

MessageAnswer FormulaNameMessages::ShowMessage(std::string_view text, std::string_view caption,
                                               MessageIcon icon, MessageButtons buttons) {
    return m_inner.ShowMessage(text, caption, icon, buttons);
}

std::optional<std::string> FormulaNameMessages::AskText(std::string_view title,
                                                        std::string_view prompt,
                                                        std::string_view initial) {
    return m_inner.AskText(title, prompt, initial);
}

std::optional<std::string> FormulaNameMessages::AskFormulaName() {
    return CFormulaNameDlg::Ask(m_store, m_parent.data(), &m_inner);
}

}  // namespace zyk
