#include "statistics/DataPage.h"

#include "statistics/DataFile.h"

namespace zyk {

DataPage::DataPage(std::vector<std::string> results) : m_results(std::move(results)) {}

void DataPage::SetField(std::string text) {
    m_field = std::move(text);
    Fire(PageEvent::FieldChanged);
}

void DataPage::SelectEntry(std::optional<std::size_t> index) {
    m_selectedEntry = index && *index < Count() ? index : std::nullopt;
    Fire(PageEvent::DataSelectionChanged);
}

void DataPage::SelectResult(std::optional<std::size_t> index) {
    m_selectedResult = index && *index < m_results.size() ? index : std::nullopt;
    Fire(PageEvent::ResultSelectionChanged);
}

void DataPage::EmptyForOpen() {
    EmptyList();
    m_selectedEntry.reset();
    EntriesChanged();
}

bool DataPage::Open(const std::filesystem::path& file) {
    m_filePath = file;
    std::optional<std::vector<std::string>> lines = ReadDataFile(file);
    if (!lines) {
        return false;
    }
    TakeLines(std::move(*lines));
    EntriesChanged();
    std::vector<std::string> results = m_results;
    if (results.empty()) {
        results.push_back(CountLine());
    } else {
        results.front() = CountLine();
    }
    SetResults(std::move(results));
    if (Count() > 0) {
        ClearSelections();
    }
    Fire(PageEvent::FileLoaded);
    return true;
}

bool DataPage::Save() const {
    if (m_filePath.empty()) {
        return false;
    }
    std::vector<std::string> lines;
    lines.reserve(Count());
    for (std::size_t index = 0; index < Count(); ++index) {
        lines.push_back(EntryText(index));
    }
    return !WriteDataFile(m_filePath, lines);
}

bool DataPage::SaveAs(const std::filesystem::path& file) {
    m_filePath = file;
    return Save();
}

void DataPage::Fire(PageEvent event) {
    const PageFacts facts{
        .fieldHoldsText = !m_field.empty(),
        .entrySelected = m_selectedEntry.has_value(),
        .insertableLineSelected = m_selectedResult && IsInsertableLine(*m_selectedResult),
        .count = Count(),
    };
    m_buttons = ButtonsAfter(event, m_buttons, facts);
}

void DataPage::ClearSelections() {
    m_selectedEntry.reset();
    m_selectedResult.reset();
}

void DataPage::SetResults(std::vector<std::string> results) {
    m_results = std::move(results);
    m_selectedResult.reset();
    ++m_resultsRevision;
}

}  // namespace zyk
