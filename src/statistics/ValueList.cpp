#include "statistics/ValueList.h"

#include <algorithm>
#include <iterator>

#include "shell/LeadingNumber.h"

namespace zyk {
namespace {

bool ValueLess(const ValueList::Entry& left, const ValueList::Entry& right) {
    return left.value < right.value;
}

}  // namespace

std::size_t ValueList::Insert(std::string_view text, int count) {
    const Entry entry{std::string(text), ReadLeadingNumber(text)};
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), entry, ValueLess);
    const auto position = static_cast<std::size_t>(at - m_entries.begin());
    if (count > 0) {
        m_entries.insert(at, static_cast<std::size_t>(count), entry);
    }
    return position;
}

void ValueList::InsertAll(std::vector<std::string> texts) {
    // Inserted one by one, a later text goes before an earlier equal one, and every new text
    // before the equal entries that were there: newest first, then a stable merge that takes
    // the new entries first among equals.
    std::vector<Entry> arriving;
    arriving.reserve(texts.size());
    for (auto text = texts.rbegin(); text != texts.rend(); ++text) {
        const double value = ReadLeadingNumber(*text);
        arriving.push_back(Entry{std::move(*text), value});
    }
    std::stable_sort(arriving.begin(), arriving.end(), ValueLess);
    if (m_entries.empty()) {
        m_entries = std::move(arriving);
        return;
    }
    std::vector<Entry> merged;
    merged.reserve(m_entries.size() + arriving.size());
    std::merge(std::make_move_iterator(arriving.begin()), std::make_move_iterator(arriving.end()),
               std::make_move_iterator(m_entries.begin()), std::make_move_iterator(m_entries.end()),
               std::back_inserter(merged), ValueLess);
    m_entries = std::move(merged);
}

void ValueList::Remove(std::size_t index) {
    if (index < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

}  // namespace zyk
