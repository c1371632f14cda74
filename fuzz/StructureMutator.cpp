#include "StructureMutator.h"

#include <algorithm>
#include <cstring>
#include <random>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace zyk::fuzz {
namespace {

using Random = std::mt19937;

std::size_t Below(Random& random, std::size_t bound) {
    return bound == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
}

// Mostly short repeats, sometimes long ones: deep nesting needs many copies of one unit.
std::size_t RepeatCount(Random& random) {
    return Below(random, 4) == 0 ? 8 + Below(random, 120) : 1 + Below(random, 4);
}

template <typename T>
const T& Pick(Random& random, const std::vector<T>& list) {
    return list[Below(random, list.size())];
}

}  // namespace

StructureMutator::StructureMutator(Vocabulary vocabulary, ByteMutation byteMutation,
                                   std::size_t fixedPrefix)
    : m_vocabulary(std::move(vocabulary)),
      m_byteMutation(byteMutation),
      m_fixedPrefix(fixedPrefix) {}

std::vector<std::string> StructureMutator::Split(const std::string& text) const {
    std::vector<std::string> units;
    if (m_vocabulary.separator == '\0') {
        for (const char c : text) {
            units.emplace_back(1, c);
        }
        return units;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(m_vocabulary.separator, start);
        units.push_back(text.substr(start, end - start));
        if (end == std::string::npos) {
            return units;
        }
        start = end + 1;
    }
}

std::string StructureMutator::Join(const std::vector<std::string>& units) const {
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0 && m_vocabulary.separator != '\0') {
            text += m_vocabulary.separator;
        }
        text += units[i];
    }
    return text;
}

std::size_t StructureMutator::Mutate(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                     unsigned seed) const {
    Random random(seed);
    const std::size_t prefix = std::min({m_fixedPrefix, size, maxSize});
    const auto byteMutation = [&] {
        if (maxSize == prefix) {
            return size;
        }
        return prefix + m_byteMutation(data + prefix, size - prefix, maxSize - prefix);
    };
    if (Below(random, 2) == 0 || m_vocabulary.units.empty()) {
        return byteMutation();
    }

    std::vector<std::string> units =
        Split(std::string(reinterpret_cast<const char*>(data) + prefix, size - prefix));
    const std::size_t first = Below(random, units.size() + 1);
    const std::size_t length = 1 + Below(random, std::min<std::size_t>(units.size() - first, 8));
    const auto at = [&](std::size_t i) { return units.begin() + static_cast<std::ptrdiff_t>(i); };
    switch (Below(random, 6)) {
        case 0:  // a unit of the vocabulary goes in
            units.insert(at(first), Pick(random, m_vocabulary.units));
            break;
        case 1:  // a unit is replaced by one of the vocabulary
            if (first < units.size()) {
                units[first] = Pick(random, m_vocabulary.units);
            } else {
                units.push_back(Pick(random, m_vocabulary.units));
            }
            break;
        case 2: {  // a run is repeated
            if (first == units.size()) {
                return byteMutation();
            }
            const std::vector<std::string> run(at(first), at(first + length));
            for (std::size_t n = RepeatCount(random); n > 0; --n) {
                units.insert(at(first), run.begin(), run.end());
            }
            break;
        }
        case 3:  // a run goes
            if (first == units.size()) {
                return byteMutation();
            }
            units.erase(at(first), at(first + length));
            break;
        case 4:  // two units change places
            if (units.size() < 2) {
                return byteMutation();
            }
            std::swap(units[Below(random, units.size())], units[Below(random, units.size())]);
            break;
        default: {  // a run is enclosed, maybe several times
            if (m_vocabulary.wrappers.empty()) {
                return byteMutation();
            }
            const auto& [open, close] = Pick(random, m_vocabulary.wrappers);
            std::size_t end = std::min(first + length, units.size());
            for (std::size_t n = RepeatCount(random); n > 0; --n, end += 2) {
                units.insert(at(end), close);
                units.insert(at(first), open);
            }
            break;
        }
    }
    const std::string text = Join(units);
    if (prefix + text.size() > maxSize) {
        return byteMutation();
    }
    std::memcpy(data + prefix, text.data(), text.size());
    return prefix + text.size();
}

}  // namespace zyk::fuzz
