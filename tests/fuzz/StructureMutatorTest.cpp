#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "StructureMutator.h"

namespace zyk::test {
namespace {

constexpr std::size_t kMarkerByte = '#';

// Stands in for libFuzzer's byte mutation: appends '#' when there is room.
std::size_t AppendMarker(std::uint8_t* data, std::size_t size, std::size_t maxSize) {
    if (size < maxSize) {
        data[size++] = kMarkerByte;
    }
    return size;
}

std::string Mutated(const fuzz::StructureMutator& mutator, const std::string& input,
                    std::size_t maxSize, unsigned seed) {
    std::vector<std::uint8_t> buffer(std::max(maxSize, input.size()));
    std::memcpy(buffer.data(), input.data(), input.size());
    const std::size_t size = mutator.Mutate(buffer.data(), input.size(), maxSize, seed);
    return std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(size));
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

fuzz::Vocabulary ProgramLines() {
    fuzz::Vocabulary vocabulary;
    vocabulary.separator = '\n';
    vocabulary.units = {"print x", "var y"};
    vocabulary.wrappers = {{"if (x) then", "end"}};
    return vocabulary;
}

TEST(StructureMutator, StaysWithinTheSizeBoundAndKeepsTheSelectorByte) {
    fuzz::Vocabulary words;
    words.separator = ' ';
    words.units = {"CopyExpression", "Paste", "EXE"};
    words.wrappers = {{"(", ")"}};
    const fuzz::StructureMutator mutator(words, AppendMarker, 1);
    for (unsigned seed = 0; seed < 500; ++seed) {
        const std::string result = Mutated(mutator, "S1 + 2 EXE", 24, seed);
        ASSERT_LE(result.size(), 24u) << seed;
        ASSERT_EQ(result.front(), 'S') << seed;
    }
}

TEST(StructureMutator, BuildsInputsFromWholeUnitsAndClosesWhatItOpens) {
    const fuzz::StructureMutator mutator(ProgramLines(), AppendMarker);
    const std::set<std::string> known = {"var x", "var y", "print x", "end", "if (x) then"};
    int structural = 0;
    for (unsigned seed = 0; seed < 500; ++seed) {
        const std::string result = Mutated(mutator, "var x\nprint x", 4096, seed);
        if (result.find(static_cast<char>(kMarkerByte)) != std::string::npos) {
            continue;  // a byte mutation
        }
        ++structural;
        if (result.empty()) {
            continue;  // every line dropped
        }
        const auto lines = Split(result, '\n');
        for (const std::string& line : lines) {
            ASSERT_TRUE(known.count(line)) << "seed " << seed << ": " << line;
        }
        // Only the enclosing pair brings "end": every one closes an "if" opened before it.
        int open = 0;
        for (const std::string& line : lines) {
            open += line == "if (x) then" ? 1 : line == "end" ? -1 : 0;
            ASSERT_GE(open, 0) << seed;
        }
        ASSERT_EQ(open, 0) << seed;
    }
    // About half the mutations are structural; a share far from it means the choice is broken.
    EXPECT_GT(structural, 150);
    EXPECT_LT(structural, 350);
}

TEST(StructureMutator, ReachesDeepNestingWithinAFewSteps) {
    const fuzz::StructureMutator mutator(ProgramLines(), AppendMarker);
    std::string input = "print x";
    std::size_t deepest = 0;
    for (unsigned seed = 0; seed < 300; ++seed) {
        input = Mutated(mutator, input, 4096, seed);
        std::erase(input, static_cast<char>(kMarkerByte));
        const auto lines = Split(input, '\n');
        deepest = std::max<std::size_t>(deepest, static_cast<std::size_t>(std::count(
                                                     lines.begin(), lines.end(), "if (x) then")));
    }
    EXPECT_GE(deepest, 50u);
}

TEST(StructureMutator, TokensGoAnywhereInAText) {
    fuzz::Vocabulary tokens;
    tokens.separator = '\0';
    tokens.units = {"\xB7sqrt("};
    const fuzz::StructureMutator mutator(tokens, AppendMarker);
    std::set<std::size_t> positions;
    for (unsigned seed = 0; seed < 300; ++seed) {
        const std::string result = Mutated(mutator, "1+2", 64, seed);
        const std::size_t at = result.find("\xB7sqrt(");
        if (at != std::string::npos) {
            positions.insert(at);
        }
    }
    EXPECT_EQ(positions, (std::set<std::size_t>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace zyk::test
