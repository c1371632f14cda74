#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "EvaluatorCases.h"
#include "shell/MemorySettingsStore.h"

namespace zyk::test {
namespace {

constexpr NumberBase kBases[] = {kDec, kHex, kBin};

// Every text must end with an answer or with a non-empty error text.
class Robustness : public ::testing::Test {
protected:
    void SetUp() override {
        m_evaluator.SetSettingsStore(&m_store);
        LoadCalculatorTables(m_evaluator);
        m_evaluator.AddVariable("x");
        m_evaluator.SetVariableValue(0, 2.0);
    }

    // Returns false (and reports) when the text ended neither way.
    bool Terminates(const std::string& bytes, NumberBase base) {
        m_evaluator.SetNumberBase(base);
        double value = 0.0;
        const bool ok = m_evaluator.Evaluate(bytes, value);
        if (ok != m_evaluator.ErrorText().empty()) {
            ADD_FAILURE() << "answer and error text disagree for '" << bytes << "'";
            return false;
        }
        return true;
    }

    MemorySettingsStore m_store;
    ExpressionEvaluator m_evaluator;
};

TEST_F(Robustness, EverySingleByteAndEveryPair) {
    for (const NumberBase base : kBases) {
        for (int first = 0; first < 256; ++first) {
            const std::string single(1, static_cast<char>(first));
            ASSERT_TRUE(Terminates(single, base));
            for (int second = 0; second < 256; ++second) {
                ASSERT_TRUE(Terminates(single + static_cast<char>(second), base));
            }
        }
    }
}

TEST_F(Robustness, RandomTextsOverTheMeaningfulCharacters) {
    // Mostly the characters the rules look at, so that texts get deep into the grammar.
    const std::string alphabet = Bytes("0123456789.e+-*/%&|¤=()[]{}¦²!^·−ABCDEFxMhdbsinqrtcoalg ") +
                                 std::string("\0\xFF\x83", 3);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(1, 120);
    for (int round = 0; round < 30000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += alphabet[pick(random)];
        }
        ASSERT_TRUE(Terminates(text, kBases[round % 3]));
    }
}

TEST_F(Robustness, RandomBytes) {
    std::mt19937 random(77);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(1, 60);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += static_cast<char>(byte(random));
        }
        ASSERT_TRUE(Terminates(text, kBases[round % 3]));
    }
}

struct DeepCase {
    std::string text;
    std::string_view error;  // empty: an answer is expected
};

std::string Repeat(std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST_F(Robustness, DeepAndLongTextsEndWithAnAnswerOrTheirErrorText) {
    const std::string sin = Bytes("·sin");
    const DeepCase cases[] = {
        {Repeat(sin, 10000) + "1", "[ nesting  Too deep ]   Syn Error"},
        {Repeat(Bytes("·sqrt"), 10000) + "(1)", "[ nesting  Too deep ]   Syn Error"},
        {Repeat("1^", 10000) + "2", ""},  // powers chain in a loop, not by recursion
        {Repeat("1*", 10000) + "1", "[ nesting  Too deep ]   Syn Error"},
        {Repeat("1/", 10000) + "1", "[ nesting  Too deep ]   Syn Error"},
        {Repeat("1*", 100) + "1", ""},
        {Repeat("1+", 50000) + "1", ""},
        {Repeat("(", 10000) + "1" + Repeat(")", 10000), "[ ( )  Too long ]   Syn Error"},
        {Repeat("(", 45) + "1" + Repeat(")", 45), ""},
        {"(" + Repeat("1+", 49) + "1)", ""},  // 99 characters inside: the limit itself
        {"(" + Repeat("1+", 49) + "11)", "[ ( )  Too long ]   Syn Error"},
        {Repeat("9", 5000), ""},  // a long number is a (huge) number
        {"(" + Repeat(")", 10000), "[ )  Misplaced ]   Syn ERROR"},
        {Repeat("(", 10000), "[ (  No digit ]   Syn ERROR"},
        {Repeat(sin, 300) + "1", ""},
    };
    for (const auto& c : cases) {
        double value = 0.0;
        const bool ok = m_evaluator.Evaluate(c.text, value);
        EXPECT_EQ(ok, c.error.empty()) << c.text.substr(0, 40) << ": " << m_evaluator.ErrorText();
        EXPECT_EQ(m_evaluator.ErrorText(), c.error) << c.text.substr(0, 40);
    }
}

TEST_F(Robustness, LongSumsAddUp) {
    double value = 0.0;
    ASSERT_TRUE(m_evaluator.Evaluate(Repeat("1+", 50000) + "1", value));
    EXPECT_EQ(value, 50001.0);
    ASSERT_TRUE(m_evaluator.Evaluate(Repeat("2*", 100) + "1", value));
    EXPECT_EQ(value, std::ldexp(1.0, 100));
}

TEST_F(Robustness, NulBytesAreOrdinaryCharacters) {
    double value = 0.0;
    ASSERT_TRUE(m_evaluator.Evaluate(std::string("1+2\0"
                                                 "5",
                                                 5),
                                     value));
    EXPECT_EQ(value, 3.0);  // the NUL ends the evaluation like any unused character
    EXPECT_FALSE(m_evaluator.Evaluate(std::string("\0+2", 3), value));
    EXPECT_EQ(m_evaluator.ErrorText(), "[ +  Misplaced ]   Syn ERROR");
}

}  // namespace
}  // namespace zyk::test
