#include "formulas/ui/CConstantEditDlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "formulas/ui/ConstantsDialogText.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CNumEdit.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogParts.h"

namespace zyk {
namespace {

namespace text = constants_dialog_text;

}  // namespace

CConstantEditDlg::CConstantEditDlg(const SettingsStore& store, const ConstantRecord& initial,
                                   QWidget* parent)
    : QDialog(parent),
      m_colours(new CSchemeWindowColors(*this, store)),
      m_name(new QLineEdit(this)),
      m_symbol(new QLineEdit(this)),
      m_value(new CNumEdit(this)),
      m_ok(new CSkinButton(DialogText(text::kOk), this)),
      m_cancel(new CSkinButton(DialogText(text::kCancel), this)) {
    const DialogUnitMapper units = SetUpFixedDialog(*this, text::kEditTitle, ArialDialogFont(),
                                                    QSize(kWidthUnits, kHeightUnits));
    setModal(true);

    units.Place(*new QLabel(DialogText(text::kEnterName), this), 7, 7, 185, 9);
    m_name->setObjectName(QString::number(text::kIdcName));
    units.Place(*m_name, 7, 17, 185, 13);
    units.Place(*new QLabel(DialogText(text::kEnterSymbolAndValue), this), 7, 38, 185, 9);
    units.Place(*new QLabel(DialogText(text::kSymbol), this), 7, 51, 50, 9);
    m_symbol->setObjectName(QString::number(text::kIdcSymbol));
    units.Place(*m_symbol, 7, 61, 50, 13);
    units.Place(*new QLabel(DialogText(text::kValue), this), 63, 51, 129, 9);
    m_value->setObjectName(QString::number(text::kIdcValue));
    units.Place(*m_value, 63, 61, 129, 13);
    units.Place(*m_ok, 88, 89, 50, 15);
    units.Place(*m_cancel, 142, 89, 50, 15);

    m_ok->setDefault(true);
    m_colours->AssignButton(*m_ok, kActionLook);
    m_colours->AssignButton(*m_cancel, kActionLook);
    m_ok->SetShowFocusFrame(true);
    m_cancel->SetShowFocusFrame(true);
    connect(m_ok, &CSkinButton::clicked, this, &CConstantEditDlg::accept);
    connect(m_cancel, &CSkinButton::clicked, this, &CConstantEditDlg::reject);

    m_name->setText(ToQString(initial.name, false));
    m_symbol->setText(ToQString(initial.symbol, false));
    m_value->setText(ToQString(initial.value, false));
    m_name->setFocus();
}

void CConstantEditDlg::accept() {
    ConstantRecord typed;
    const std::pair<QLineEdit*, std::string*> fields[] = {
        {m_name, &typed.name}, {m_symbol, &typed.symbol}, {m_value, &typed.value}};
    for (const auto& [field, bytes] : fields) {
        const std::optional<std::string> converted = FromQString(field->text());
        if (!converted) {
            QApplication::beep();
            field->setFocus();
            return;
        }
        *bytes = *converted;
    }
    m_fields = std::move(typed);
    QDialog::accept();
}

}  // namespace zyk
