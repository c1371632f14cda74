#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "formulas/ConstantInsertTarget.h"
#include "formulas/ConstantRecord.h"
#include "shell/UserMessages.h"

namespace zyk {

// The model behind the constants window: the user's constants (in file order, kept in step with
// UserConstants.dat), the combo (names sorted without regard to case,
// a selection), the info list and the Add / Edit / Delete / Insert commands with their messages.
// The window only shows SortedNames(), ComboSelection() and InfoLines() and forwards clicks.
class ConstantsList {
public:
    // Reads UserConstants.dat (its messages appear now); when it yields no constant, the 17
    // default constants are taken and written to the file, unless the file exists but could not
    // be read (then the list stays empty). Then the combo is filled and its first entry selected.
    ConstantsList(std::filesystem::path dataFolder, UserMessages& messages);

    // The constants in file order.
    const std::vector<ConstantRecord>& Constants() const { return m_constants; }

    // The combo's entries (names sorted without regard to case), its selected entry (-1 none) and
    // its text (the selected entry, or empty).
    const std::vector<std::string>& SortedNames() const { return m_comboEntries; }
    int ComboSelection() const { return m_comboSelection; }
    std::string ComboText() const;

    // The combo's selection change to entry `comboIndex` of SortedNames().
    void SelectComboEntry(int comboIndex);

    // The info list: name, "", "  symbol = value"; or "No constant selected!".
    const std::vector<std::string>& InfoLines() const { return m_infoLines; }

    // The first position (file order) whose name equals `name` exactly.
    std::optional<std::size_t> Find(const std::string& name) const;

    // Add button, given the texts of the edit dialog after OK (the dialog starts empty).
    void Add(const ConstantRecord& typed);

    // Edit button, step one: the texts to open the edit dialog with, or nothing when Edit does
    // nothing (combo text empty, "None", or no constant of that name).
    std::optional<ConstantRecord> FieldsForEdit() const;

    // Edit button, after OK in the edit dialog: replaces the constant named by the combo text.
    void Edit(const ConstantRecord& typed);

    // Delete button: removes the constant named by the combo text (no question asked).
    void Delete();

    // Insert button: hands the selected constant's symbol and value to `target`; reports a
    // possibly corrupt file when the combo text names no constant.
    void Insert(ConstantInsertTarget& target);

private:
    void FillCombo();
    int AddComboEntry(const std::string& name);  // returns the entry's position
    void ShowInfo(const ConstantRecord& constant);
    void ShowInfoFor(const std::string& name);
    void Warn(std::string_view text);
    bool FieldsComplete(const ConstantRecord& typed);

    std::filesystem::path m_folder;
    UserMessages& m_messages;
    std::vector<ConstantRecord> m_constants;
    std::vector<std::string> m_comboEntries;
    int m_comboSelection = -1;
    std::vector<std::string> m_infoLines;
};

}  // namespace zyk
