#include "app/CPageDisplay.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "app/OptionsPageParts.h"
#include "app/OptionsTexts.h"
#include "calculator/CalculatorSettings.h"
#include "shell/ColourScheme.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CFontList.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/CSpinBuddy.h"
#include "shell/ui/DialogParts.h"
#include "shell/ui/DialogUnitMapper.h"

namespace zyk {
namespace {

namespace text = options_text;
using options_page::MakeLabel;
using options_page::SetControlId;

// The field takes digits only, as the platform's number field does; three are enough to type
// a value the range check can refuse.
constexpr int kDecimalsDigits = 3;

struct FormatRow {
    AnswerFormat format;
    std::string_view caption;
    int controlId;
    int x;
    int width;
};
constexpr FormatRow kFormats[] = {
    {AnswerFormat::Normal, text::kNormal, text::kIdcNormal, 16, 50},
    {AnswerFormat::Scientific, text::kScientific, text::kIdcScientific, 78, 56},
    {AnswerFormat::Engineering, text::kEngineering, text::kIdcEngineering, 142, 62},
};

}  // namespace

CPageDisplay::CPageDisplay(OptionsPageData& data)
    : COptionPage(DialogText(text::kDisplayPage), QSize(kWidthUnits, kHeightUnits)), m_data(data) {
    setFont(SystemDialogFont());
}

QRadioButton& CPageDisplay::FormatButton(AnswerFormat format) const {
    return *static_cast<QRadioButton*>(m_format->button(static_cast<int>(format)));
}

void CPageDisplay::OnInitPage() {
    const DialogUnitMapper units(font());
    new CSchemeWindowColors(*this, m_data.store);

    auto* group = new QGroupBox(DialogText(text::kAnswerFormat), this);
    SetControlId(*group, text::kIdcFormatGroup);
    units.Place(*group, 7, 5, 198, 30);
    m_format = new QButtonGroup(this);
    for (const FormatRow& row : kFormats) {
        auto* button = new QRadioButton(DialogText(row.caption), this);
        SetControlId(*button, row.controlId);
        units.Place(*button, row.x, 17, row.width, 11);
        m_format->addButton(button, static_cast<int>(row.format));
    }
    // 501 and 502 are theirs; any other format checks Engineering.
    const AnswerFormat current = m_data.choice.format == AnswerFormat::Normal ||
                                         m_data.choice.format == AnswerFormat::Scientific
                                     ? m_data.choice.format
                                     : AnswerFormat::Engineering;
    FormatButton(current).setChecked(true);
    connect(m_format, &QButtonGroup::idClicked, this,
            [this](int format) { m_data.choice.format = static_cast<AnswerFormat>(format); });

    units.Place(*MakeLabel(text::kMaxDecimals, *this), 7, 46, 60, 9);
    m_decimals = new QLineEdit(QString::number(m_data.choice.maxDecimals), this);
    SetControlId(*m_decimals, text::kIdcDecimals);
    m_decimals->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(kDecimalsDigits)), m_decimals));
    units.Place(*m_decimals, 70, 44, 24, 12);
    m_spin = new CSpinBuddy(*m_decimals, CalculatorSettings::kMinDecimals,
                            CalculatorSettings::kMaxDecimals, this);
    SetControlId(*m_spin, text::kIdcDecimalsSpin);
    units.Place(*m_spin, 94, 44, 9, 12);

    units.Place(*MakeLabel(text::kDisplayFont, *this), 7, 66, 198, 9);
    m_fonts = new CFontList(this);
    SetControlId(*m_fonts, text::kIdcFontList);
    units.Place(*m_fonts, 7, 76, 198, 14);
    m_fonts->Fill(m_data.fonts.Faces());
    options_page::SelectFontFace(*m_fonts, DialogText(m_data.choice.displayFont));
    connect(m_fonts, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (IsInitialised() && index >= 0) {
            m_data.choice.displayFont = FromQStringLossy(m_fonts->Family());
        }
    });

    units.Place(*MakeLabel(text::kColorScheme, *this), 7, 98, 198, 9);
    m_schemes = new QComboBox(this);
    SetControlId(*m_schemes, text::kIdcScheme);
    for (const std::string_view name : kSchemeNames) {
        m_schemes->addItem(DialogText(name));
    }
    units.Place(*m_schemes, 7, 108, 110, 14);
    m_schemes->setCurrentIndex(m_data.choice.scheme >= 0 && m_data.choice.scheme < kSchemeCount
                                   ? m_data.choice.scheme
                                   : -1);
    connect(m_schemes, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (IsInitialised() && index >= 0) {
            m_data.choice.scheme = index;
        }
    });
}

bool CPageDisplay::OnKillActive() {
    bool ok = false;
    const int decimals = m_decimals->text().toInt(&ok);
    if (!ok || decimals < CalculatorSettings::kMinDecimals ||
        decimals > CalculatorSettings::kMaxDecimals) {
        m_data.messages.ShowMessage(text::kDecimalsRange, "", MessageIcon::Warning,
                                    MessageButtons::Ok);
        m_decimals->setFocus();
        m_decimals->selectAll();
        return false;
    }
    m_data.choice.maxDecimals = decimals;
    return true;
}

}  // namespace zyk
