#include <limits>

#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

using Grammar = CalculatorEvaluator;

TEST_F(Grammar, MultiplyAndDivideGroupToTheRight) {
    // 100/(10/(5/2)), 16/(4*(2/8)); sums stay left-associative; 8/2(2) is 8/(2*2).
    ExpectValues(m_evaluator,
                 {Is("8/4/2", 4.0), Is("8/2*4", 1.0), Is("2*3/4", 1.5), Is("8*4/2", 16.0),
                  Is("100/10/5/2", 25.0), Is("16/4*2/8", 16.0), Is("8-4-2", 2.0), Is("2-3+4", 3.0),
                  Is("2+3*4", 14.0), Is("1+2*3-4/5", 6.2), Is("8/2(2)", 2.0)});
}

TEST_F(Grammar, ModTakesOnePrimaryAndDivisionRefusesZero) {
    ExpectValues(m_evaluator, {Is("7%3", 1.0), Is("−7%3", -1.0), Is("7.5%2", 1.5),
                               Is("10%4%3", 2.0), Is("2*7%4", 6.0), Is("7%4*2", 6.0),
                               Is("7%(1+2)", 1.0), Is("5!%7", 1.0), Is("2^3%3", 2.0)});
    // A primary has no sign: in 7%−2 the right operand reads as 0.
    ExpectErrors(m_evaluator, {{"Ma  ERROR", {"7%0", "7%(2-2)", "7%−2"}},
                               {"[ / ]   Can't divide with zero", {"5/0", "5/(3-3)", "1/0*5"}}});
}

TEST_F(Grammar, LeadingOperatorsActOnZeroAndProductsAreImplicit) {
    // "2+3 4": a character that no rule takes ends the evaluation.
    ExpectValues(
        m_evaluator,
        {Is("+5", 5.0), Is("-5", -5.0), Is("*5", 0.0), Is("/5", 0.0), Is("−5+2", -3.0),
         Is("(−8)", -8.0), Is("2(3)", 6.0), Is("2{pi}", 2 * kPi), Is("(1+1)(2+2)", 8.0),
         Is("2(3)(4)", 24.0), Is("{pi}{pi}", kPi * kPi), Is("2·sqrt9", 6.0), Is("3·sin30", 1.5),
         Is("2·e^2", 2 * std::exp(2.0)), Is("2{c}", 2 * 299792458.0), Is("2+3 4", 5.0)});
    ExpectErrors(m_evaluator, {{"[ -  Misplaced ]   Syn ERROR", {"(-8)"}}});
}

TEST_F(Grammar, BitwiseOperatorsWorkOnTheLow32Bits) {
    // -5 is ...FFFB; 2^32 + 1 keeps its low 1; -2^63 still has a 64-bit integer, 2^63 not.
    ExpectValues(
        m_evaluator,
        {Is("5&3", 1.0), Is("5.9&3", 1.0), Is("6|3", 7.0), Is("6¤3", 5.0), Is("−5.9&255", 251.0),
         Is("1+2&3", 3.0), Is("1|2&3", 3.0), Is("6&3|8", 10.0), Is("4294967297&3", 1.0),
         Is("2147483648|0", -2147483648.0), Is("(2^62)|1", 1.0), Is("(−2^63)|1", 1.0)});
    ExpectErrors(m_evaluator, {{"Ma  ERROR", {"(2^63)|1", "1&(10^308*10)"}}});
}

TEST_F(Grammar, PowersAndSquaresChainToTheLeft) {
    // The sign belongs to the primary (−2^2 = 4); in 2^−3! the factorial comes before the sign;
    // the exponent is a juxtaposed product (2{pi}) that a function after a digit ends.
    ExpectValues(
        m_evaluator,
        {Is("2^3^2", 64.0), Is("3²²", 81.0), Is("2^3²", 64.0), Is("2²^3", 64.0), Is("2^−1", 0.5),
         Is("2^3!", 64.0), Is("2^(3)!", 64.0), Is("2^−3!", 1.0 / 64), Is("−2^2", 4.0),
         Is("−2²", 4.0), Is("5!^2", 14400.0), Is("2^2{pi}", std::pow(2.0, 2 * kPi)),
         Is("2^2·sqrt4", 8.0), Is("·10^2", 100.0), Is("·10^−2", 0.01), Is("·e^2", std::exp(2.0))});
    // A function name needs a character after it: "·10^" alone is no function.
    ExpectErrors(m_evaluator, {{"No such function!", {"·10^"}},
                               {"[ ^ No digit ]  Syn ERROR", {"2^"}},
                               {"[ ^  Misplaced ]   Syn ERROR", {"^2", "2+²"}}});
    ExpectErrors(m_evaluator, {{"[ ^  Misplaced ]   Syn ERROR", {"A^2"}}}, {kHex});
}

