#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "statistics/DataPage.h"
#include "statistics/ValueList.h"

namespace zyk {

// The "Standard Deviation" page without its window: the value field (DataPage's field), the
// frequency field, the sorted value list and the results list, and the page's commands.
class StatisticsPage : public DataPage {
public:
    // A frequency above this adds nothing and leaves both fields as they are: one Add never
    // makes more entries than a large data file holds.
    static constexpr int kMaxFrequency = 1'000'000;
    // Nor may one Add copy more than this much value text (frequency times the text's length):
    // a long pasted text a million times over would take gigabytes.
    static constexpr std::size_t kMaxAddedText = std::size_t{16} << 20;

    StatisticsPage();

    std::size_t Count() const override { return m_values.Size(); }
    const std::string& EntryText(std::size_t index) const override;
    const ValueList& Values() const { return m_values; }

    const std::string& Frequency() const { return m_frequency; }
    void SetFrequency(std::string text) { m_frequency = std::move(text); }

    // Add (button or Enter): false when the value text is refused or the frequency is too large.
    bool Add() override;
    void Delete() override;
    void Clear() override;
    void Calculate();
    // >>: the selected results line after its ": ", or the whole line without a colon.
    std::optional<std::string> InsertText() const;

protected:
    bool IsInsertableLine(std::size_t line) const override;
    void EmptyList() override { m_values.Clear(); }
    void TakeLines(std::vector<std::string> lines) override;
    std::string CountLine() const override;

private:
    ValueList m_values;
    std::string m_frequency = "1";
};

}  // namespace zyk
