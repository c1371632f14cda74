#include <gtest/gtest.h>

#include <cmath>

#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

constexpr Angle kDeg = Angle::Degrees;
constexpr Angle kRad = Angle::Radians;

class Functions : public ::testing::Test {
protected:
    void SetUp() override { LoadCalculatorTables(m_evaluator); }
    ExpressionEvaluator m_evaluator;
};

TEST_F(Functions, TrigonometryInBothAngleModes) {
    const Case cases[] = {
        Ok("·sin30", 0.5, kDec, kDeg),
        Ok("·cos60", 0.5, kDec, kDeg),
        Ok("·tan45", 1.0, kDec, kDeg),
        Ok("·sin−30", -0.5, kDec, kDeg),
        Ok("·sin({pi}/2)", 1.0, kDec, kRad),
        Ok("·cos{pi}", -1.0, kDec, kRad),
        Ok("·sin30", std::sin(30.0), kDec, kRad),
        Ok("·sin30+1", 1.5, kDec, kDeg),  // the argument ends at the operator
        Ok("·sin2{pi}", 0.0, kDec, kRad),
        Ok("·sin2·cos3", std::sin(2.0) * std::cos(3.0), kDec, kRad),
        Ok("·sin30·cos60", 0.25, kDec, kDeg),
        // the bound is about 1.61e17 radians, i.e. about 9.22e18 degrees
        Ok("·sin1e17", std::sin(1e17), kDec, kRad),
        Err("·sin1e19", " [ sin  Value to big ]   Ma Error ", kDec, kDeg),
        Err("·sin2e17", " [ sin  Value to big ]   Ma Error ", kDec, kRad),
        Err("·cos−2e17", " [ cos  Value to big ]   Ma Error ", kDec, kRad),
        Err("·tan1e19", " [ tan  Value to big ]   Ma Error ", kDec, kDeg),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Functions, DegreesJustInsideTheTrigonometricBoundAreComputed) {
    // 9e18 degrees is about 1.571e17 radians, under the bound of about 1.610e17.
    m_evaluator.SetDegreeMode(true);
    for (const char* text : {"·sin9e18", "·cos9e18", "·tan9e18", "·sin−9e18"}) {
        double value = 2.0;
        EXPECT_TRUE(m_evaluator.Evaluate(Bytes(text), value)) << text;
        EXPECT_TRUE(std::isfinite(value)) << text;
    }
}

TEST_F(Functions, InverseTrigonometryConvertsItsResultInDegreeMode) {
    const Case cases[] = {
        Ok("·arcsin1", 90.0, kDec, kDeg),
        Ok("·arcsin−1", -90.0, kDec, kDeg),
        Ok("·arccos0", 90.0, kDec, kDeg),
        Ok("·arctan1", 45.0, kDec, kDeg),
        Ok("·arcsin1", kPi / 2, kDec, kRad),
        Ok("·arccos−1", kPi, kDec, kRad),
        Ok("·arctan9e18", 90.0, kDec, kDeg),
        Err("·arcsin2", " [ arcsin  Value to big ]   Ma Error ", kDec, kDeg),
        Err("·arcsin1.0001", " [ arcsin  Value to big ]   Ma Error ", kDec, kRad),
        Err("·arccos−1.5", " [ arccos  Value to big ]   Ma Error ", kDec, kDeg),
        Err("·arctan1e19", " [ arctan  Value to big ]   Ma Error ", kDec, kDeg),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Functions, HyperbolicFunctionsIgnoreTheAngleMode) {
    const Case cases[] = {
        Ok("·sinh1", std::sinh(1.0), kDec, kDeg),
        Ok("·sinh1", std::sinh(1.0), kDec, kRad),
        Ok("·sinh710", std::sinh(710.0), kDec, kDeg),
        Ok("·sinh−710", -std::sinh(710.0), kDec, kDeg),
        Ok("·cosh710", std::cosh(710.0), kDec, kDeg),
        Ok("·tanh9e18", 1.0, kDec, kDeg),
        Err("·sinh711", " [ sinh  Value to big ]   Ma Error ", kDec, kDeg),
        Err("·cosh−711", " [ cosh  Value to big ]   Ma Error ", kDec, kRad),
        Err("·tanh1e19", " [ tanh  Value to big ]   Ma Error ", kDec, kDeg),
        Ok("·arcsinh1", 0.881373587019543, kDec, kDeg),
        Ok("·arcsinh−1", -0.881373587019543, kDec, kRad),
        Ok("·arccosh1", 0.0, kDec, kDeg),
        Ok("·arccosh2", 1.3169578969248166, kDec, kDeg),
        Ok("·arctanh0.5", 0.5493061443340549, kDec, kDeg),
        Err("·arcsinh2e154", " [ arcsinh  Value to big ]   Ma Error ", kDec, kDeg),
        Err("·arccosh0.5", " [ arccosh  Value not valid ]   Ma Error ", kDec, kDeg),
        Err("·arccosh2e154", " [ arccosh  Value not valid ]   Ma Error ", kDec, kDeg),
        Err("·arctanh1", " [ arctanh  Value not valid ]   Ma Error ", kDec, kDeg),
        Err("·arctanh−1", " [ arctanh  Value not valid ]   Ma Error ", kDec, kRad),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Functions, RootsAndLogarithmsAtTheirBounds) {
    const Case cases[] = {
        Ok("·sqrt0", 0.0),
        Ok("·sqrt16", 4.0),
        Ok("·sqrt1e308", 1e154),
        Ok("·sqrt2(8)", 4.0),  // juxtaposed argument: sqrt(2*8)
        Err("·sqrt−1", "[ sqrt  Value not valid ]   Ma Error"),
        Err("·sqrt2e308", "[ sqrt  Value not valid ]   Ma Error"),
        Ok("·ln1", 0.0),
        Ok("·ln(·e^2)", 2.0),
        Ok("·ln1e308", std::log(1e308)),
        Err("·ln0", "[ ln  Value not valid ]   Ma Error"),
        Err("·ln−1", "[ ln  Value not valid ]   Ma Error"),
        Ok("·log1000", 3.0),
        Ok("·log1e308", 308.0),
        Err("·log0", "[ log  Value not valid ]   Ma Error"),
        Err("·log2e308", "[ log  Value not valid ]   Ma Error"),
        Err("·xyz1", "No such function!"),
        Err("2+·q5", "No such function!"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Functions, FactorialLimits) {
    const Case cases[] = {
        Ok("0!", 1.0),
        Ok("1!", 1.0),
        Ok("5!", 120.0),
        Ok("3!!", 720.0),
        Ok("(2+1)!", 6.0),
        Ok("170!", 7.257415615307999e306),
        Err("171!", "[ !  value to big ]   Syn Error"),
        Err("−3!", "[ !  value neg ]   Syn Error"),
        Err("2.5!", "[ !  No Integer ]  Syn ERROR"),
        Err("{pi}!", "[ !  Misplaced ]   Syn ERROR"),  // only a digit, ), ], ! or bar before it
        Err("!", "[ !  Misplaced ]   Syn ERROR"),
        Err("5!A", "Ma  ERROR", kHex),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Functions, PowerAndSquareLimits) {
    const Case cases[] = {
        Ok("10^308", 1e308),
        Ok("2^1023", std::ldexp(1.0, 1023)),
        Ok("(−2)^3", -8.0),
        Ok("10^−400", 0.0),
        Ok("1e154²", 1e308),
        Ok("−1e154²", 1e308),
        Err("10^309", "[ x^y  Value to big ]   Ma Error"),
        Err("2^1024", "[ x^y  Value to big ]   Ma Error"),
        Err("(−10)^309", "[ x^y  Value to big ]   Ma Error"),
        Err("0.1^−400", "[ x^y  Value to big ]   Ma Error"),
        Err("2^−(10^308*10)", "[ x^y  Value to small ]   Ma Error"),
        Err("2e154²", "[ ²  Value to big ]   Ma Error"),
        Err("−2e154²", "[ ²  Value to big ]   Ma Error"),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Functions, WhatEndsAnArgument) {
    const Case cases[] = {
        // a function after a digit starts the next factor of the term
        Ok("·sqrt4·sqrt9", 6.0),
        // ... also when the argument holds a function of its own
        Ok("·sqrt·sqrt16·sqrt4", 4.0),
        // a group is a whole expression: inside it a function after a digit is a factor again
        Ok("·sin(2·cos3)", std::sin(2.0 * std::cos(3.0)), kDec, kRad),
        // !, ^ and the square sign apply to the function's result, as powers chain left
        Ok("·sqrt9²", 9.0),
        Ok("·sqrt4!", 2.0),
        Ok("·sin30²", 0.25),
        Ok("·ln·e^2", 1.0),
        Ok("·sqrt9²+1", 10.0, kHex),
        // the argument ends at = as a term does
        Ok("·sqrt16=¦M2¦", 4.0),
    };
    ExpectCases(m_evaluator, cases);
}

TEST_F(Functions, HyperbolicLetterNeedsAnArgumentAfterIt) {
    const Case cases[] = {
        Err("·sinh", "[ sin  No digit ]   Syn ERROR"), Ok("·sinh0", 0.0),
        Ok("·cos·h1", std::cos(kPi / 180), kDec, kDeg),  // a hexadecimal 1, not cosh
    };
    ExpectCases(m_evaluator, cases);
}

}  // namespace
}  // namespace zyk::test