TEST_F(Grammar, TheLetterEIsAnExponentAConstantOrAFunction) {
    // The exponent's sign is the negation sign: an ASCII minus subtracts (2e-5 is 2 - 5).
    ExpectValues(m_evaluator, {Is("2e3", 2000.0), Is("e3", 1000.0), Is("2e+3", 2000.0),
                               Is("2e−3", 0.002), Is("1.5e2", 150.0), Is("−1e3", -1000.0),
                               Is("2e-5", -3.0), Is("{e}", 1.602176462e-19),
                               Is("2{e}", 2 * 1.602176462e-19), Is("·e^1", 2.718281828459045)});
    ExpectValues(m_evaluator, {Is("Ae1", 100.0)}, {kHex});
}

TEST_F(Grammar, TheFirstErrorWinsAndTheNextEvaluationClearsIt) {
    ExpectErrors(m_evaluator, {{"[ / ]   Can't divide with zero", {"1/0+·sqrt−1", "(1/0)*(7%0)"}},
                               {"[ sqrt  Value not valid ]   Ma Error", {"·sqrt−1+1/0"}},
                               {"Constant has no value!", {"({xyz}+1)/0"}},
                               {"Varible has no value?", {"2*(3+[q])"}},
                               {"[ = ]   syn Error", {"=5", "5+=3"}}});
    double value = 0.0;
    EXPECT_TRUE(m_evaluator.Evaluate("5/2", value));
    EXPECT_EQ(m_evaluator.ErrorText(), "");
}

TEST_F(Grammar, StartIndexAndGroups) {
    double value = 0.0;
    ASSERT_TRUE(m_evaluator.Evaluate("12+3", value, 1));
    EXPECT_DOUBLE_EQ(value, 5.0);  // "2+3"
    ASSERT_TRUE(m_evaluator.Evaluate("12+3", value, -4));
    EXPECT_DOUBLE_EQ(value, 15.0);
    ExpectValues(m_evaluator, {Is("(1+2)*(3+4)", 21.0), Is("((1+2)*3)+4", 13.0),
                               Is("((((((((((7))))))))))", 7.0)});
    ExpectErrors(m_evaluator, {{"Ma  ERROR", {"(1)A"}}}, {kHex});  // a digit right after ")"
}

// Inputs the keypad never produces, and how the engine answers them (docs/expression-engine.md).
TEST(Decisions, UnclosedNamesAndUnknownArcFunctionsAreRefused) {
    MemorySettingsStore store;
    ExpressionEvaluator evaluator;
    SetUpEvaluator(evaluator, store);
    ExpectErrors(evaluator, {{"[ ¦  Missing ]   Syn ERROR", {"¦M1", "2+¦M1+3", "¦¦"}},
                             {"[ }  Missing ]   Syn ERROR", {"{pi", "2*{pi+1"}},
                             {"[ ]  Missing ]   Syn ERROR", {"[x", "[x+1"}},
                             {"No such function!", {"·a", "·arc", "·arcx1", "2+·abs1"}}});
}

TEST(Decisions, NotANumberAndInfinityFlowThroughUntilSomethingNeedsAnInteger) {
    ExpressionEvaluator evaluator;
    ExpectValues(evaluator, {Is("(−8)^(1/3)", std::numeric_limits<double>::quiet_NaN()),
                             Is("·sqrt((−8)^(1/3))", std::numeric_limits<double>::quiet_NaN()),
                             Is("0^−1", std::numeric_limits<double>::infinity()),
                             Is("1e400", std::numeric_limits<double>::infinity())});
    ExpectErrors(evaluator, {{"[ !  No Integer ]  Syn ERROR", {"((−8)^(1/3))!"}},
                             {"Ma  ERROR", {"((−8)^(1/3))|1", "((−8)^(1/3))¤1", "(1e400)&1"}}});
}

