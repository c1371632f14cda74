#include "formulas/ui/CGetFormulaDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "formulas/ui/FormulaDialogText.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogParts.h"

namespace zyk {
namespace {

namespace text = formula_dialog_text;

// Enough rows that the drop-down rarely needs its scroll bar.
constexpr int kVisibleComboRows = 20;

}  // namespace

CGetFormulaDlg::CGetFormulaDlg(const std::filesystem::path& dataFolder, UserMessages& messages,
                               const SettingsStore& store, QWidget* parent)
    : QDialog(parent),
      m_messages(messages),
      m_library(dataFolder, messages),
      m_colours(new CSchemeWindowColors(*this, store)),
      m_combo(new QComboBox(this)),
      m_info(new QListWidget(this)),
      m_rename(new CSkinButton(DialogText(text::kRename), this)),
      m_delete(new CSkinButton(DialogText(text::kDelete), this)),
      m_ok(new CSkinButton(DialogText(text::kOk), this)),
      m_cancel(new CSkinButton(DialogText(text::kCancel), this)) {
    const DialogUnitMapper units = SetUpFixedDialog(
        *this, text::kGetFormulaTitle, ArialDialogFont(), QSize(kWidthUnits, kHeightUnits));
    setModal(true);

    auto* prompt = new QLabel(DialogText(text::kChooseFormula), this);
    units.Place(*prompt, 7, 7, 140, 9);

    m_combo->setObjectName(QString::number(text::kIdcFormulaCombo));
    m_combo->setMaxVisibleItems(kVisibleComboRows);
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    units.Place(*m_combo, 7, 18, 140, 13);

    m_rename->setObjectName(QString::number(text::kIdcRename));
    m_delete->setObjectName(QString::number(text::kIdcDelete));
    units.Place(*m_rename, 153, 17, 47, 14);
    units.Place(*m_delete, 153, 34, 47, 14);

    // Read-only: it only tells about the chosen formula.
    m_info->setObjectName(QString::number(text::kIdcInfoList));
    MakeReadOnlyList(*m_info);
    units.Place(*m_info, 7, 54, 193, 48);

    units.Place(*m_ok, 96, 110, 50, 14);
    units.Place(*m_cancel, 150, 110, 50, 14);
    m_ok->setDefault(true);

    m_colours->AssignButton(*m_rename, kEditLook);
    m_colours->AssignButton(*m_delete, kEditLook);
    m_colours->AssignButton(*m_ok, kActionLook);
    m_colours->AssignButton(*m_cancel, kActionLook);

    connect(m_combo, &QComboBox::currentIndexChanged, this, &CGetFormulaDlg::SelectionChanged);
    connect(m_rename, &CSkinButton::clicked, this, &CGetFormulaDlg::RenameClicked);
    connect(m_delete, &CSkinButton::clicked, this, &CGetFormulaDlg::DeleteClicked);
    connect(m_ok, &CSkinButton::clicked, this, &CGetFormulaDlg::accept);
    connect(m_cancel, &CSkinButton::clicked, this, &CGetFormulaDlg::reject);

    ShowLibrary();
}

void CGetFormulaDlg::Preset(const CurrentFormula& formula) {
    m_library.Preset(formula);
    ShowLibrary();
}

void CGetFormulaDlg::SelectionChanged(int index) {
    m_library.Select(index);
    ShowLibrary();
}

void CGetFormulaDlg::RenameClicked() {
    if (!m_library.CheckRename()) {
        return;
    }
    const std::optional<std::string> name = m_messages.AskFormulaName();
    if (!name) {
        return;
    }
    m_library.Rename(*name);
    ShowLibrary();
}

void CGetFormulaDlg::DeleteClicked() {
    m_library.Delete();
    ShowLibrary();
}

void CGetFormulaDlg::ShowLibrary() {
    ShowComboEntries(*m_combo, m_library.Names(), m_library.Selection());
    m_delete->setEnabled(m_library.IsDeleteEnabled());
    ShowLines(*m_info, m_library.InfoLines());
}

}  // namespace zyk
