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

bool HasSymbol(const std::vector<ConstantRecord>& constants, const std::string& symbol) {
    return std::any_of(constants.begin(), constants.end(),
                       [&symbol](const ConstantRecord& c) { return c.symbol == symbol; });
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
    const auto read = file.ReadInto(m_constants);
    if (m_constants.empty() && read != CUserConstantFile::ReadStatus::Unreadable) {
        for (const DefaultConstant& constant : kDefaultConstants) {
            m_constants.push_back(ConstantRecord{std::string(constant.name),
                                                 std::string(constant.symbol),
                                                 std::string(constant.value)});
        }
        file.WriteAll(m_constants);
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
    const auto found = std::find_if(m_constants.begin(), m_constants.end(),
                                    [&name](const ConstantRecord& c) { return c.name == name; });
    if (found == m_constants.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - m_constants.begin());
}

void ConstantsList::Add(const ConstantRecord& typed) {
    if (!FieldsComplete(typed)) {
        return;
    }
    ConstantRecord record = typed;
    // Each test runs once: a name or symbol that already ends in "+" is not tested again.
    if (Find(record.name)) {
        Warn(formula_text::kAddNameTaken);
        record.name += formula_text::kTakenSuffix;
    }
    if (HasSymbol(m_constants, record.symbol)) {
        Warn(formula_text::kAddSymbolTaken);
        record.symbol += formula_text::kTakenSuffix;
    }
    CUserConstantFile file(m_folder, m_messages);
    file.AppendRecord(record);
    m_comboSelection = AddComboEntry(record.name);
    ShowInfo(record);
    // The list follows the file, so a record the file refused is not offered for Insert.
    file.ReadInto(m_constants);
}

std::optional<ConstantRecord> ConstantsList::FieldsForEdit() const {
    const std::string text = ComboText();
    if (text.empty() || text == formula_text::kNoneConstant) {
        return std::nullopt;
    }
    const auto position = Find(text);
    if (!position) {
        return std::nullopt;
    }
    return m_constants[*position];
}

void ConstantsList::Edit(const ConstantRecord& typed) {
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
    EraseAt(m_constants, position);
    // Tested against the other constants only, so an unchanged name or symbol passes.
    ConstantRecord record = typed;
    if (Find(record.name)) {
        Warn(formula_text::kEditNameTaken);
        record.name += formula_text::kTakenSuffix;
    }
    if (HasSymbol(m_constants, record.symbol)) {
        Warn(formula_text::kEditSymbolTaken);
        record.symbol += formula_text::kTakenSuffix;
    }
    InsertAt(m_constants, position, record);
    CUserConstantFile(m_folder, m_messages).WriteAll(m_constants);

    EraseAt(m_comboEntries, static_cast<std::size_t>(m_comboSelection));
    m_comboSelection = AddComboEntry(record.name);
    ShowInfo(record);
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
    EraseAt(m_constants, *found);
    CUserConstantFile(m_folder, m_messages).WriteAll(m_constants);

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
    target.InsertConstant(m_constants[*found].symbol, m_constants[*found].value);
}

void ConstantsList::FillCombo() {
    m_comboEntries.clear();
    m_comboSelection = -1;
    for (const ConstantRecord& constant : m_constants) {
        AddComboEntry(constant.name);
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

void ConstantsList::ShowInfo(const ConstantRecord& constant) {
    m_infoLines = {constant.name, "", "  " + constant.symbol + " = " + constant.value};
}

// A combo entry the list does not hold (they disagree after a failed save) shows no constant.
void ConstantsList::ShowInfoFor(const std::string& name) {
    if (const auto found = Find(name)) {
        ShowInfo(m_constants[*found]);
    } else {
        m_infoLines = {std::string(formula_text::kNoConstantSelected)};
    }
}

void ConstantsList::Warn(std::string_view text) {
    m_messages.ShowMessage(text, "", MessageIcon::Warning, MessageButtons::Ok);
}

bool ConstantsList::FieldsComplete(const ConstantRecord& typed) {
    if (typed.name.empty() || typed.symbol.empty() || typed.value.empty()) {
        Warn(formula_text::kFieldsMissing);
        return false;
    }
    return true;
}

}  // namespace zyk
