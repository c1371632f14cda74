#include "formulas/ConstantsList.h"

#include <algorithm>

#include "formulas/CUserConstantFile.h"
#include "formulas/DefaultConstants.h"
#include "formulas/FormulaMessages.h"

namespace zyk {
namespace {

// Folds ASCII letters only, so the order does not depend on the process's locale.
unsigned char FoldCase(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// The combo's order: alphabetical without regard to case (equal names keep their adding order).
bool ComesBefore(const std::string& left, const std::string& right) {
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char a, char b) { return FoldCase(a) < FoldCase(b); });
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

template <typename T>
void EraseAt(std::vector<T>& list, std::size_t position) {
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
}

template <typename T>
void InsertAt(std::vector<T>& list, std::size_t position, T value) {
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), std::move(value));
}

}  // namespace

ConstantsList::ConstantsList(std::filesystem::path dataFolder, UserMessages& messages)
    : m_folder(std::move(dataFolder)), m_messages(messages) {
    CUserConstantFile file(m_folder, m_messages);
    // A file that exists but cannot be read keeps what it holds: the window lists no constant and
    // writes nothing over it (Add reads the file first and reports the same failure).
    const auto read = file.ReadInto(m_names, m_symbols, m_values);
    if (m_names.empty() && read != CUserConstantFile::ReadStatus::Unreadable) {
        m_symbols.clear();
        m_values.clear();
        for (const DefaultConstant& constant : kDefaultConstants) {
            m_names.emplace_back(constant.name);
            m_symbols.emplace_back(constant.symbol);
            m_values.emplace_back(constant.value);
        }
        file.WriteAll(m_names, m_symbols, m_values);
    }
    FillCombo();
    if (!m_comboEntries.empty()) {
        SelectComboEntry(0);
    }
}

std::string ConstantsList::ComboText() const {
    if (m_comboSelection < 0 || m_comboSelection >= static_cast<int>(m_comboEntries.size())) {
        return {};
    }
    return m_comboEntries[static_cast<std::size_t>(m_comboSelection)];
}

void ConstantsList::SelectComboEntry(int comboIndex) {
    if (comboIndex < 0 || comboIndex >= static_cast<int>(m_comboEntries.size())) {
        return;
    }
    m_comboSelection = comboIndex;
    ShowInfoFor(ComboText());
}

std::optional<std::size_t> ConstantsList::Find(const std::string& name) const {
    const auto found = std::find(m_names.begin(), m_names.end(), name);
    if (found == m_names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - m_names.begin());
}

void ConstantsList::Add(const ConstantFields& typed) {
    if (!FieldsComplete(typed)) {
        return;
    }
    ConstantFields record = typed;
    // Each test runs once: a name or symbol that already ends in "+" is not tested again.
    if (Find(record.name)) {
        Warn(formula_text::kAddNameTaken);
        record.name += formula_text::kTakenSuffix;
    }
    if (Contains(m_symbols, record.symbol)) {
        Warn(formula_text::kAddSymbolTaken);
        record.symbol += formula_text::kTakenSuffix;
    }
    CUserConstantFile file(m_folder, m_messages);
    file.AppendRecord(record.name, record.symbol, record.value);
    m_comboSelection = AddComboEntry(record.name);
    ShowInfo(record.name, record.symbol, record.value);
    // The lists follow the file, so a record the file refused is not offered for Insert.
    file.ReadInto(m_names, m_symbols, m_values);
}

std::optional<ConstantFields> ConstantsList::FieldsForEdit() const {
    const std::string text = ComboText();
    if (text.empty() || text == formula_text::kNoneConstant) {
        return std::nullopt;
    }
    const auto position = Find(text);
    if (!position) {
        return std::nullopt;
    }
    return ConstantFields{m_names[*position], m_symbols[*position], m_values[*position]};
}

