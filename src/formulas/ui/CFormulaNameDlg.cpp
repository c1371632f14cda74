#include "formulas/ui/CFormulaNameDlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "formulas/ui/FormulaDialogText.h"
#include "shell/UserMessages.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogParts.h"

namespace zyk {
namespace {

namespace text = formula_dialog_text;

// The first character of `name` that has no Windows-1252 byte, as "U+XXXX", or empty.
std::string FirstCharacterWithoutAByte(const QString& name) {
    for (const char32_t c : name.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (!FromQString(one)) {
            return "U+" + QString::number(c, 16)
                              .toUpper()
                              .rightJustified(4, QLatin1Char('0'))
                              .toStdString();
        }
    }
    return {};
}

}  // namespace

CFormulaNameDlg::CFormulaNameDlg(const SettingsStore& store, QWidget* parent,
                                 UserMessages* messages)
    : QDialog(parent),
      m_colours(new CSchemeWindowColors(*this, store)),
      m_field(new QLineEdit(this)),
      m_ok(new CSkinButton(DialogText(text::kOk), this)),
      m_cancel(new CSkinButton(DialogText(text::kCancel), this)),
      m_messages(messages) {
    const DialogUnitMapper units = SetUpFixedDialog(*this, kFormulaNameTitle, ArialDialogFont(),
                                                    QSize(kWidthUnits, kHeightUnits));
    setModal(true);

    auto* prompt = new QLabel(DialogText(kFormulaNamePrompt), this);
    units.Place(*prompt, 7, 7, 172, 9);
    m_field->setObjectName(QString::number(text::kIdcFormulaName));
    units.Place(*m_field, 7, 18, 172, 13);
    units.Place(*m_ok, 75, 38, 50, 14);
    units.Place(*m_cancel, 129, 38, 50, 14);
    m_ok->setDefault(true);
    m_colours->AssignButton(*m_ok, kActionLook);
    m_colours->AssignButton(*m_cancel, kActionLook);
    connect(m_ok, &CSkinButton::clicked, this, &CFormulaNameDlg::accept);
    connect(m_cancel, &CSkinButton::clicked, this, &CFormulaNameDlg::reject);
    m_field->setFocus();
}

std::optional<std::string> CFormulaNameDlg::Ask(const SettingsStore& store, QWidget* parent,
                                                UserMessages* messages) {
    CFormulaNameDlg dialog(store, parent, messages);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Name();
}

void CFormulaNameDlg::accept() {
    const std::optional<std::string> bytes = FromQString(m_field->text());
    // The formula file is Windows-1252 text, one record field per line.
    if (!bytes || bytes->find_first_of("\r\n") != std::string::npos) {
        const std::string character = FirstCharacterWithoutAByte(m_field->text());
        if (m_messages && !character.empty()) {
            m_messages->ShowMessage(std::string(text::kNameCharacterRefused) + character +
                                        std::string(text::kNameCharacterRefusedEnd),
                                    kFormulaNameTitle, MessageIcon::Warning, MessageButtons::Ok);
        } else {
            QApplication::beep();
        }
        m_field->setFocus();
        return;
    }
    m_name = *bytes;
    QDialog::accept();
}

}  // namespace zyk
