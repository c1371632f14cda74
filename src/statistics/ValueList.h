#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zyk {

// The values of the "Standard Deviation" page: each entry is the text as typed or read, and
// counts once. The list stays in ascending order of the entries' leading numbers (atof rules):
// a new text goes before the first entry whose number is greater than or equal to its own, so
// an equal value goes before the equal ones already there. The number is read once, when the
// text arrives, and kept beside it.
class ValueList {
public:
    struct Entry {
        std::string text;
        double value;
    };

    std::size_t Size() const { return m_entries.size(); }
    bool Empty() const { return m_entries.empty(); }
    const Entry& At(std::size_t index) const { return m_entries[index]; }
    const std::vector<Entry>& Entries() const { return m_entries; }

    // Inserts `count` copies (none for a count of 0 or less); returns where they went.
    std::size_t Insert(std::string_view text, int count = 1);
    // Inserts every text in turn, with the result of that many single insertions, in
    // O(n log n) rather than one shift of the list per text.
    void InsertAll(std::vector<std::string> texts);
    void Remove(std::size_t index);
    void Clear() { m_entries.clear(); }

private:
    std::vector<Entry> m_entries;
};

}  // namespace zyk
