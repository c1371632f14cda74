#include <gtest/gtest.h>

#include <set>
#include <string>

#include "formulas/BuiltInFormulas.h"

namespace zyk {
namespace {

struct RowCase {
    int index;
    std::string name;
    std::string displayForm;
    std::string calculatorForm;
};

// Rows with the special bytes (0xB2 square, 0xB3 cube, 0xB7 function mark) next to letters that
// would be swallowed by a careless hex escape, and the first/last rows of each range.
TEST(BuiltInFormulasTest, RowsHoldTheExactBytes) {
    // clang-format off
    const RowCase cases[] = {
        {0, "None", "No selected formula", ""},
        {1, "Quadratic Equation", "ax\xB2+bx+c=0", ""},
        {2, "Cosine law", "a\xB2=b\xB2+c\xB2-2bc\xB7" "cos A", ""},
        {7, "Rectangular -> polar coordinates", "r=\xB7sqrt(x\xB2+y\xB2), A=\xB7" "arctan y/x", ""},
        {9, "Average acceleration", "a=(v2-v1)/(t2-t1)", ""},
        {10, "Moving distance", "S=vt+at\xB2/2", "[S]=[v][t]+[a][t]\xB2/2"},
        {21, "Sector area (2)", "S={pi}r\xB2" "A/360", "[S]={pi}[r]\xB2[A]/360"},
        {23, "Sphere volume", "V=4{pi}r\xB3/3", "[V]=4{pi}[r]^3/3"},
        {36, "Period of simple pendelum", "T=2{pi}\xB7sqrt(l/{g})", "[T]=2{pi}\xB7sqrt([l]/{g})"},
        {47, "Impedance of LR-ciruit", "Z=\xB7sqrt(R\xB2+(2{pi}fL)\xB2)", "[Z]=\xB7sqrt([R]\xB2+(2{pi}[f][L])\xB2)"},
        {50, "Impedance of LRC-parallel circuit", "Z=1/\xB7sqrt((1/R)\xB2+(2{pi}fC-1/(2{pi}fL))\xB2)", "[Z]=1/\xB7sqrt((1/[R])\xB2+(2{pi}[f][C]-1/(2{pi}[f][L]))\xB2)"},
    };
    // clang-format on
    const auto rows = BuiltInFormulas();
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.index);
        const BuiltInFormula& row = rows[static_cast<std::size_t>(c.index)];
        EXPECT_EQ(row.name, c.name);
        EXPECT_EQ(row.displayForm, c.displayForm);
        EXPECT_EQ(row.calculatorForm, c.calculatorForm);
    }
}

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

struct SetupCase {
    int index;
    std::string solverText;
    std::vector<std::string> variables;
};

TEST(BuiltInFormulasTest, SpecialSetupsGiveSolverTextAndVariableOrder) {
    // clang-format off
    const SetupCase cases[] = {
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
    for (const SetupCase& c : cases) {
        SCOPED_TRACE(c.index);
        const auto setup = SpecialSetup(c.index);
        ASSERT_TRUE(setup.has_value());
        EXPECT_EQ(setup->solverText, c.solverText);
        ASSERT_EQ(setup->variableCount, static_cast<int>(c.variables.size()));
        for (std::size_t k = 0; k < c.variables.size(); ++k) {
            EXPECT_EQ(setup->variableNames[k], c.variables[k]);
        }
    }
}

TEST(BuiltInFormulasTest, OnlyIndexesOneToNineHaveASetup) {
    for (const int index : {-1, 0, 10, 50, 51}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(SpecialSetup(index).has_value());
    }
}

}  // namespace
}  // namespace zyk
