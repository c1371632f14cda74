#include "formulas/FormulaLibrary.h"

#include "formulas/BuiltInFormulas.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/FormulaMessages.h"

namespace zyk {

FormulaLibrary::FormulaLibrary(std::filesystem::path dataFolder, UserMessages& messages)
    : m_folder(std::move(dataFolder)), m_messages(messages) {
    for (const BuiltInFormula& row : BuiltInFormulas()) {
        m_names.emplace_back(row.name);
        m_displayForms.emplace_back(row.displayForm);
        m_calculatorForms.emplace_back(row.calculatorForm);
    }
    CUserFormulaFile(m_folder, m_messages).ReadInto(m_names, m_displayForms, m_calculatorForms);
}

void FormulaLibrary::Preset(const CurrentFormula& formula) {
    m_current = formula;
    m_selection = formula.index >= 0 && formula.index < EntryCount() ? formula.index : -1;
    m_deleteEnabled = formula.index < kNoFormulaIndex || formula.index >= kFirstUserFormulaIndex;
}

void FormulaLibrary::Select(int index) {
    if (index < 0 || index >= EntryCount()) {
        m_selection = -1;
        return;
    }
    m_selection = index;
    LoadEntry(index);
    m_deleteEnabled = IsUserEntry(index);
}

bool FormulaLibrary::Delete() {
    const int i = m_selection;
    if (!IsUserEntry(i)) {
        m_messages.ShowMessage(formula_text::kCanNotRemove, formula_text::kCanNotRemoveCaption,
                               MessageIcon::None, MessageButtons::Ok);
        return false;
    }
    const auto position = static_cast<std::size_t>(i);
    m_names.erase(m_names.begin() + static_cast<std::ptrdiff_t>(position));
    m_displayForms.erase(m_displayForms.begin() + static_cast<std::ptrdiff_t>(position));
    m_calculatorForms.erase(m_calculatorForms.begin() + static_cast<std::ptrdiff_t>(position));
    // The button keeps its state: pressing it again on the built-in entry now selected is refused.
    m_selection = i - 1;
    LoadEntry(m_selection);

    const auto firstUser = static_cast<std::ptrdiff_t>(kFirstUserFormulaIndex);
    CUserFormulaFile(m_folder, m_messages)
        .WriteAll(
            std::vector<std::string>(m_names.begin() + firstUser, m_names.end()),
            std::vector<std::string>(m_displayForms.begin() + firstUser, m_displayForms.end()),
            std::vector<std::string>(m_calculatorForms.begin() + firstUser,
                                     m_calculatorForms.end()));
    return true;
}

bool FormulaLibrary::CheckRename() {
    if (m_selection < kFirstUserFormulaIndex) {
        m_messages.ShowMessage(formula_text::kCanNotRename, "", MessageIcon::Warning,
                               MessageButtons::Ok);
        return false;
    }
    return true;
}

bool FormulaLibrary::Rename(const std::string& newName) {
    if (!CheckRename()) {
        return false;
    }
    // The list takes the new name even when the file could not store it.
    CUserFormulaFile(m_folder, m_messages)
        .RenameRecord(m_selection - kFirstUserFormulaIndex, newName);
    m_names[static_cast<std::size_t>(m_selection)] = newName;
    return true;
}

std::vector<std::string> FormulaLibrary::InfoLines() const {
    if (m_selection <= kNoFormulaIndex || m_selection >= EntryCount()) {
        return {std::string(formula_text::kNoFormulaSelected)};
    }
    const auto i = static_cast<std::size_t>(m_selection);
    const std::string_view suffix =
        IsUserEntry(m_selection) ? formula_text::kUserSuffix : formula_text::kBuiltInSuffix;
    return {m_names[i] + std::string(suffix), " ", "  " + m_displayForms[i]};
}

void FormulaLibrary::LoadEntry(int index) {
    CurrentFormula loaded;
    loaded.index = index;
    if (const auto setup = SpecialSetup(index)) {
        loaded.displayForm = std::string(setup->solverText);
        loaded.variableCount = setup->variableCount;
        for (int k = 0; k < setup->variableCount; ++k) {
            loaded.variableNames.emplace_back(setup->variableNames[static_cast<std::size_t>(k)]);
        }
    } else if (index == kNoFormulaIndex) {
        loaded.displayForm = std::string(formula_text::kNoFormulaDisplayForm);
    } else {
        const auto i = static_cast<std::size_t>(index);
        loaded.displayForm = m_displayForms[i];
        loaded.calculatorForm = m_calculatorForms[i];
    }
    m_current = std::move(loaded);
}

bool FormulaLibrary::IsUserEntry(int index) const {
    return index >= kFirstUserFormulaIndex && index < EntryCount();
}

}  // namespace zyk
