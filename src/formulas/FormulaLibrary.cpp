#include "formulas/FormulaLibrary.h"

#include "formulas/BuiltInFormulas.h"
#include "formulas/CUserFormulaFile.h"
#include "formulas/FormulaMessages.h"

namespace zyk {

FormulaLibrary::FormulaLibrary(std::filesystem::path dataFolder, UserMessages& messages)
    : m_folder(std::move(dataFolder)), m_messages(messages) {
    for (const BuiltInFormula& row : BuiltInFormulas()) {
        m_formulas.push_back(FormulaRecord{std::string(row.name), std::string(row.displayForm),
                                           std::string(row.calculatorForm)});
    }
    CUserFormulaFile(m_folder, m_messages).ReadInto(m_formulas);
}

std::vector<std::string> FormulaLibrary::Names() const {
    std::vector<std::string> names;
    names.reserve(m_formulas.size());
    for (const FormulaRecord& formula : m_formulas) {
        names.push_back(formula.name);
    }
    return names;
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
    m_formulas.erase(m_formulas.begin() + i);
    // The button keeps its state: pressing it again on the built-in entry now selected is refused.
    m_selection = i - 1;
    LoadEntry(m_selection);

    CUserFormulaFile(m_folder, m_messages)
        .WriteAll(std::vector<FormulaRecord>(m_formulas.begin() + kFirstUserFormulaIndex,
                                             m_formulas.end()));
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
    m_formulas[static_cast<std::size_t>(m_selection)].name = newName;
    return true;
}

std::vector<std::string> FormulaLibrary::InfoLines() const {
    if (m_selection <= kNoFormulaIndex || m_selection >= EntryCount()) {
        return {std::string(formula_text::kNoFormulaSelected)};
    }
    const auto i = static_cast<std::size_t>(m_selection);
    const std::string_view suffix =
        IsUserEntry(m_selection) ? formula_text::kUserSuffix : formula_text::kBuiltInSuffix;
    return {m_formulas[i].name + std::string(suffix), " ", "  " + m_formulas[i].displayForm};
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
        const FormulaRecord& formula = m_formulas[static_cast<std::size_t>(index)];
        loaded.displayForm = formula.displayForm;
        loaded.calculatorForm = formula.calculatorForm;
    }
    m_current = std::move(loaded);
}

bool FormulaLibrary::IsUserEntry(int index) const {
    return index >= kFirstUserFormulaIndex && index < EntryCount();
}

}  // namespace zyk
