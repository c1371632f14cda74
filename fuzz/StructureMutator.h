#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zyk::fuzz {

// What a target's inputs are made of: units (program lines, key names, expression tokens,
// record lines) and pairs that enclose a run of units (an if-block, a loop, brackets).
struct Vocabulary {
    // Units are lines ('\n'), words (' ') or single bytes ('\0').
    char separator = '\n';
    std::vector<std::string> units;
    std::vector<std::pair<std::string, std::string>> wrappers;
};

// Mutations that keep an input's structure: insert, repeat, drop, swap and enclose whole units,
// so that long nested inputs (deep blocks, doubled key runs, many records) are reached, which
// byte flips alone hardly ever build. Half of the mutations are libFuzzer's own byte mutations.
class StructureMutator {
public:
    // libFuzzer's own mutation of a byte range (LLVMFuzzerMutate): returns the new size.
    using ByteMutation = std::size_t (*)(std::uint8_t* data, std::size_t size, std::size_t maxSize);

    // The first `fixedPrefix` bytes of an input (a selector byte) are left to byte mutations.
    StructureMutator(Vocabulary vocabulary, ByteMutation byteMutation, std::size_t fixedPrefix = 0);

    // For LLVMFuzzerCustomMutator: mutates data[0, size) in place, at most maxSize bytes long.
    std::size_t Mutate(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                       unsigned seed) const;

private:
    std::vector<std::string> Split(const std::string& text) const;
    std::string Join(const std::vector<std::string>& units) const;

    Vocabulary m_vocabulary;
    ByteMutation m_byteMutation;
    std::size_t m_fixedPrefix;
};

}  // namespace zyk::fuzz
