#include "statistics/StatisticsPage.h"

#include <algorithm>

#include "shell/LeadingNumber.h"
#include "statistics/EntryAcceptance.h"
#include "statistics/OneVariableStatistics.h"

namespace zyk {

StatisticsPage::StatisticsPage() : DataPage({ValueCountLine(0)}) {
    Fire(PageEvent::Created);
}

const std::string& StatisticsPage::EntryText(std::size_t index) const {
    return m_values.At(index).text;
}

bool StatisticsPage::Add() {
    if (!IsAcceptedValueText(Field())) {
        return false;
    }
    const int count = m_frequency.empty() ? 1 : ReadLeadingInteger(m_frequency);
    if (count > kMaxFrequency ||
        (count > 0 && static_cast<std::size_t>(count) * Field().size() > kMaxAddedText)) {
        return false;
    }
    m_values.Insert(Field(), count);
    EntriesChanged();
    MutableField().clear();
    m_frequency = "1";
    SetResults({ValueCountLine(Count())});
    ClearSelections();
    Fire(PageEvent::AddAccepted);
    return true;
}

void StatisticsPage::Delete() {
    if (!m_values.Empty() && SelectedEntry()) {
        m_values.Remove(*SelectedEntry());
        EntriesChanged();
    }
    if (m_values.Empty()) {
        ForgetFile();
    }
    SetResults({ValueCountLine(Count())});
    ClearSelections();
    Fire(PageEvent::Deleted);
}

void StatisticsPage::Clear() {
    MutableField().clear();
    m_frequency = "1";
    m_values.Clear();
    EntriesChanged();
    SetResults({ValueCountLine(0)});
    ForgetFile();
    ClearSelections();
    Fire(PageEvent::Cleared);
}

void StatisticsPage::Calculate() {
    SetResults(OneVariableLines(CalculateOneVariable(m_values)));
    ClearSelections();
    Fire(PageEvent::Calculated);
}

std::optional<std::string> StatisticsPage::InsertText() const {
    if (!SelectedResult()) {
        return std::nullopt;
    }
    const std::string& line = Results()[*SelectedResult()];
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) {
        return line;
    }
    return line.substr(std::min(colon + 2, line.size()));
}

bool StatisticsPage::IsInsertableLine(std::size_t) const {
    return true;
}

void StatisticsPage::TakeLines(std::vector<std::string> lines) {
    m_values.InsertAll(std::move(lines));
}

std::string StatisticsPage::CountLine() const {
    return ValueCountLine(Count());
}

}  // namespace zyk
