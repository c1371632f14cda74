#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zyk {

// The calculator's answers to the texts a program had evaluated, for as long as the calculator
// keeps its modes: within one Step, the interpreter's caller changes nothing, and the calculator
// answers the same text the same way. Loops evaluate the same short texts again and again (a
// bound such as "100000", a condition's "(1)", an index), and a look-up is far cheaper than a
// parse. Only answers are kept, never errors: an error also tells the calculator to leave
// program mode, which must happen every time.
class AnswerCache {
public:
    AnswerCache();

    // The answer kept for the text, or nullptr.
    const std::string* Find(std::string_view text) const;
    void Store(std::string_view text, std::string_view answer);
    // Forgets every answer (the calculator's modes may change from now on).
    void Clear() { ++m_epoch; }

private:
    static constexpr std::size_t kSlots = 512;       // a power of two
    static constexpr std::size_t kLongestText = 40;  // longer texts seldom come again

    struct Slot {
        std::uint64_t epoch = 0;  // valid when it equals the cache's
        std::string text;
        std::string answer;
    };

    static std::size_t SlotOf(std::string_view text);

    std::vector<Slot> m_slots;
    std::uint64_t m_epoch = 1;
};

}  // namespace zyk
