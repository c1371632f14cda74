#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "formulas/FormulaRecord.h"
#include "shell/UserMessages.h"

namespace zyk {

// The formula the library hands back to formula mode (and is preset with from it).
struct CurrentFormula {
    int index = 0;               // 0 none/typed, 1-9 special, 10-50 plain built-in, 51+ user
    std::string displayForm;     // for a special formula: its solver text
    std::string calculatorForm;  // empty for special formulas and index 0
    int variableCount = 0;       // special formulas only
    std::vector<std::string> variableNames;  // special formulas only, in solver order
};

// The model behind the "Get a formula" dialog: the formula list (built-in rows 0-50, then the
// user formulas from UserEq.dat as 51, 52, ...), the combo's selection, the current formula, the
// Delete button's state and the info list. The dialog only shows this model and forwards clicks.
// Build a new one every time the dialog opens, so the user formulas are read afresh.
//
// Use: construct (file messages appear here), Preset() from formula mode, show Names() with
// Selection() selected; on a selection change call Select(); Delete() for the Delete button;
// for Rename call CheckRename(), ask the name, then Rename(name). On OK read Current().
class FormulaLibrary {
public:
    FormulaLibrary(std::filesystem::path dataFolder, UserMessages& messages);

    // Makes `formula` the current formula and selects its entry without reloading it (no entry
    // is selected when its index is not in the list). Delete is enabled when the index is
    // outside 0-50.
    void Preset(const CurrentFormula& formula);

    // The combo's selection change to entry `index`: loads that entry as the current formula.
    // An index outside the list clears the selection and keeps the current formula.
    void Select(int index);

    // Refuses the Delete button on anything but a user formula ("You can not remove this
    // formula!  "); otherwise removes it, selects the entry before it and rewrites UserEq.dat.
    // Returns whether an entry was removed.
    bool Delete();

    // Step one of the Rename button: shows the refusal and returns false when the selected entry
    // is not a user formula; true when the dialog may ask for the new name.
    bool CheckRename();

    // Gives the selected user formula `newName` (empty allowed) in the list and in UserEq.dat.
    // The list takes the name even when the file reports an error. Returns false (with the
    // refusal message) when the selected entry is not a user formula.
    bool Rename(const std::string& newName);

    // The combo's entries (the formulas' names), in index order.
    std::vector<std::string> Names() const;
    int EntryCount() const { return static_cast<int>(m_formulas.size()); }

    // The selected combo entry, -1 when none.
    int Selection() const { return m_selection; }
    bool IsDeleteEnabled() const { return m_deleteEnabled; }

    // The info list: name + ": (User)" / ": (Built in)", " ", "  " + display form; or the single
    // line "There is no formula selected!".
    std::vector<std::string> InfoLines() const;

    const CurrentFormula& Current() const { return m_current; }

private:
    void LoadEntry(int index);
    bool IsUserEntry(int index) const;

    std::filesystem::path m_folder;
    UserMessages& m_messages;
    std::vector<FormulaRecord> m_formulas;  // built-in rows 0-50, then the user formulas
    CurrentFormula m_current;
    int m_selection = 0;
    bool m_deleteEnabled = false;
};

}  // namespace zyk
