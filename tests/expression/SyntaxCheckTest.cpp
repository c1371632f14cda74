#include <gtest/gtest.h>

#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

struct SyntaxCase {
    std::string_view text;
    std::string_view fault;  // empty: the text passes
    NumberBase base = kDec;
};

void ExpectSyntax(const SyntaxCase& c) {
    ExpressionEvaluator evaluator;
    evaluator.SetNumberBase(c.base);
    const bool faulty = evaluator.CheckSyntax(Bytes(c.text));
    EXPECT_EQ(faulty, !c.fault.empty()) << c.text;
    EXPECT_EQ(evaluator.ErrorText(), Bytes(c.fault)) << c.text;
}

struct OperatorCase {
    std::string_view symbol;
    std::string_view noDigit;
    std::string_view misplaced;
};

TEST(SyntaxCheck, EveryBinaryOperatorHasItsTwoMessages) {
    const OperatorCase cases[] = {
        {"+", "[ +  No digit ]   Syn ERROR", "[ +  Misplaced ]   Syn ERROR"},
        {"-", "[ -  No digit ]   Syn ERROR", "[ -  Misplaced ]   Syn ERROR"},
        {"*", "[ *  No digit ]   Syn ERROR", "[ *  Misplaced ]   Syn ERROR"},
        {"/", "[ /  No digit ]   Syn ERROR", "[ /  Misplaced ]   Syn ERROR"},
        {"%", "[ % No digit ]  Syn ERROR", "[ %  Misplaced ]   Syn ERROR"},
        {"&", "[ &&  No digit ]   Syn ERROR", "[ &&  Misplaced ]   Syn ERROR"},
        {"|", "[ |  No digit ]   Syn ERROR", "[ |  Misplaced ]   Syn ERROR"},
        {"¤", "[ ¤  No digit ]   Syn ERROR", "[ ¤  Misplaced ]   Syn ERROR"},
    };
    for (const auto& c : cases) {
        const std::string op(c.symbol);
        ExpectSyntax({"3" + op, c.noDigit});           // last character
        ExpectSyntax({op, c.noDigit});                 // alone: last before first
        ExpectSyntax({"(" + op + "3)", c.misplaced});  // after an opening bracket
        ExpectSyntax({"2^" + op + "3", c.misplaced});  // after another operator
        ExpectSyntax({"−" + op + "3", c.misplaced});   // after the negation sign
        ExpectSyntax({op + "3", ""});                  // at the start: a left operand of 0
        for (const char* left : {"3", "(3)", "{pi}", "[x]", "3!", "3²", "¦M1¦"}) {
            ExpectSyntax({left + op + "3", ""});  // after every operand end
        }
        ExpectSyntax({"A" + op + "1", "", kHex});
        ExpectSyntax({"1A" + op + "1", ""});  // A-F counts as an operand end in any base
    }
}

TEST(SyntaxCheck, BracketsAreCountedAndPlaced) {
    const SyntaxCase cases[] = {
        {"(2+3", "[ )  Missing ]   Syn ERROR"},
        {"((2)", "[ )  Missing ]   Syn ERROR"},
        {"2+3)", "[ )  Misplaced ]   Syn ERROR"},
        {"(2))", "[ )  Misplaced ]   Syn ERROR"},
        {")(", "[ )  Misplaced ]   Syn ERROR"},
        {"()", "[ )  Misplaced ]   Syn ERROR"},
        {"(2+)", "[ )  Misplaced ]   Syn ERROR", kHex},
        {"(1+A)", "", kHex},
        {"(", "[ (  No digit ]   Syn ERROR"},
        {"2*(", "[ (  No digit ]   Syn ERROR"},
        {"(2)3", "[ digit (.)  Misplaced ]   Syn ERROR"},
        {"((1)(2))", ""},
        {"{(}+1", ""},  // brackets inside a constant name are skipped
    };
    for (const auto& c : cases) {
        ExpectSyntax(c);
    }
}

TEST(SyntaxCheck, LiteralChecksRefuseMisplacedCharacters) {
    const SyntaxCase cases[] = {
        // hexadecimal letters
        {"A", "[ hex  Misplaced ]   Syn ERROR"},
        {"A1", "[ hex  Misplaced ]   Syn ERROR"},
        {"2+B", "[ hex  Misplaced ]   Syn ERROR"},
        {"C", "[ hex  Misplaced ]   Syn ERROR", kBin},
        {"1A", ""},
        {"·hFF", ""},
        {"FF", "", kHex},
        {"{N_A}+{amu}", ""},
        // exponent e
        {"2e5", ""},
        {"2e+5", ""},
        {"2e-5", ""},
        {"2e−5", ""},
        {"e3", ""},
        {"2e.5", ""},
        {"2e(3)", ""},
        {"2{e}", ""},
        {"·e^2", ""},
        {"2e", "[ exp  No digit ]   Syn ERROR"},
        {"2e+", "[ exp  No digit ]   Syn ERROR"},
        {"2e*5", "[ exp  No digit ]   Syn ERROR"},
        {"e^2", "[ exp  No digit ]   Syn ERROR"},
        {"(2)e3", "[ exp  Misplaced ]   Syn ERROR"},
        {"5!e3", "[ exp  Misplaced ]   Syn ERROR"},
        {"[x]e3", "[ exp  Misplaced ]   Syn ERROR"},
        // negation sign
        {"−5", ""},
        {"2+−3", ""},
        {"2^−3", ""},
        {"5−3", "[ (-) sign  Misplaced ]   Syn ERROR"},
        {"(5)−3", "[ (-) sign  Misplaced ]   Syn ERROR"},
        {"A−1", "[ (-) sign  Misplaced ]   Syn ERROR", kHex},
        // digits and points
        {"2..5", "[ .  Misplaced ]   Syn ERROR"},
        {"(2).5", "[ digit (.)  Misplaced ]   Syn ERROR"},
        {"{pi}2", "[ digit (.)  Misplaced ]   Syn ERROR"},
        {"[x]2", "[ digit (.)  Misplaced ]   Syn ERROR"},
        {"5!3", "[ digit (.)  Misplaced ]   Syn ERROR"},
        {"3²2", "[ digit (.)  Misplaced ]   Syn ERROR"},
        {"¦M1¦2", "[ digit (.)  Misplaced ]   Syn ERROR"},
        {"(2+3)4", "[ digit (.)  Misplaced ]   Syn ERROR"},
        // factorial
        {"5!", ""},
        {"3!!", ""},
        {"5²!", "[ !  Misplaced ]   Syn ERROR"},
        {"2^!", "[ !  Misplaced ]   Syn ERROR"},
    };
    for (const auto& c : cases) {
        ExpectSyntax(c);
    }
}

