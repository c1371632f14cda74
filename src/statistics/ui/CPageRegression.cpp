#include "statistics/ui/CPageRegression.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

#include "shell/qt/QtText.h"
#include "shell/ui/DialogUnitMapper.h"
#include "shell/ui/QtColors.h"
#include "statistics/StatisticsTexts.h"

namespace zyk {
namespace {

namespace ids = statistics_ids;
namespace text = statistics_text;

constexpr CStatPage::Layout kLayout{
    .title = text::kRegressionPageTitle,
    .intro = text::kRegressionIntro,
    .insertHint = text::kInsertFormulaHint,
    .insertHintWidth = 165,
    .menuButtonX = 199,
    .entryFieldId = ids::kPair,
    .entryFieldX = 85,
    .entryFieldWidth = 72,
    .addId = ids::kPairAdd,
    .deleteId = ids::kPairDelete,
    .entryListId = ids::kPairList,
    .resultsListId = ids::kPairResults,
    .insertId = ids::kPairInsert,
    .calculateId = ids::kPairCalculate,
    .clearId = ids::kPairClear,
    .menuButtonId = ids::kPairMenuButton,
    .menu = ids::kPairMenu,
    .menuTitle = text::kRegressionMenuTitle,
    .fileFilter = text::kPairFileFilter,
    .fileExtension = text::kPairFileExtension,
    .rowBackground = Rgb(80, 100, 120),
};

// The type box's drop-down list in a tinted scheme.
constexpr ColorRef kDropDownBackground = Rgb(40, 60, 60);
constexpr ColorRef kDropDownText = Rgb(240, 200, 120);

}  // namespace

CPageRegression::CPageRegression(StatisticsWindowContext& context, QWidget* parent)
    : CStatPage(kLayout, context, m_regression, parent) {}

void CPageRegression::BuildOwnControls(const DialogUnitMapper& units) {
    units.Place(*MakeColouredLabel(text::kTypeLabel, ids::kTypeLabel, Qt::AlignLeft), 9, 31, 72, 8);
    m_type = new QComboBox(this);
    m_type->setObjectName(QString::number(ids::kType));
    for (const RegressionModel& model : kRegressionModels) {
        m_type->addItem(ToQString(model.name, false));
    }
    m_type->setCurrentIndex(ItemOfType(m_regression.Type()));
    // A drop-down list below the box rather than a menu over it.
    m_type->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    units.Place(*m_type, 9, 41, 74, 12);
    units.Place(*MakeColouredLabel(text::kPairLabel, ids::kPairLabel, Qt::AlignLeft), 85, 31, 72,
                8);
    connect(m_type, &QComboBox::currentIndexChanged, this, &CPageRegression::TypeChosen);
}

void CPageRegression::TypeChosen(int item) {
    const std::optional<RegressionType> type = TypeOfItem(item);
    if (!type || !IsInitialised()) {
        return;
    }
    m_regression.SetType(*type);
    Sync();
    FocusEntryField();
}

void CPageRegression::AddCommand() {
    m_regression.Add();
}

void CPageRegression::CalculateCommand() {
    if (!m_regression.Calculate()) {
        Context().messages->ShowMessage(text::kNoSemicolon, {}, MessageIcon::Warning,
                                        MessageButtons::Ok);
    }
}

void CPageRegression::InsertCommand() {
    const std::optional<RegressionPage::FormulaInsert> formula = m_regression.InsertFormula();
    if (formula && Context().insertFormulaWithValues) {
        Context().insertFormulaWithValues(formula->formula, formula->a, formula->b);
    }
}

void CPageRegression::ApplyOwnRowColours(bool tinted) {
    QAbstractItemView* dropDown = m_type->view();
    if (!tinted) {
        dropDown->setPalette(QPalette());
        return;
    }
    QPalette palette = dropDown->palette();
    palette.setColor(QPalette::Base, ToQColor(kDropDownBackground));
    palette.setColor(QPalette::Text, ToQColor(kDropDownText));
    dropDown->setPalette(palette);
}

}  // namespace zyk
