#include "program/AnswerCache.h"

namespace zyk {

AnswerCache::AnswerCache() : m_slots(kSlots) {}

std::size_t AnswerCache::SlotOf(std::string_view text) {
    // FNV-1a: the texts are short, and a slot is all that is needed.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 29)) & (kSlots - 1);
}

const std::string* AnswerCache::Find(std::string_view text) const {
    if (text.size() > kLongestText) {
        return nullptr;
    }
    const Slot& slot = m_slots[SlotOf(text)];
    return slot.epoch == m_epoch && slot.text == text ? &slot.answer : nullptr;
}

void AnswerCache::Store(std::string_view text, std::string_view answer) {
    if (text.size() > kLongestText) {
        return;
    }
    Slot& slot = m_slots[SlotOf(text)];
    slot.epoch = m_epoch;
    slot.text.assign(text);
    slot.answer.assign(answer);
}

}  // namespace zyk
