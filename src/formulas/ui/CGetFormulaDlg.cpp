#include "formulas/ui/CGetFormulaDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "formulas/ui/FormulaDialogText.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogUnitMapper.h"

namespace zyk {
namespace {

namespace text = formula_dialog_text;

// Rename and Delete change the file: the family of the other dialogs' editing buttons. OK and
// Cancel close, like the About box's OK.
constexpr int kEditFamily = 3;
constexpr int kEditTextColour = 1;
constexpr int kCloseFamily = 2;
constexpr int kCloseTextColour = 2;
constexpr int kDialogPoints = 8;
// Enough rows that the drop-down rarely needs its scroll bar.
constexpr int kVisibleComboRows = 20;

QString Text(std::string_view bytes) {
    return ToQString(bytes, false);
}

}  // namespace

CGetFormulaDlg::CGetFormulaDlg(const std::filesystem::path& dataFolder, UserMessages& messages,
                               const SettingsStore& store, QWidget* parent)
    : QDialog(parent),
      m_messages(messages),
      m_library(dataFolder, messages),
      m_colours(new CSchemeWindowColors(*this, store)),
      m_combo(new QComboBox(this)),
      m_info(new QListWidget(this)),
      m_rename(new CSkinButton(Text(text::kRename), this)),
      m_delete(new CSkinButton(Text(text::kDelete), this)),
      m_ok(new CSkinButton(Text(text::kOk), this)),
      m_cancel(new CSkinButton(Text(text::kCancel), this)) {
    setWindowTitle(Text(text::kGetFormulaTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setFont(QFont(QStringLiteral("Arial"), kDialogPoints));
    const DialogUnitMapper units(font());
    setFixedSize(units.ToPixels(kWidthUnits, kHeightUnits));

    auto* prompt = new QLabel(Text(text::kChooseFormula), this);
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
    m_info->setSelectionMode(QAbstractItemView::NoSelection);
    m_info->setFocusPolicy(Qt::NoFocus);
    units.Place(*m_info, 7, 54, 193, 48);

    units.Place(*m_ok, 96, 110, 50, 14);
    units.Place(*m_cancel, 150, 110, 50, 14);
    m_ok->setDefault(true);

    m_colours->AssignButton(*m_rename, kEditFamily, kEditTextColour);
    m_colours->AssignButton(*m_delete, kEditFamily, kEditTextColour);
    m_colours->AssignButton(*m_ok, kCloseFamily, kCloseTextColour);
    m_colours->AssignButton(*m_cancel, kCloseFamily, kCloseTextColour);

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
    const QSignalBlocker blocker(m_combo);
    const auto& names = m_library.Names();
    const bool sameCount = m_combo->count() == static_cast<int>(names.size());
    if (!sameCount) {
        m_combo->clear();
    }
    for (std::size_t index = 0; index < names.size(); ++index) {
        const QString name = ToQString(names[index]);
        const int row = static_cast<int>(index);
        if (!sameCount) {
            m_combo->addItem(name);
        } else if (m_combo->itemText(row) != name) {
            m_combo->setItemText(row, name);
        }
    }
    m_combo->setCurrentIndex(m_library.Selection());
    m_delete->setEnabled(m_library.IsDeleteEnabled());

    m_info->clear();
    for (const std::string& line : m_library.InfoLines()) {
        m_info->addItem(ToQString(line));
    }
}

}  // namespace zyk
