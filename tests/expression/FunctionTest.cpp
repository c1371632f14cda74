#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

using Functions = CalculatorEvaluator;

TEST_F(Functions, TrigonometryInBothAngleModes) {
    ExpectValues(m_evaluator, {Is("·sin30", 0.5), Is("·cos60", 0.5), Is("·tan45", 1.0),
                               Is("·sin−30", -0.5), Is("·sin30+1", 1.5), Is("·sin30·cos60", 0.25),
                               Is("·arcsin1", 90.0), Is("·arcsin−1", -90.0), Is("·arccos0", 90.0),
                               Is("·arctan1", 45.0), Is("·arctan9e18", 90.0)});
    ExpectValues(m_evaluator,
                 {Is("·sin({pi}/2)", 1.0), Is("·cos{pi}", -1.0), Is("·sin30", std::sin(30.0)),
                  Is("·sin2{pi}", 0.0), Is("·sin2·cos3", std::sin(2.0) * std::cos(3.0)),
                  Is("·sin1e17", std::sin(1e17)), Is("·arcsin1", kPi / 2), Is("·arccos−1", kPi)},
                 kRadians);
    // The bound is about 1.61e17 radians, that is about 9.22e18 degrees.
    ExpectErrors(m_evaluator, {{" [ sin  Value to big ]   Ma Error ", {"·sin1e19"}},
                               {" [ tan  Value to big ]   Ma Error ", {"·tan1e19"}},
                               {" [ arcsin  Value to big ]   Ma Error ", {"·arcsin2"}},
                               {" [ arccos  Value to big ]   Ma Error ", {"·arccos−1.5"}},
                               {" [ arctan  Value to big ]   Ma Error ", {"·arctan1e19"}}});
    ExpectErrors(m_evaluator,
                 {{" [ sin  Value to big ]   Ma Error ", {"·sin2e17"}},
                  {" [ cos  Value to big ]   Ma Error ", {"·cos−2e17"}},
                  {" [ arcsin  Value to big ]   Ma Error ", {"·arcsin1.0001"}}},
                 kRadians);
    m_evaluator.SetDegreeMode(true);
    for (const char* text : {"·sin9e18", "·cos9e18", "·tan9e18", "·sin−9e18"}) {
        double value = 2.0;  // just inside the bound in degrees: computed
        EXPECT_TRUE(m_evaluator.Evaluate(Bytes(text), value) && std::isfinite(value)) << text;
    }
}

TEST_F(Functions, HyperbolicFunctionsIgnoreTheAngleMode) {
    for (const Mode mode : {Mode{}, kRadians}) {
        ExpectValues(m_evaluator,
                     {Is("·sinh1", std::sinh(1.0)), Is("·sinh710", std::sinh(710.0)),
                      Is("·sinh−710", -std::sinh(710.0)), Is("·cosh710", std::cosh(710.0)),
                      Is("·tanh9e18", 1.0), Is("·arcsinh1", 0.881373587019543),
                      Is("·arcsinh−1", -0.881373587019543), Is("·arccosh1", 0.0),
                      Is("·arccosh2", 1.3169578969248166), Is("·arctanh0.5", 0.5493061443340549)},
                     mode);
        ExpectErrors(
            m_evaluator,
            {{" [ sinh  Value to big ]   Ma Error ", {"·sinh711"}},
             {" [ cosh  Value to big ]   Ma Error ", {"·cosh−711"}},
             {" [ tanh  Value to big ]   Ma Error ", {"·tanh1e19"}},
             {" [ arcsinh  Value to big ]   Ma Error ", {"·arcsinh2e154"}},
             {" [ arccosh  Value not valid ]   Ma Error ", {"·arccosh0.5", "·arccosh2e154"}},
             {" [ arctanh  Value not valid ]   Ma Error ", {"·arctanh1", "·arctanh−1"}}},
            mode);
    }
}

TEST_F(Functions, RootsAndLogarithmsAtTheirBounds) {
    // ·sqrt2(8) is a juxtaposed argument, sqrt(2*8); in ·cos·h1 the h starts a hexadecimal 1.
    ExpectValues(m_evaluator,
                 {Is("·sqrt0", 0.0), Is("·sqrt16", 4.0), Is("·sqrt1e308", 1e154),
                  Is("·sqrt2(8)", 4.0), Is("·ln1", 0.0), Is("·ln(·e^2)", 2.0),
                  Is("·ln1e308", std::log(1e308)), Is("·log1000", 3.0), Is("·log1e308", 308.0)});
    ExpectErrors(m_evaluator, {{"[ sqrt  Value not valid ]   Ma Error", {"·sqrt−1", "·sqrt2e308"}},
                               {"[ ln  Value not valid ]   Ma Error", {"·ln0", "·ln−1"}},
                               {"[ log  Value not valid ]   Ma Error", {"·log0", "·log2e308"}},
                               {"No such function!", {"·xyz1", "2+·q5"}}});
    ExpectValues(m_evaluator, {Is("·cos·h1", std::cos(kPi / 180))});
}

