#pragma once

#include <QDialog>
#include <QPointer>

#include <filesystem>

#include "formulas/ConstantInsertTarget.h"
#include "formulas/ConstantsList.h"
#include "formulas/ui/CConstantEditDlg.h"
#include "shell/SettingsStore.h"
#include "shell/UserMessages.h"

class QComboBox;
class QListWidget;

namespace zyk {

class CSchemeWindowColors;
class CSkinButton;

// "Handle your constants...": the constant combo (names sorted without regard to case), the info
// list, Add, Edit, Delete and Insert, over a ConstantsList made with the window (so
// UserConstants.dat is read, and its messages appear, when the window is made). Add and Edit ask
// in "Add/Edit Constant", opened modal over this window; Insert hands the constant to the
// calculator. A tool window: Esc and the close box hide it.
class CConstantsDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 214;
    static constexpr int kHeightUnits = 136;

    CConstantsDlg(const std::filesystem::path& dataFolder, UserMessages& messages,
                  const SettingsStore& store, ConstantInsertTarget& calculator,
                  QWidget* parent = nullptr);

    QComboBox& ConstantCombo() { return *m_combo; }
    QListWidget& InfoList() { return *m_info; }
    CSkinButton& AddButton() { return *m_add; }
    CSkinButton& EditButton() { return *m_edit; }
    CSkinButton& DeleteButton() { return *m_delete; }
    CSkinButton& InsertButton() { return *m_insert; }
    // "Add/Edit Constant" while it is open.
    CConstantEditDlg* OpenEditDialog() const { return m_editDialog; }

private:
    void SelectionChanged(int index);
    void AddClicked();
    void EditClicked();
    void DeleteClicked();
    void InsertClicked();
    // Opens "Add/Edit Constant" with `fields`; `apply` gets the texts when it closes with OK.
    void AskFields(const ConstantRecord& fields,
                   void (ConstantsList::*apply)(const ConstantRecord&));
    // The combo's entries and selection, and the info list.
    void ShowList();

    ConstantsList m_list;
    const SettingsStore& m_store;
    ConstantInsertTarget& m_calculator;
    CSchemeWindowColors* m_colours;
    QComboBox* m_combo;
    QListWidget* m_info;
    CSkinButton* m_add;
    CSkinButton* m_edit;
    CSkinButton* m_delete;
    CSkinButton* m_insert;
    QPointer<CConstantEditDlg> m_editDialog;
};

}  // namespace zyk
