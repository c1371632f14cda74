#include "statistics/RegressionPage.h"

#include "statistics/EntryAcceptance.h"

namespace zyk {

RegressionPage::RegressionPage() : DataPage(InformationLines(0, RegressionType::Linear)) {
    Fire(PageEvent::Created);
}

void RegressionPage::SetType(RegressionType type) {
    m_type = type;
    RefreshInformation();
}

bool RegressionPage::Add() {
    if (Field().empty() || !IsAcceptedPairText(Field())) {
        return false;
    }
    m_pairs.push_back(Field());
    EntriesChanged();
    RefreshInformation();
    MutableField().clear();
    ClearSelections();
    Fire(PageEvent::AddAccepted);
    return true;
}

void RegressionPage::Delete() {
    if (!m_pairs.empty() && SelectedEntry()) {
        m_pairs.erase(m_pairs.begin() + static_cast<std::ptrdiff_t>(*SelectedEntry()));
        EntriesChanged();
    }
    if (m_pairs.empty()) {
        ForgetFile();
    }
    RefreshInformation();
    ClearSelections();
    Fire(PageEvent::Deleted);
}

void RegressionPage::Clear() {
    MutableField().clear();
    m_pairs.clear();
    EntriesChanged();
    SetResults(InformationLines(0, m_type));
    m_yOfXTemplate.clear();
    m_xOfYTemplate.clear();
    ForgetFile();
    ClearSelections();
    Fire(PageEvent::Cleared);
}

bool RegressionPage::Calculate() {
    const std::optional<RegressionResult> result = CalculateRegression(m_pairs, m_type);
    if (!result) {
        return false;
    }
    SetResults(RegressionLines(*result, m_type));
    m_a = result->a;
    m_b = result->b;
    const RegressionModel& model = ModelFor(m_type);
    m_yOfXTemplate = model.yOfXTemplate;
    m_xOfYTemplate = model.xOfYTemplate;
    ClearSelections();
    Fire(PageEvent::Calculated);
    return true;
}

std::optional<RegressionPage::FormulaInsert> RegressionPage::InsertFormula() const {
    if (SelectedResult() == kYOfXLine) {
        return FormulaInsert{m_yOfXTemplate, m_a, m_b};
    }
    if (SelectedResult() == kXOfYLine) {
        return FormulaInsert{m_xOfYTemplate, m_a, m_b};
    }
    return std::nullopt;
}

bool RegressionPage::IsInsertableLine(std::size_t line) const {
    return line == kYOfXLine || line == kXOfYLine;
}

void RegressionPage::TakeLines(std::vector<std::string> lines) {
    if (lines.empty()) {
        return;
    }
    m_pairs.insert(m_pairs.end(), std::make_move_iterator(lines.begin()),
                   std::make_move_iterator(lines.end()));
    RefreshInformation();
}

std::string RegressionPage::CountLine() const {
    return PairCountLine(Count());
}

void RegressionPage::RefreshInformation() {
    SetResults(InformationLines(Count(), m_type));
}

}  // namespace zyk
