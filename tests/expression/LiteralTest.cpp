#include <gtest/gtest.h>

#include <string>

#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

class Literals : public ::testing::Test {
protected:
    ExpressionEvaluator m_evaluator;
};

TEST_F(Literals, DecimalNumbers) {
    const Case cases[] = {
        Ok("0", 0.0),
        Ok("12.25", 12.25),
        Ok(".5", 0.5),
        Ok("5.", 5.0),
        Ok("007", 7.0),
        Ok("0.001", 0.001),
        Ok("123456789012", 123456789012.0),
        Err("1A", "[ Hex  Misplaced ]   Syn ERROR "),  // with its trailing space
        Err("2.5A+1", "[ Hex  Misplaced ]   Syn ERROR "),
        Ok("·d12", 12.0),
        Ok("·hFF", 255.0),
        Ok("·hA5", 165.0),
        Ok("·hFFFFFFFF", -1.0),
        Ok("·b101", 5.0),
        Ok("2·hA", 20.0),
        Err("·h", "[ No hex ]   Syn Error"),
        Err("·h100000000", "[ hex  Value to big ]   Ma Error"),
        Err("·hF.5", "[ .  decimal ]   syn Error"),
        Err("·b", "[ No bin ]   Syn Error"),
        Err("·b2", "[ No bin ]   Syn Error"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Literals, HexadecimalBase) {
    const Case cases[] = {
        Ok("FF", 255.0, kHex),
        Ok("10", 16.0, kHex),
        Ok("7FFFFFFF", 2147483647.0, kHex),
        Ok("80000000", -2147483648.0, kHex),
        Ok("FFFFFFFF", -1.0, kHex),
        Ok("1+A", 11.0, kHex),
        Ok("(1+A)", 11.0, kHex),
        Ok("A*2", 20.0, kHex),
        Ok("·d255", 255.0, kHex),
        Ok("·b11", 3.0, kHex),
        Err("100000000", "[ hex  Value to big ]   Ma Error", kHex),
        Err("000000001", "[ hex  Value to big ]   Ma Error", kHex),  // nine digits
        Err("FF.5", "[ .  decimal ]   syn Error", kHex),
        Err("5.", "[ .  decimal ]   syn Error", kHex),
        Err(".5", "[ No hex ]   Syn Error", kHex),
        Err("·d12.5", "[ . ]   Syn Error", kHex),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Literals, BinaryBase) {
    const std::string ones32(32, '1');
    const std::string topBit = "1" + std::string(31, '0');
    const std::string digits33 = "1" + std::string(32, '0');
    const Case cases[] = {
        Ok("101", 5.0, kBin),
        Ok("0", 0.0, kBin),
        Ok(ones32, -1.0, kBin),
        Ok(topBit, -2147483648.0, kBin),
        Ok("1+1", 2.0, kBin),
        Ok("·hFF", 255.0, kBin),
        Ok("·d9", 9.0, kBin),
        Err(digits33, "[ bin  Value to big ]   Ma Error", kBin),
        Err("2", "[ No bin ]   Syn Error", kBin),
        Err("12+1", "[ No bin ]   Syn Error", kBin),
        Err("1.1", "[ .  decimal ]   syn Error", kBin),
        Err("·d9.", "[ . ]   Syn Error", kBin),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Literals, AnEmptyDecimalPrefixReadsZero) {
    const Case cases[] = {
        Ok("·d", 0.0),
        Ok("5+·d", 5.0),
    };
    ExpectCases(m_evaluator, cases);
}

}  // namespace
}  // namespace zyk::test
