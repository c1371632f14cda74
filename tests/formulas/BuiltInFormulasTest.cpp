#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "formulas/BuiltInFormulas.h"

namespace zyk {
namespace {

// Formula mode relies on this split: specials have no calculator form, every other row has one
// that starts with its result variable.
TEST(BuiltInFormulasTest, OnlySpecialRowsLackACalculatorForm) {
    const auto rows = BuiltInFormulas();
    ASSERT_EQ(rows.size(), 51u);
    std::set<std::string_view> names;
    for (int i = 0; i < kBuiltInFormulaCount; ++i) {
        SCOPED_TRACE(i);
        const BuiltInFormula& row = rows[static_cast<std::size_t>(i)];
        names.insert(row.name);
        if (i <= kLastSpecialFormulaIndex) {
            EXPECT_TRUE(row.calculatorForm.empty());
        } else {
            ASSERT_GE(row.calculatorForm.size(), 5u);
            EXPECT_EQ(row.calculatorForm[0], '[');
            EXPECT_EQ(row.calculatorForm.substr(2, 2), "]=");
            EXPECT_EQ(row.calculatorForm[1], row.displayForm[0]);
        }
    }
    EXPECT_EQ(names.size(), 51u);
}

// The solver texts differ from the list's display forms in spacing, and the variables are asked
// in the order the solver takes them.
TEST(BuiltInFormulasTest, SpecialSetupsGiveSolverTextAndVariableOrder) {
    // clang-format off
    const struct {
        int index;
        std::string solverText;
        std::vector<std::string_view> variables;
    } cases[] = {
        {1, "ax\xB2+bx+c=0", {"a", "b", "c"}},
        {2, "a\xB2=b\xB2+c\xB2-2bc\xB7" "cos A", {"b", "c", "A"}},
        {3, "a/\xB7sin A=b/\xB7sin B=c/\xB7sin C=2R", {"b", "A", "B"}},
        {4, "S=\xB7sqrt(s(s-a)(s-b)(s-c))", {"a", "b", "c"}},
        {5, "f=f0 (v-u)/(v-v0)", {"f0", "v", "u", "v0"}},
        {6, "f=f0\xB7sqrt((c-v)/(c+v))", {"f0", "v"}},
        {7, "r=\xB7sqrt(x\xB2+y\xB2) ,  A=\xB7" "arctan y/x", {"x", "y"}},
        {8, "x=r\xB7" "cos A ,  y=r\xB7sin A", {"r", "A"}},
        {9, "a=(v2-v1)/(t2-t1)", {"v2", "v1", "t2", "t1"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const auto setup = SpecialSetup(c.index);
        ASSERT_TRUE(setup.has_value());
        EXPECT_EQ(setup->solverText, c.solverText);
        const auto count = static_cast<std::size_t>(setup->variableCount);
        ASSERT_LE(count, setup->variableNames.size());
        EXPECT_EQ(std::vector(setup->variableNames.begin(), setup->variableNames.begin() + count),
                  c.variables);
    }
    for (const int index : {-1, 0, 10, 50, 51}) {
        EXPECT_FALSE(SpecialSetup(index).has_value()) << index;
    }
}

}  // namespace
}  // namespace zyk