TEST_F(Functions, FactorialPowerAndSquareLimits) {
    ExpectValues(m_evaluator,
                 {Is("0!", 1.0), Is("1!", 1.0), Is("5!", 120.0), Is("3!!", 720.0),
                  Is("(2+1)!", 6.0), Is("170!", 7.257415615307999e306), Is("10^308", 1e308),
                  Is("2^1023", std::ldexp(1.0, 1023)), Is("(−2)^3", -8.0), Is("10^−400", 0.0),
                  Is("1e154²", 1e308), Is("−1e154²", 1e308)});
    ExpectErrors(
        m_evaluator,
        {{"[ !  value to big ]   Syn Error", {"171!"}},
         {"[ !  value neg ]   Syn Error", {"−3!"}},
         {"[ !  No Integer ]  Syn ERROR", {"2.5!"}},
         {"[ !  Misplaced ]   Syn ERROR", {"{pi}!", "!"}},  // not after } or at 0
         {"[ x^y  Value to big ]   Ma Error", {"10^309", "2^1024", "(−10)^309", "0.1^−400"}},
         {"[ x^y  Value to small ]   Ma Error", {"2^−(10^308*10)"}},
         {"[ ²  Value to big ]   Ma Error", {"2e154²", "−2e154²"}}});
    ExpectErrors(m_evaluator, {{"Ma  ERROR", {"5!A"}}}, {kHex});
}

TEST_F(Functions, WhatEndsAnArgument) {
    // A function after a digit starts the next factor, also when the argument holds a function
    // of its own; !, ^ and the square sign apply to the function's result.
    ExpectValues(m_evaluator, {Is("·sqrt4·sqrt9", 6.0), Is("·sqrt·sqrt16·sqrt4", 4.0),
                               Is("·sqrt9²", 9.0), Is("·sqrt4!", 2.0), Is("·sin30²", 0.25),
                               Is("·ln·e^2", 1.0), Is("·sqrt16+0=¦M2¦", 4.0)});
    // A group is a whole expression: a function after a digit is a factor again inside it.
    ExpectValues(m_evaluator, {Is("·sin(2·cos3)", std::sin(2.0 * std::cos(3.0)))}, kRadians);
    // Where an argument ends nothing is read as a number, so no literal error is raised there.
    for (const Mode mode : {Mode{kHex}, Mode{kBin}}) {
        ExpectValues(m_evaluator,
                     {Is("·sqrt1²+1", 2.0), Is("·sqrt1!", 1.0), Is("·sqrt1^1", 1.0),
                      Is("·sqrt1·sqrt1", 1.0), Is("10^1²", mode.base == kHex ? 256.0 : 4.0)},
                     mode);
    }
}

TEST_F(Functions, AnEqualsSignInsideAnArgumentOrExponentIsNoStore) {
    ExpectErrors(m_evaluator, {{"[ = ]   syn Error",
                                {"·sqrt16=¦M2¦", "2^3=¦M1¦", "·sin30·cos60=¦M3¦", "2·sqrt4=¦M4¦",
                                 "2^−3=¦M1¦", "·e^2=¦M1¦", "·sqrt(16)=¦M2¦"}}});
    double value = 0.0;
    for (const char* text : {"·sqrt16=¦M2¦", "2^3=¦M1¦"}) {
        ASSERT_TRUE(m_evaluator.Evaluate(Bytes("7=¦M1¦=¦M2¦"), value));
        EXPECT_FALSE(m_evaluator.Evaluate(Bytes(text), value));
        EXPECT_EQ(m_evaluator.Memory("M1"), 7.0) << text;
        EXPECT_EQ(m_evaluator.Memory("M2"), 7.0) << text;
    }
    // After a whole term the store works.
    ExpectValues(m_evaluator, {Is("2^3+0=¦M1¦", 8.0), Is("(2^3)=¦M1¦", 8.0), Is("3²=¦M1¦", 9.0),
                               Is("3!=¦M1¦", 6.0), Is("2*(·sqrt16)=¦M2¦", 8.0)});
    EXPECT_EQ(m_evaluator.Memory("M2"), 8.0);
}

}  // namespace
}  // namespace zyk::test