TEST(SyntaxCheck, FunctionNamesNeedAnOperand) {
    const SyntaxCase cases[] = {
        {"·sin", "[ sin  No digit ]   Syn ERROR"},
        {"·sinh", "[ sin  No digit ]   Syn ERROR"},
        {"·sin+1", "[ sin  No digit ]   Syn ERROR"},
        {"·sinh5", ""},
        {"·sin(30)", ""},
        {"·sin−30", ""},
        {"·sin·cos1", ""},
        {"·sin[x]", ""},
        {"·sin¦M1¦", ""},
        {"·sin{pi}", ""},
        {"·sin.5", ""},
        {"·cos", "[ cos  No digit ]   Syn ERROR"},
        {"·cosh)", "[ cos  No digit ]   Syn ERROR"},
        {"·tan", "[ tan  No digit ]   Syn ERROR"},
        {"·tanh", "[ tan  No digit ]   Syn ERROR"},
        {"·arcsin", "[ arcsin  No digit ]   Syn ERROR"},
        {"·arccosh", "[ arccos  No digit ]   Syn ERROR"},
        {"·arctan*2", "[ arctan  No digit ]   Syn ERROR"},
        {"·arctanh0.5", ""},
        {"·ln", "[ ln  No digit ]   Syn ERROR"},
        {"·lnh2", "[ ln  No digit ]   Syn ERROR"},  // ln takes no h
        {"·ln2", ""},
        {"·log", "[ log  No digit ]   Syn ERROR"},
        {"·log100", ""},
        {"·sqrt", "[ sqrt  No digit ]  Syn ERROR"},
        {"·sqrth4", "[ sqrt  No digit ]  Syn ERROR"},  // nor does sqrt
        {"·sqrt4", ""},
        {"·e", "[ e  No digit ]   Syn ERROR"},
        {"·e^", "[ e  No digit ]   Syn ERROR"},
        {"·e2", "[ e  No digit ]   Syn ERROR"},  // the missing-operand fault replaces the other
        {"·ex2", "[ e  Misplaced ]   Syn ERROR"},
        {"·e^+2", "[ +  Misplaced ]   Syn ERROR"},  // the operator rule refuses + after ^
        {"·e^−2", ""},
        {"·10^2", ""},
        {"·xyz1", ""},  // unknown names are the evaluator's to refuse
        {"2·", ""},
    };
    for (const auto& c : cases) {
        ExpectSyntax(c);
    }
}

TEST(SyntaxCheck, FirstFaultFromTheLeftWins) {
    const SyntaxCase cases[] = {
        {"3*/2+", "[ /  Misplaced ]   Syn ERROR"}, {"3+", "[ +  No digit ]   Syn ERROR"},
        {"A+(", "[ hex  Misplaced ]   Syn ERROR"}, {"(2..5", "[ .  Misplaced ]   Syn ERROR"},
        {"2)+(", "[ )  Misplaced ]   Syn ERROR"},
    };
    for (const auto& c : cases) {
        ExpectSyntax(c);
    }
}

TEST(SyntaxCheck, APassingTextLeavesNoStaleErrorText) {
    ExpressionEvaluator evaluator;
    EXPECT_TRUE(evaluator.CheckSyntax("3+"));
    EXPECT_FALSE(evaluator.CheckSyntax("3+4"));
    EXPECT_EQ(evaluator.ErrorText(), "");
}

TEST(SyntaxCheck, EvaluateStopsAtThePrePass) {
    ExpressionEvaluator evaluator;
    LoadCalculatorTables(evaluator);
    const Case cases[] = {
        Err("", "No expression"),
        Err("3+", "[ +  No digit ]   Syn ERROR"),
        Err("3*/2", "[ /  Misplaced ]   Syn ERROR"),
        Ok("+3", 3.0),
        Ok("*3", 0.0),
        // a group's inner text gets its own pre-pass: here only the inner text "{" is faulty
        Err("({)}+1)", "[ }  Missing ]   Syn ERROR"),
    };
    ExpectCases(evaluator, cases);
}

}  // namespace
}  // namespace zyk::test
