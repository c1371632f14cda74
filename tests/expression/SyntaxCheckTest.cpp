#include "EvaluatorCases.h"

namespace zyk::test {
namespace {

void ExpectSyntax(std::initializer_list<ErrorRow> rows, NumberBase base = NumberBase::Decimal) {
    for (const auto& row : rows) {
        for (const auto text : row.texts) {
            ExpressionEvaluator evaluator;
            evaluator.SetNumberBase(base);
            EXPECT_EQ(evaluator.CheckSyntax(Bytes(text)), !row.error.empty()) << text;
            EXPECT_EQ(evaluator.ErrorText(), Bytes(row.error)) << text;
        }
    }
}

TEST(SyntaxCheck, EveryBinaryOperatorHasItsTwoMessages) {
    struct OperatorCase {
        std::string symbol;
        std::string_view noDigit, misplaced;
    };
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
        const std::string& op = c.symbol;
        // Last character (alone: last before first); after (, another operator or the sign.
        ExpectSyntax({{c.noDigit, {"3" + op, op}},
                      {c.misplaced, {"(" + op + "3)", "2^" + op + "3", "−" + op + "3"}}});
        // At the start (a left operand of 0 follows) and after every operand end or A-F.
        ExpectSyntax(
            {{"",
              {op + "3", "3" + op + "3", "(3)" + op + "3", "{pi}" + op + "3", "[x]" + op + "3",
               "3!" + op + "3", "3²" + op + "3", "¦M1¦" + op + "3", "1A" + op + "1"}}});
        ExpectSyntax({{"", {"A" + op + "1"}}}, kHex);
    }
}

TEST(SyntaxCheck, BracketsAreCountedAndPlaced) {
    ExpectSyntax({
        {"[ )  Missing ]   Syn ERROR", {"(2+3", "((2)"}},
        {"[ )  Misplaced ]   Syn ERROR", {"2+3)", "(2))", ")(", "()", "2)+("}},
        {"[ (  No digit ]   Syn ERROR", {"(", "2*("}},
        {"[ digit (.)  Misplaced ]   Syn ERROR", {"(2)3", "(2+3)4"}},
        {"", {"((1)(2))", "{(}+1"}},  // brackets inside a constant name are skipped
    });
    ExpectSyntax({{"", {"(1+A)"}}, {"[ )  Misplaced ]   Syn ERROR", {"(2+)"}}}, kHex);
}

TEST(SyntaxCheck, LiteralChecksRefuseMisplacedCharacters) {
    ExpectSyntax({
        {"[ hex  Misplaced ]   Syn ERROR", {"A", "A1", "2+B", "A+("}},
        {"[ exp  No digit ]   Syn ERROR", {"2e", "2e+", "2e*5", "e^2"}},
        {"[ exp  Misplaced ]   Syn ERROR", {"(2)e3", "5!e3", "[x]e3"}},
        {"[ (-) sign  Misplaced ]   Syn ERROR", {"5−3", "(5)−3"}},
        {"[ .  Misplaced ]   Syn ERROR", {"2..5", "(2..5"}},
        {"[ digit (.)  Misplaced ]   Syn ERROR", {"(2).5", "{pi}2", "[x]2", "5!3", "3²2", "¦M1¦2"}},
        {"[ !  Misplaced ]   Syn ERROR", {"5²!", "2^!"}},
        {"[ /  Misplaced ]   Syn ERROR", {"3*/2+"}},  // the first fault from the left
        {"",
         {"1A", "·hFF", "{N_A}+{amu}", "2e5", "2e+5", "2e-5", "2e−5", "e3", "2e.5", "2e(3)", "2{e}",
          "·e^2", "−5", "2+−3", "2^−3", "5!", "3!!"}},
    });
    ExpectSyntax({{"", {"FF"}}, {"[ (-) sign  Misplaced ]   Syn ERROR", {"A−1"}}}, kHex);
    ExpectSyntax({{"[ hex  Misplaced ]   Syn ERROR", {"C"}}}, kBin);
}

TEST(SyntaxCheck, FunctionNamesNeedAnOperand) {
    ExpectSyntax({
        {"[ sin  No digit ]   Syn ERROR", {"·sin", "·sinh", "·sin+1"}},
        {"[ cos  No digit ]   Syn ERROR", {"·cos", "·cosh)"}},
        {"[ tan  No digit ]   Syn ERROR", {"·tan", "·tanh"}},
        {"[ arcsin  No digit ]   Syn ERROR", {"·arcsin"}},
        {"[ arccos  No digit ]   Syn ERROR", {"·arccosh"}},
        {"[ arctan  No digit ]   Syn ERROR", {"·arctan*2"}},
        {"[ ln  No digit ]   Syn ERROR", {"·ln", "·lnh2"}},  // ln takes no h
        {"[ log  No digit ]   Syn ERROR", {"·log"}},
        {"[ sqrt  No digit ]  Syn ERROR", {"·sqrt", "·sqrth4"}},  // nor does sqrt
        {"[ e  No digit ]   Syn ERROR", {"·e", "·e^", "·e2"}},    // replaces "Misplaced" in ·e2
        {"[ e  Misplaced ]   Syn ERROR", {"·ex2"}},
        {"[ +  Misplaced ]   Syn ERROR", {"·e^+2"}},  // the operator rule refuses + after ^
        {"",
         {"·sinh5", "·sin(30)", "·sin−30", "·sin·cos1", "·sin[x]", "·sin¦M1¦", "·sin{pi}", "·sin.5",
          "·arctanh0.5", "·ln2", "·log100", "·sqrt4", "·e^−2", "·10^2", "·xyz1", "2·"}},
    });
}

TEST(SyntaxCheck, APassingTextLeavesNoStaleErrorText) {
    ExpressionEvaluator evaluator;
    EXPECT_TRUE(evaluator.CheckSyntax("3+"));
    EXPECT_FALSE(evaluator.CheckSyntax("3+4"));
    EXPECT_EQ(evaluator.ErrorText(), "");
}

TEST(SyntaxCheck, EvaluateRunsThePrePassOnTheTextAndOnEveryGroup) {
    ExpressionEvaluator evaluator;
    ExpectErrors(evaluator, {{"No expression", {""}},
                             {"[ /  Misplaced ]   Syn ERROR", {"3*/2"}},
                             {"[ }  Missing ]   Syn ERROR", {"({)}+1)"}}});  // inner text "{"
    ExpectValues(evaluator, {Is("+3", 3.0), Is("*3", 0.0)});
}

}  // namespace
}  // namespace zyk::test
