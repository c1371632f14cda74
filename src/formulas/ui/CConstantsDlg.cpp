#include "formulas/ui/CConstantsDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "formulas/ui/CConstantEditDlg.h"
#include "formulas/ui/ConstantsDialogText.h"
#include "shell/ToolWindowTable.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogParts.h"

namespace zyk {
namespace {

namespace text = constants_dialog_text;

constexpr int kVisibleComboRows = 20;

}  // namespace

CConstantsDlg::CConstantsDlg(const std::filesystem::path& dataFolder, UserMessages& messages,
                             const SettingsStore& store, ConstantInsertTarget& calculator,
                             QWidget* parent)
    : QDialog(parent),
      m_list(dataFolder, messages),
      m_store(store),
      m_calculator(calculator),
      m_colours(new CSchemeWindowColors(*this, store)),
      m_combo(new QComboBox(this)),
      m_info(new QListWidget(this)),
      m_add(new CSkinButton(DialogText(text::kAdd), this)),
      m_edit(new CSkinButton(DialogText(text::kEdit), this)),
      m_delete(new CSkinButton(DialogText(text::kDelete), this)),
      m_insert(new CSkinButton(DialogText(text::kInsert), this)) {
    const DialogUnitMapper units =
        SetUpFixedDialog(*this, ToolWindowInfoFor(ToolWindowKind::Constants).title,
                         ArialDialogFont(), QSize(kWidthUnits, kHeightUnits));

    // The combo with Insert beside it, the info list across the window (its value line can be
    // long: "  pi = 3.1415926535897932384626433832795"), the file's commands along the bottom.
    units.Place(*new QLabel(DialogText(text::kSelectConstant), this), 7, 7, 150, 9);
    m_combo->setObjectName(QString::number(text::kIdcConstantCombo));
    m_combo->setMaxVisibleItems(kVisibleComboRows);
    // A drop-down list of limited height below the field, not a menu as tall as the screen.
    m_combo->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    units.Place(*m_combo, 7, 17, 150, 13);
    m_insert->setObjectName(QString::number(text::kIdcInsert));
    units.Place(*m_insert, 162, 16, 45, 15);

    units.Place(*new QLabel(DialogText(text::kConstant), this), 7, 37, 150, 9);
    // Read-only: it only tells about the chosen constant.
    m_info->setObjectName(QString::number(text::kIdcInfoList));
    MakeReadOnlyList(*m_info);
    units.Place(*m_info, 7, 47, 200, 56);

    m_add->setObjectName(QString::number(text::kIdcAdd));
    m_edit->setObjectName(QString::number(text::kIdcEdit));
    m_delete->setObjectName(QString::number(text::kIdcDelete));
    units.Place(*m_add, 7, 112, 45, 15);
    units.Place(*m_edit, 57, 112, 45, 15);
    units.Place(*m_delete, 107, 112, 45, 15);

    for (CSkinButton* button : {m_add, m_edit, m_delete}) {
        m_colours->AssignButton(*button, kEditLook);
    }
    m_colours->AssignButton(*m_insert, kInsertLook);
    for (CSkinButton* button : {m_insert, m_add, m_edit, m_delete}) {
        // Tab reaches the buttons: the one with the focus shows it.
        button->SetShowFocusFrame(true);
    }
    // Enter inserts the chosen constant.
    m_insert->setDefault(true);
    // Tab goes from the combo to Insert, then along the bottom row.
    setTabOrder(m_combo, m_insert);
    setTabOrder(m_insert, m_add);
    setTabOrder(m_add, m_edit);
    setTabOrder(m_edit, m_delete);

    connect(m_combo, &QComboBox::currentIndexChanged, this, &CConstantsDlg::SelectionChanged);
    connect(m_add, &CSkinButton::clicked, this, &CConstantsDlg::AddClicked);
    connect(m_edit, &CSkinButton::clicked, this, &CConstantsDlg::EditClicked);
    connect(m_delete, &CSkinButton::clicked, this, &CConstantsDlg::DeleteClicked);
    connect(m_insert, &CSkinButton::clicked, this, &CConstantsDlg::InsertClicked);

    ShowList();
    m_combo->setFocus();
}

void CConstantsDlg::SelectionChanged(int index) {
    m_list.SelectComboEntry(index);
    ShowList();
}

void CConstantsDlg::AddClicked() {
    AskFields(ConstantRecord{}, &ConstantsList::Add);
}

void CConstantsDlg::EditClicked() {
    if (const std::optional<ConstantRecord> fields = m_list.FieldsForEdit()) {
        AskFields(*fields, &ConstantsList::Edit);
    }
}

void CConstantsDlg::DeleteClicked() {
    m_list.Delete();
    ShowList();
}

void CConstantsDlg::InsertClicked() {
    m_list.Insert(m_calculator);
}

void CConstantsDlg::AskFields(const ConstantRecord& fields,
                              void (ConstantsList::*apply)(const ConstantRecord&)) {
    // Modal over this window, without a nested event loop: the answer arrives when it closes.
    auto* dialog = new CConstantEditDlg(m_store, fields, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_editDialog = dialog;
    connect(dialog, &QDialog::accepted, this, [this, dialog, apply] {
        (m_list.*apply)(dialog->Fields());
        ShowList();
    });
    dialog->open();
}

void CConstantsDlg::ShowList() {
    ShowComboEntries(*m_combo, m_list.SortedNames(), m_list.ComboSelection());
    ShowLines(*m_info, m_list.InfoLines());
}

}  // namespace zyk
