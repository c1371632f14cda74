#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "formulas/BuiltInFormulas.h"
#include "formulas/CFormulaSolver.h"

namespace zyk {
namespace {

struct SolveCase {
    const char* what;
    int index;
    std::vector<double> values;
    std::string expected;
};

std::string SolveWith(int index, const std::vector<double>& values) {
    CFormulaSolver solver;
    for (std::size_t k = 0; k < values.size(); ++k) {
        solver.SetValue(static_cast<int>(k), values[k]);
    }
    return solver.Solve(index);
}

void ExpectSolutions(const std::vector<SolveCase>& cases) {
    for (const SolveCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SolveWith(c.index, c.values), c.expected);
    }
}

constexpr double kC = 299792458.0;

TEST(CFormulaSolverTest, QuadraticEquation) {
    ExpectSolutions({
        {"two roots", 1, {1, -3, 2}, "x1= 2 , x2= 1"},
        {"nine significant digits", 1, {1, 1, -1}, "x1= 0.618033989 , x2= -1.61803399"},
        {"three exponent digits", 1, {1, -3e10, 2e20}, "x1= 2e+010 , x2= 1e+010"},
        {"double root", 1, {1, -2, 1}, "x1= 1 , x2= 1"},
        {"negative discriminant", 1, {1, 2, 5}, "Ma Error"},
        {"a is zero", 1, {0, 2, 1}, "Ma Error"},
        {"b is zero refused too", 1, {1, 0, -4}, "Ma Error"},
        {"root at zero is not -0", 1, {-1, 2, 0}, "x1= 0 , x2= 2"},
    });
}

TEST(CFormulaSolverTest, CosineAndSineLaw) {
    ExpectSolutions({
        {"right angle", 2, {3, 4, 90}, "a= 5"},
        {"eleven significant digits", 2, {1, 1, 90}, "a= 1.4142135624"},
        {"straight angle", 2, {3, 4, 180}, "Ma Error"},
        {"zero angle", 2, {3, 4, 0}, "Ma Error"},
        {"b not positive", 2, {0, 4, 90}, "Ma Error"},
        {"c negative", 2, {3, -1, 90}, "Ma Error"},
        {"sine law", 3, {1, 90, 30}, "a= 2"},
        {"angle sum above 180 is not tested", 3, {1, 150, 150}, "a= 1"},
        {"sine law straight A", 3, {1, 180, 30}, "Ma Error"},
        {"sine law zero B", 3, {1, 90, 0}, "Ma Error"},
        {"sine law B at 180", 3, {1, 90, 180}, "Ma Error"},
        {"sine law b zero", 3, {0, 90, 30}, "Ma Error"},
    });
}

TEST(CFormulaSolverTest, HeronsLaw) {
    ExpectSolutions({
        {"3-4-5", 4, {3, 4, 5}, "S= 6"},
        {"degenerate a+b=c", 4, {1, 2, 3}, "Ma Error"},
        {"degenerate b+c=a", 4, {3, 1, 2}, "Ma Error"},
        {"degenerate a+c=b", 4, {1, 3, 2}, "Ma Error"},
        {"zero side", 4, {0, 1, 1}, "Ma Error"},
    });
}

TEST(CFormulaSolverTest, DopplerEffects) {
    ExpectSolutions({
        {"listener at rest", 5, {100, 340, 0, 0}, "f= 100"},
        {"source approaching", 5, {100, 340, 0, -20}, "f= 94.444444444"},
        {"speed of sound zero", 5, {100, 0, 0, 10}, "Ma Error"},
        {"frequency zero", 5, {0, 340, 0, 0}, "Ma Error"},
        {"ratio zero", 5, {100, 340, 340, 0}, "Ma Error"},
        {"ratio negative", 5, {100, 340, 400, 0}, "Ma Error"},
        {"v equals v0: infinite", 5, {100, 340, 0, 340}, "Ma Error"},
        {"v equals v0 and u: not a number", 5, {100, 340, 340, 340}, "Ma Error"},
        {"light receding", 6, {100, 0.6 * kC}, "f= 50"},
        {"exactly the speed of light", 6, {100, kC}, "f= 0"},
        {"faster than light", 6, {100, kC + 1}, "Ma Error"},
        {"frequency not positive", 6, {-1, 0}, "Ma Error"},
        {"approach at light speed: infinite", 6, {100, -kC}, "Ma Error"},
        {"approach beyond light speed: root of negative", 6, {100, -2 * kC}, "Ma Error"},
    });
}

TEST(CFormulaSolverTest, Coordinates) {
    ExpectSolutions({
        {"3-4-5", 7, {3, 4}, "r= 5  , A=53.1301024"},
        {"second quadrant not resolved", 7, {-1, 1}, "r= 1.41421356  , A=-45"},
        {"negative x axis gives A=0", 7, {-1, 0}, "r= 1  , A=0"},
        {"x zero", 7, {0, 5}, "Ma Error"},
        {"polar right angle", 8, {2, 90}, "x= 1.2246468e-016  , y=2"},
        {"polar zero radius", 8, {0, 45}, "x= 0  , y=0"},
        {"negative radius", 8, {-1, 45}, "Ma Error"},
    });
}

TEST(CFormulaSolverTest, AverageAcceleration) {
    ExpectSolutions({
        {"plain", 9, {10, 0, 5, 0}, "a= 2"},
        {"deceleration", 9, {0, 10, 3, 0}, "a= -3.3333333333"},
        {"equal times", 9, {10, 0, 5, 5}, "Ma Error"},
        {"times reversed", 9, {10, 0, 4, 5}, "Ma Error"},
        {"negative start time", 9, {10, 0, 5, -1}, "Ma Error"},
    });
}

TEST(CFormulaSolverTest, IndexesWithoutASolverAreRefused) {
    ExpectSolutions({
        {"none", 0, {1, 1, 1}, "Ma Error"},
        {"first plain formula", 10, {1, 1, 1}, "Ma Error"},
        {"negative", -1, {1, 1, 1}, "Ma Error"},
        {"user formula", 51, {1, 1, 1}, "Ma Error"},
    });
}

// Formula mode fills only the first positions; an out-of-range position must not overwrite any.
TEST(CFormulaSolverTest, PositionsOutsideTheTenAreIgnored) {
    CFormulaSolver solver;
    solver.SetValue(0, 10);
    solver.SetValue(2, 5);
    solver.SetValue(-1, 99);
    solver.SetValue(10, 99);
    EXPECT_EQ(solver.Solve(9), "a= 2");
    EXPECT_EQ(solver.Value(10), 0.0);
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

// The solver texts differ from the list's display forms in spacing, and the variables are asked
// in the order the solver takes them (formulas 1, 4 and 5 run in the formula mode tests).
TEST(BuiltInFormulasTest, SpecialSetupsGiveSolverTextAndVariableOrder) {
    // clang-format off
    const struct {
        int index;
        std::string solverText;
        std::vector<std::string_view> variables;
    } cases[] = {
        {2, "a\xB2=b\xB2+c\xB2-2bc\xB7" "cos A", {"b", "c", "A"}},
        {3, "a/\xB7sin A=b/\xB7sin B=c/\xB7sin C=2R", {"b", "A", "B"}},
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
