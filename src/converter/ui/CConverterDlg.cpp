#include "converter/ui/CConverterDlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "charset/Windows1252.h"
#include "converter/UnitTable.h"
#include "converter/ui/ConverterDialogText.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/DialogParts.h"

namespace zyk {
namespace {

namespace text = converter_dialog_text;

// Enough rows that a whole group shows in the drop-down together with its header.
constexpr int kVisibleFromRows = 20;

// The value field's text as the converter reads it: a character without a Windows-1252 byte
// becomes '?', which ends the number there.
std::string ValueBytes(const QString& typed) {
    std::string bytes;
    for (const char32_t codePoint : typed.toUcs4()) {
        bytes += windows1252::FromUnicode(codePoint).value_or('?');
    }
    return bytes;
}

}  // namespace

CConverterDlg::CConverterDlg(const SettingsStore& store, InsertNumberText insertNumberText,
                             QWidget* parent)
    : QDialog(parent),
      m_insertNumberText(std::move(insertNumberText)),
      m_colours(new CSchemeWindowColors(*this, store)),
      m_value(new QLineEdit(this)),
      m_from(new QComboBox(this)),
      m_to(new QComboBox(this)),
      m_results(new QListWidget(this)),
      m_convert(new CSkinButton(DialogText(text::kConvert), this)),
      m_insert(new CSkinButton(DialogText(text::kInsert), this)) {
    const DialogUnitMapper units =
        SetUpFixedDialog(*this, text::kTitle, SystemDialogFont(), QSize(kWidthUnits, kHeightUnits));

    // The value and the two lists down the left, the buttons to their right, the results list
    // across the bottom so that its longest line ("kcal (...)  >>  Electronvolt (eV):") fits.
    units.Place(*new QLabel(DialogText(text::kTypeAValue), this), 7, 7, 150, 9);
    m_value->setObjectName(QString::number(text::kIdcValue));
    units.Place(*m_value, 7, 17, 150, 13);
    units.Place(*new QLabel(DialogText(text::kConvertFrom), this), 7, 35, 150, 9);
    m_from->setObjectName(QString::number(text::kIdcFromList));
    m_from->setMaxVisibleItems(kVisibleFromRows);
    units.Place(*m_from, 7, 45, 150, 13);
    units.Place(*new QLabel(DialogText(text::kConvertTo), this), 7, 63, 150, 9);
    m_to->setObjectName(QString::number(text::kIdcToList));
    units.Place(*m_to, 7, 73, 150, 13);

    m_convert->setObjectName(QString::number(text::kIdcConvert));
    m_insert->setObjectName(QString::number(text::kIdcInsert));
    units.Place(*m_convert, 167, 16, 57, 15);
    units.Place(*m_insert, 167, 44, 57, 15);

    units.Place(*new QLabel(DialogText(text::kResult), this), 7, 92, 150, 9);
    // Read-only: it only tells the outcome.
    m_results->setObjectName(QString::number(text::kIdcResults));
    MakeReadOnlyList(*m_results);
    units.Place(*m_results, 7, 102, 217, 40);

    m_colours->AssignButton(*m_convert, kActionLook);
    m_colours->AssignButton(*m_insert, kInsertLook);
    // Tab reaches the buttons: the one with the focus shows it.
    m_convert->SetShowFocusFrame(true);
    m_insert->SetShowFocusFrame(true);
    m_convert->setDefault(true);

    for (const UnitPosition& position : kUnitTable) {
        m_from->addItem(DialogText(position.fromText));
    }
    m_from->setCurrentIndex(m_panel.FromPosition());
    for (QComboBox* list : {m_from, m_to}) {
        // A drop-down list of limited height below the field, rather than a menu as tall as the
        // screen.
        list->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
        // Closing a drop-down list hands the focus back to the value field.
        list->view()->window()->installEventFilter(this);
    }
    connect(m_from, &QComboBox::currentIndexChanged, this, &CConverterDlg::FromChanged);
    connect(m_to, &QComboBox::currentIndexChanged, this, &CConverterDlg::ToChanged);
    connect(m_convert, &CSkinButton::clicked, this, &CConverterDlg::ConvertClicked);
    connect(m_insert, &CSkinButton::clicked, this, &CConverterDlg::InsertClicked);

    ShowPanel();
    m_value->setFocus();
}

bool CConverterDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide &&
        (watched == m_from->view()->window() || watched == m_to->view()->window())) {
        m_value->setFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void CConverterDlg::FromChanged(int position) {
    m_panel.SelectFrom(position);
    FillToList();
    ShowPanel();
    m_value->setFocus();
}

void CConverterDlg::ToChanged(int toListPosition) {
    if (toListPosition < 0) {
        return;
    }
    m_panel.SelectTo(toListPosition);
    ShowPanel();
    m_value->setFocus();
}

void CConverterDlg::ConvertClicked() {
    m_panel.Convert(ValueBytes(m_value->text()));
    ShowPanel();
}

void CConverterDlg::InsertClicked() {
    if (m_insertNumberText) {
        m_insertNumberText(m_panel.LastResult());
    }
}

void CConverterDlg::FillToList() {
    const QSignalBlocker blocker(m_to);
    m_to->clear();
    for (const std::string_view toText : m_panel.ToListTexts()) {
        m_to->addItem(DialogText(toText));
    }
    m_to->setCurrentIndex(m_panel.ToListPosition());
}

void CConverterDlg::ShowPanel() {
    ShowLines(*m_results, m_panel.ResultLines());
    m_convert->setEnabled(m_panel.IsConvertEnabled());
    m_insert->setEnabled(m_panel.IsInsertEnabled());
}

}  // namespace zyk