TEST(Decisions, TheNestingLimitSitsAtFourHundredLevels) {
    ExpressionEvaluator evaluator;
    std::string within;  // 399 functions inside the term: 400 levels
    for (int i = 0; i < 399; ++i) {
        within += "·sqrt";
    }
    ExpectValues(evaluator, {Is(within + "1", 1.0)});
    double value = 0.0;
    EXPECT_FALSE(evaluator.Evaluate(Bytes(within + "·sqrt1"), value));
    EXPECT_EQ(evaluator.ErrorText(), "[ nesting  Too deep ]   Syn Error");
}

TEST(Decisions, OperatorChainsAreNoNesting) {
    std::string ones = "1";
    std::string halves = "8";
    std::string mixed = "3";
    for (int i = 0; i < 449; ++i) {
        ones += "*1";
        halves += "/2";  // 8/(2/(2/...)): alternately 4 and 1, ending at 4 after an odd count
        mixed += i % 2 == 0 ? "*2" : "/2";
    }
    ExpressionEvaluator evaluator;
    ExpectValues(evaluator, {Is(ones, 1.0), Is(halves, 4.0), Is(mixed, 6.0), Is(ones + "%1", 0.0),
                             Is("2*" + ones + "+" + ones, 3.0)});
    // Still grouped to the right, and a zero divisor found anywhere in the chain is refused.
    ExpectValues(evaluator, {Is("8/4/2", 4.0), Is("8/2*4", 1.0), Is("8*4/2", 16.0),
                             Is("2*3%2*5", 10.0), Is("9%4/2", 0.5)});
    ExpectErrors(evaluator, {{"[ / ]   Can't divide with zero", {"8/2*0", "1/0/5", halves + "/0"}},
                             {"Ma  ERROR", {ones + "%0"}}});
}

TEST(Literals, DecimalBaseAndPrefixes) {
    ExpressionEvaluator evaluator;
    ExpectValues(evaluator, {Is("12.25", 12.25), Is(".5", 0.5), Is("5.", 5.0), Is("007", 7.0),
                             Is("123456789012", 123456789012.0), Is("·d12", 12.0), Is("·d", 0.0),
                             Is("5+·d", 5.0), Is("·hFF", 255.0), Is("·hA5", 165.0),
                             Is("·hFFFFFFFF", -1.0), Is("2·hA", 20.0), Is("·b101", 5.0)});
    ExpectErrors(evaluator, {{"[ Hex  Misplaced ]   Syn ERROR ", {"1A", "2.5A+1"}},
                             {"[ No hex ]   Syn Error", {"·h"}},
                             {"[ hex  Value to big ]   Ma Error", {"·h100000000"}},
                             {"[ .  decimal ]   syn Error", {"·hF.5"}},
                             {"[ No bin ]   Syn Error", {"·b", "·b2"}}});
}

TEST(Literals, HexadecimalBase) {
    ExpressionEvaluator evaluator;
    ExpectValues(evaluator,
                 {Is("FF", 255.0), Is("10", 16.0), Is("7FFFFFFF", 2147483647.0),
                  Is("80000000", -2147483648.0), Is("FFFFFFFF", -1.0), Is("(1+A)", 11.0),
                  Is("A*2", 20.0), Is("·d255", 255.0), Is("·b11", 3.0)},
                 {kHex});
    ExpectErrors(evaluator,
                 {{"[ hex  Value to big ]   Ma Error", {"100000000", "000000001"}},  // nine digits
                  {"[ .  decimal ]   syn Error", {"FF.5", "5."}},
                  {"[ No hex ]   Syn Error", {".5", "ff", "1+f", "1,1", "e3", "A g"}},
                  {"[ . ]   Syn Error", {"·d12.5"}}},
                 {kHex});
}

TEST(Literals, BinaryBase) {
    ExpressionEvaluator evaluator;
    const std::string ones32(32, '1');
    const std::string topBit = "1" + std::string(31, '0');
    const std::string digits33 = topBit + "0";
    ExpectValues(evaluator,
                 {Is("101", 5.0), Is(ones32, -1.0), Is(topBit, -2147483648.0), Is("1+1", 2.0),
                  Is("·hFF", 255.0), Is("·d9", 9.0)},
                 {kBin});
    ExpectErrors(evaluator,
                 {{"[ bin  Value to big ]   Ma Error", {digits33}},
                  {"[ No bin ]   Syn Error", {"2", "12+1", "1,1", "ff", "1 1", "e3"}},
                  {"[ .  decimal ]   syn Error", {"1.1"}},
                  {"[ . ]   Syn Error", {"·d9."}}},
                 {kBin});
}

}  // namespace
}  // namespace zyk::test
