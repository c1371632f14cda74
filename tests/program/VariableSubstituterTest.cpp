// Variables replaced in one pass must give what the rule gives when it is followed word for word
// (each variable in declaration order, searching what earlier ones put in).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "expression/ExpressionBytes.h"
#include "program/ProgramData.h"
#include "program/VariableSubstituter.h"

namespace zyk::test {
namespace {

constexpr std::size_t kLimit = 100000;

TEST(VariableSubstituterTest, TheRuleAtItsEdges) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> variables;  // in declaration order
        std::string text;
        std::string substituted;
    };
    const std::string minus(1, kNegationSign);
    const Case cases[] = {
        {{{"a", "5"}, {"ab", "7"}}, "a+ab*a", "5+7*5"},
        {{{"a", "5"}, {"a1", "7"}}, "a1", "51"},  // a digit does not end a name
        {{{"a1", "7"}, {"a", "5"}}, "a1+a", "7+5"},
        {{{"x", "2"}}, "2x+x(3)", "22+x(3)"},          // not before '('
        {{{"x", "y+1"}, {"y", "4"}}, "x*2", "4+1*2"},  // later variables search earlier values
        {{{"y", "4"}, {"x", "y+1"}}, "x*2", "y+1*2"},  // earlier ones do not
        {{{"b", "3"}, {"a13", "9"}}, "a1b", "9"},      // a replaced name joins a longer one
        {{{"e", "2"}, {"x", "1e+020"}}, "x", "1e+020"},
        {{{"x", "1e+020"}, {"e", "2"}}, "x", "12+020"},
        {{{"n", minus + "3"}}, "n+n", minus + "3+" + minus + "3"},
    };
    for (const Case& c : cases) {
        ProgramData data;
        for (const auto& [name, value] : c.variables) {
            ASSERT_TRUE(data.AddVariable(name));
            ASSERT_TRUE(data.SetValue(data.VariableIndex(name), value));
        }
        std::string text = c.text;
        ASSERT_TRUE(VariableSubstituter::Substitute(text, data, kLimit));
        EXPECT_EQ(text, c.substituted) << c.text;
    }
}

TEST(VariableSubstituterTest, OnePassGivesWhatTheRuleGives) {
    const std::vector<std::string> names = {"a", "b", "x", "ab", "ba", "a1", "a12", "b2", "xy"};
    const std::string minusThree = std::string(1, kNegationSign) + "3";
    const std::vector<std::string> values = {"5",   "12",  "0.5", "1e+020", minusThree,
                                             "(1)", "y+1", "b",   "a1",     "2(3"};
    const std::string alphabet = "abxy12+([] ";
    std::mt19937 random(7);
    const auto below = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    int changed = 0;
    for (int round = 0; round < 50000; ++round) {
        ProgramData data;
        for (std::size_t i = below(5); i > 0; --i) {
            const std::string& name = names[below(names.size())];
            if (data.FindVariable(name) == nullptr) {
                data.AddVariable(name);
                data.SetValue(data.VariableIndex(name), values[below(values.size())]);
            }
        }
        std::string text;
        for (std::size_t i = 1 + below(12); i > 0; --i) {
            text += alphabet[below(alphabet.size())];
        }
        std::string onePass = text;
        std::string byTheRule = text;
        ASSERT_TRUE(VariableSubstituter::Substitute(onePass, data, kLimit));
        ASSERT_TRUE(VariableSubstituter::SubstituteInOrder(byTheRule, data, kLimit));
        ASSERT_EQ(onePass, byTheRule) << text;
        changed += onePass != text;
    }
    EXPECT_GT(changed, 5000);
}

TEST(VariableSubstituterTest, ARefusedTextStaysAsItWas) {
    ProgramData data;
    data.AddVariable("x");
    data.SetValue(0, std::string(600, '1'));
    data.AddVariable("y");
    data.SetValue(1, "x");
    for (const std::string start : {"x+x", "y+x+x"}) {  // one pass, and the rule for "y"
        std::string text = start;
        EXPECT_TRUE(VariableSubstituter::Substitute(text, data, 2000)) << start;
        text = start;
        EXPECT_FALSE(VariableSubstituter::Substitute(text, data, 1000)) << start;
        EXPECT_EQ(text, start);
    }
}

}  // namespace
}  // namespace zyk::test
