#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

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
                  {"[ No hex ]   Syn Error", {".5"}},
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
                  {"[ No bin ]   Syn Error", {"2", "12+1"}},
                  {"[ .  decimal ]   syn Error", {"1.1"}},
                  {"[ . ]   Syn Error", {"·d9."}}},
                 {kBin});
}

}  // namespace
}  // namespace zyk::test
