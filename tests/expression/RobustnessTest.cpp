#include <random>

#include "EvaluatorCases.h"

// Every text must end with an answer or with a non-empty error text: no crash, hang or read past
// the text (run these under AddressSanitizer too).
namespace zyk::test {
namespace {

constexpr NumberBase kBases[] = {NumberBase::Decimal, kHex, kBin};

std::string Repeat(std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

class Robustness : public CalculatorEvaluator {
protected:
    void SetUp() override { m_evaluator.AddVariable("x"); }
    void ExpectTermination(const std::string& bytes, NumberBase base) {
        m_evaluator.SetNumberBase(base);
        double value = 0.0;
        const bool ok = m_evaluator.Evaluate(bytes, value);
        ASSERT_EQ(ok, m_evaluator.ErrorText().empty()) << "text: " << bytes;
    }
    // Random texts of 1..maxLength characters drawn from the alphabet.
    void ExpectRandomTexts(const std::string& alphabet, int count, int maxLength, unsigned seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        std::uniform_int_distribution<int> length(1, maxLength);
        for (int round = 0; round < count && !HasFatalFailure(); ++round) {
            std::string text;
            for (int n = length(random); n > 0; --n) {
                text += alphabet[pick(random)];
            }
            ExpectTermination(text, kBases[round % 3]);
        }
    }
};

TEST_F(Robustness, EverySingleByteAndEveryPair) {
    for (const NumberBase base : kBases) {
        for (int first = 0; first < 256 && !HasFatalFailure(); ++first) {
            const std::string single(1, static_cast<char>(first));
            ExpectTermination(single, base);
            for (int second = 0; second < 256 && !HasFatalFailure(); ++second) {
                ExpectTermination(single + static_cast<char>(second), base);
            }
        }
    }
}

TEST_F(Robustness, RandomTexts) {
    // Mostly what the rules look at, so that texts get deep into the grammar; then any byte.
    ExpectRandomTexts(Bytes("0123456789.e+-*/%&|¤=()[]{}¦²!^·−ABCDEFxMhdbsinqrtcoalg ") +
                          std::string("\0\xFF\x83", 3),
                      30000, 120, 20240611);
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    ExpectRandomTexts(everyByte, 20000, 60, 77);
}

TEST_F(Robustness, DeepAndLongTextsEndWithAnAnswerOrTheirErrorText) {
    const std::string tooDeep = "[ nesting  Too deep ]   Syn Error";
    const std::string tooLong = "[ ( )  Too long ]   Syn Error";
    const struct {
        std::string text;
        std::string error;  // empty: an answer is expected
    } cases[] = {
        {Repeat(Bytes("·sin"), 10000) + "1", tooDeep},
        {Repeat(Bytes("·sqrt"), 10000) + "(1)", tooDeep},
        {Repeat("1*", 10000) + "1", ""},  // operator chains are loops, not nesting
        {Repeat("1/", 10000) + "1", ""},
        {Repeat("(1*", 300) + "1" + Repeat(")", 300), tooLong},
        {Repeat("(", 10000) + "1" + Repeat(")", 10000), tooLong},
        {"(" + Repeat("1+", 49) + "11)", tooLong},  // 100 characters inside
        {"(" + Repeat("1+", 49) + "1)", ""},        // 99: the limit itself
        {Repeat("(", 45) + "1" + Repeat(")", 45), ""},
        {Repeat(Bytes("·sin"), 300) + "1", ""},
        {Repeat("1^", 10000) + "2", ""},  // powers chain in a loop, not by recursion
        {Repeat("1+", 50000) + "1", ""},
        {Repeat("9", 5000), ""},                // a huge number
        {std::string("1+2") + '\0' + "5", ""},  // NUL is a character like any other
        {"(" + Repeat(")", 10000), "[ )  Misplaced ]   Syn ERROR"},
        {Repeat("(", 10000), "[ (  No digit ]   Syn ERROR"},
    };
    for (const auto& c : cases) {
        double value = 0.0;
        EXPECT_EQ(m_evaluator.Evaluate(c.text, value), c.error.empty()) << c.text.substr(0, 30);
        EXPECT_EQ(m_evaluator.ErrorText(), c.error) << c.text.substr(0, 30);
    }
    ExpectValues(m_evaluator, {Is(Repeat("1+", 50000) + "1", 50001.0),
                               Is(Repeat("2*", 100) + "1", std::ldexp(1.0, 100))});
}

}  // namespace
}  // namespace zyk::test