void ConstantsList::Edit(const ConstantFields& typed) {
    const std::string oldName = ComboText();
    if (oldName.empty() || oldName == formula_text::kNoneConstant) {
        return;
    }
    const auto found = Find(oldName);
    if (!found) {
        return;
    }
    if (!FieldsComplete(typed)) {
        return;
    }
    const std::size_t position = *found;
    EraseAt(m_names, position);
    EraseAt(m_symbols, position);
    EraseAt(m_values, position);
    // Tested against the other constants only, so an unchanged name or symbol passes.
    ConstantFields record = typed;
    if (Find(record.name)) {
        Warn(formula_text::kEditNameTaken);
        record.name += formula_text::kTakenSuffix;
    }
    if (Contains(m_symbols, record.symbol)) {
        Warn(formula_text::kEditSymbolTaken);
        record.symbol += formula_text::kTakenSuffix;
    }
    InsertAt(m_names, position, record.name);
    InsertAt(m_symbols, position, record.symbol);
    InsertAt(m_values, position, record.value);
    CUserConstantFile(m_folder, m_messages).WriteAll(m_names, m_symbols, m_values);

    EraseAt(m_comboEntries, static_cast<std::size_t>(m_comboSelection));
    m_comboSelection = AddComboEntry(record.name);
    ShowInfo(record.name, record.symbol, record.value);
}

void ConstantsList::Delete() {
    const std::string name = ComboText();
    if (name.empty()) {
        return;
    }
    const auto found = Find(name);
    if (!found) {
        return;
    }
    EraseAt(m_names, *found);
    EraseAt(m_symbols, *found);
    EraseAt(m_values, *found);
    CUserConstantFile(m_folder, m_messages).WriteAll(m_names, m_symbols, m_values);

    const int removed = m_comboSelection;
    EraseAt(m_comboEntries, static_cast<std::size_t>(removed));
    if (m_comboEntries.empty()) {
        m_comboSelection = -1;
        m_infoLines = {std::string(formula_text::kNoConstantSelected)};
        return;
    }
    SelectComboEntry(std::max(removed - 1, 0));
}

void ConstantsList::Insert(ConstantInsertTarget& target) {
    const auto found = Find(ComboText());
    if (!found) {
        Warn(formula_text::kConstantFileMayBeCorrupt);
        return;
    }
    target.InsertConstant(m_symbols[*found], m_values[*found]);
}

void ConstantsList::FillCombo() {
    m_comboEntries.clear();
    m_comboSelection = -1;
    for (const std::string& name : m_names) {
        AddComboEntry(name);
    }
}

int ConstantsList::AddComboEntry(const std::string& name) {
    // The position is taken before the insertion, which may move the entries elsewhere.
    const auto position =
        std::upper_bound(m_comboEntries.begin(), m_comboEntries.end(), name, ComesBefore) -
        m_comboEntries.begin();
    m_comboEntries.insert(m_comboEntries.begin() + position, name);
    return static_cast<int>(position);
}

void ConstantsList::ShowInfo(const std::string& name, const std::string& symbol,
                             const std::string& value) {
    m_infoLines = {name, "", "  " + symbol + " = " + value};
}

// A combo entry the lists do not hold (they disagree after a failed save) shows no constant.
void ConstantsList::ShowInfoFor(const std::string& name) {
    if (const auto found = Find(name)) {
        ShowInfo(m_names[*found], m_symbols[*found], m_values[*found]);
    } else {
        m_infoLines = {std::string(formula_text::kNoConstantSelected)};
    }
}

void ConstantsList::Warn(std::string_view text) {
    m_messages.ShowMessage(text, "", MessageIcon::Warning, MessageButtons::Ok);
}

bool ConstantsList::FieldsComplete(const ConstantFields& typed) {
    if (typed.name.empty() || typed.symbol.empty() || typed.value.empty()) {
        Warn(formula_text::kFieldsMissing);
        return false;
    }
    return true;
}

}  // namespace zyk
