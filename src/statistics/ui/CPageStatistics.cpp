#include "statistics/ui/CPageStatistics.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "shell/qt/QtText.h"
#include "shell/ui/DialogUnitMapper.h"
#include "statistics/StatisticsTexts.h"

namespace zyk {
namespace {

namespace ids = statistics_ids;
namespace text = statistics_text;

constexpr CStatPage::Layout kLayout{
    .title = text::kStatisticsPageTitle,
    .intro = text::kStatisticsIntro,
    .insertHint = text::kInsertValueHint,
    .insertHintWidth = 168,
    .menuButtonX = 201,
    .entryFieldId = ids::kValue,
    .entryFieldX = 68,
    .entryFieldWidth = 90,
    .addId = ids::kValueAdd,
    .deleteId = ids::kValueDelete,
    .entryListId = ids::kValueList,
    .resultsListId = ids::kValueResults,
    .insertId = ids::kValueInsert,
    .calculateId = ids::kValueCalculate,
    .clearId = ids::kValueClear,
    .menuButtonId = ids::kValueMenuButton,
    .menu = ids::kValueMenu,
    .menuTitle = text::kStatisticsMenuTitle,
    .fileFilter = text::kValueFileFilter,
    .fileExtension = text::kValueFileExtension,
    .rowBackground = Rgb(60, 100, 100),
};

}  // namespace

CPageStatistics::CPageStatistics(StatisticsWindowContext& context, QWidget* parent)
    : CStatPage(kLayout, context, m_statistics, parent) {}

void CPageStatistics::BuildOwnControls(const DialogUnitMapper& units) {
    units.Place(*MakeColouredLabel(text::kFrequencyLabel, ids::kFrequencyLabel, Qt::AlignLeft), 9,
                31, 43, 8);
    m_frequency = new QLineEdit(this);
    m_frequency->setObjectName(QString::number(ids::kFrequency));
    units.Place(*m_frequency, 9, 41, 43, 12);
    units.Place(*MakeColouredLabel(text::kTimesLabel, ids::kTimesLabel, Qt::AlignCenter), 54, 41,
                11, 10);
    units.Place(*MakeColouredLabel(text::kValueLabel, ids::kValueLabel, Qt::AlignLeft), 68, 31, 40,
                8);
    connect(m_frequency, &QLineEdit::textChanged, this,
            [this](const QString& typed) { m_statistics.SetFrequency(FromQStringLossy(typed)); });
}

void CPageStatistics::AddCommand() {
    m_statistics.SetFrequency(FromQStringLossy(m_frequency->text()));
    m_statistics.Add();
}

void CPageStatistics::CalculateCommand() {
    m_statistics.Calculate();
}

void CPageStatistics::InsertCommand() {
    const std::optional<std::string> number = m_statistics.InsertText();
    if (number && Context().insertNumberText) {
        Context().insertNumberText(*number);
    }
}

void CPageStatistics::SyncOwnControls() {
    if (FromQStringLossy(m_frequency->text()) != m_statistics.Frequency()) {
        const QSignalBlocker blocker(m_frequency);
        m_frequency->setText(ToQString(m_statistics.Frequency(), false));
    }
}

}  // namespace zyk
