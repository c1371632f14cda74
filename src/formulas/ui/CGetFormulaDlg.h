#pragma once

#include <QDialog>

#include <filesystem>

#include "formulas/FormulaLibrary.h"
#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"

class QComboBox;
class QListWidget;

namespace zyk {

class CSchemeWindowColors;
class CSkinButton;

// "Get a formula": the formula combo, Rename and Delete beside it, the read-only info list, OK
// and Cancel, over a FormulaLibrary built afresh for this dialog (so the user formulas are read
// from UserEq.dat every time; its messages appear while the dialog is made). The library decides;
// the dialog shows it and forwards the clicks. Rename asks the new name through `messages`
// (AskFormulaName).
class CGetFormulaDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 207;
    static constexpr int kHeightUnits = 132;

    CGetFormulaDlg(const std::filesystem::path& dataFolder, UserMessages& messages,
                   const SettingsStore& store, QWidget* parent = nullptr);

    // The formula mode's current formula: selects its entry.
    void Preset(const CurrentFormula& formula);
    // What OK hands back.
    const CurrentFormula& Current() const { return m_library.Current(); }

    QComboBox& FormulaCombo() { return *m_combo; }
    QListWidget& InfoList() { return *m_info; }
    CSkinButton& RenameButton() { return *m_rename; }
    CSkinButton& DeleteButton() { return *m_delete; }
    CSkinButton& OkButton() { return *m_ok; }
    CSkinButton& CancelButton() { return *m_cancel; }

private:
    void SelectionChanged(int index);
    void RenameClicked();
    void DeleteClicked();
    // Shows the library: combo entries and selection, Delete's state, the info list.
    void ShowLibrary();

    UserMessages& m_messages;
    FormulaLibrary m_library;
    CSchemeWindowColors* m_colours;
    QComboBox* m_combo;
    QListWidget* m_info;
    CSkinButton* m_rename;
    CSkinButton* m_delete;
    CSkinButton* m_ok;
    CSkinButton* m_cancel;
};

}  // namespace zyk
