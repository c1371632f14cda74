#include "CalculatorTestSupport.h"
#include "program/ProgramHost.h"

namespace zyk::calculator_testing {
namespace {

// Counts what the calculator hands to the interpreter.
class FakeHost : public ProgramHost {
public:
    void Run() override { ++runs; }
    bool IsWaiting() const override { return waiting; }
    void Reset() override { ++resets; }

    int runs = 0;
    int resets = 0;
    bool waiting = false;
};

class ProgramMode : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        StartProgram();
    }

    void StartProgram() {
        Calc().SetProgramHost(&m_host);
        Calc().EnterProgramMode();
    }

    FakeHost m_host;
};

TEST_F(ProgramMode, ExeGoesToTheInterpreter) {
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Program);
    EXPECT_EQ(Calc().Execute(CalculatorCommand::Exe), ViewEffect::ResumeProgram);
    EXPECT_EQ(m_host.runs, 1);
    m_host.waiting = true;
    Press("1 EXE");
    EXPECT_EQ(m_host.runs, 2);
    EXPECT_EQ(Expression(), "1");  // the interpreter reads the typed input itself
}

struct AcCase {
    const char* line;
    bool waiting;
    int runs;
    const char* expressionAfter;
};

TEST_F(ProgramMode, AcRunsUnlessTheProgramEndedOrWaits) {
    const AcCase cases[] = {
        {"", false, 1, ""},
        {"12", false, 1, "12"},
        {"Hit [Exe] to run again!", false, 0, ""},
        {"Hit [Exe] to run again! ", false, 1, "Hit [Exe] to run again! "},
        {"7", true, 0, ""},
    };
    for (const auto& row : cases) {
        Restart();
        m_host = FakeHost{};
        m_host.waiting = row.waiting;
        StartProgram();
        Calc().SetExpressionLine(row.line, true);
        Calc().SetResultLine("x?", true);
        Press("AC");
        EXPECT_EQ(m_host.runs, row.runs) << row.line;
        EXPECT_EQ(Expression(), row.expressionAfter) << row.line;
        EXPECT_EQ(Result(), "x?") << row.line;  // a prompt of the program stays
        EXPECT_EQ(Calc().GetExeMode(), ExeMode::Program);
    }
}

TEST_F(ProgramMode, ClrLeavesProgramModeAndResetsTheInterpreter) {
    for (const char* keys : {"SHIFT AC", "Esc", "Clear"}) {
        Restart();
        m_host = FakeHost{};
        StartProgram();
        Calc().SetResultLine("hello", true);
        Press(keys);
        EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating) << keys;
        EXPECT_EQ(m_host.resets, 1) << keys;
        EXPECT_EQ(m_host.runs, 0) << keys;
        EXPECT_EQ(Result(), "") << keys;
        Press("2 EXE");
        EXPECT_EQ(Result(), "= 2") << keys;
        EXPECT_EQ(m_host.runs, 0) << keys;
    }
}

struct EvaluationCase {
    const char* setup;
    const char* expression;
    bool ok;
    const char* text;
};

TEST_F(ProgramMode, EvaluateTextFormatsWithTenDigits) {
    const EvaluationCase cases[] = {
        {"", "1/3", true, "0.3333333333"},
        {"", "2", true, "2"},
        {"", "10^12", true, "1e+012"},
        {"", "−2.5", true, "-2.5"},
        {"mode:Scientific", "1500", true, "1.5e+003"},
        {"mode:Scientific", "1/3", true, "3.3333333333e-001"},
        {"mode:Engineering", "12345", true, "12.345e+003"},
        {"HEX", "FF", true, "FF"},
        {"BIN", "101", true, "0101"},
        {"", "1/0", false, "[ / ]   Can't divide with zero"},
        {"", "(−8)^(1/3)", false, "Ma  ERROR"},
    };
    for (const auto& row : cases) {
        Restart();
        Press(row.setup);
        StartProgram();
        const auto evaluation = Calc().EvaluateText(Bytes(row.expression));
        EXPECT_EQ(evaluation.ok, row.ok) << row.expression;
        EXPECT_EQ(evaluation.text, row.text) << row.expression;
        // Only an error of the evaluator returns the calculator to calculating mode.
        EXPECT_EQ(Calc().GetExeMode(), row.ok ? ExeMode::Program : ExeMode::Calculating)
            << row.expression;
    }
}

TEST_F(ProgramMode, ReadingTheLineTurnsALeadingMinusIntoTheSign) {
    std::string text;
    EXPECT_FALSE(Calc().ReadExpressionLine(text));
    EXPECT_EQ(text, "");
    Press("- 2 . 5");
    ASSERT_TRUE(Calc().ReadExpressionLine(text));
    EXPECT_EQ(Utf8(text), "−2.5");
    double value = 0.0;
    ASSERT_TRUE(Calc().Evaluator().Evaluate(text, value, 0));
    EXPECT_DOUBLE_EQ(value, -2.5);
    Press("AC");  // waiting for nothing: AC goes to the interpreter
    Calc().SetExpressionLine("5-1", true);
    ASSERT_TRUE(Calc().ReadExpressionLine(text));
    EXPECT_EQ(text, "5-1");
}

TEST_F(ProgramMode, ReadingTheLineEndsMemorySelect) {
    Press("Mx");
    ASSERT_TRUE(Calc().IsMemorySelectOn());
    std::string text;
    Calc().ReadExpressionLine(text);
    EXPECT_FALSE(Calc().IsMemorySelectOn());
}

TEST_F(ProgramMode, TheProgramsLinesCarryTheEditingFlag) {
    Calc().SetResultLine("x?", true);
    Press("5");
    EXPECT_EQ(Result(), "x?");  // typing an answer keeps the prompt
    Calc().SetExpressionLine("", false);
    Calc().SetResultLine("[ 2: y = 1/0 ]  [ / ]   Can't divide with zero", false);
    EXPECT_FALSE(Calc().IsEditing());
    EXPECT_TRUE(Calc().ResultIsError());
    Calc().InsertNumberText("3");
    EXPECT_EQ(Expression(), "");
    Calc().SetResultLine("3", true);
    EXPECT_FALSE(Calc().ResultIsError());
    EXPECT_TRUE(Calc().IsFormulaMenuCurrent());
    EXPECT_FALSE(Calc().IsMenuItemEnabled(CalculatorCommand::SaveFormulaAs));
}

TEST_F(ProgramMode, EnteringProgramModeDropsALoadedFormula) {
    Restart();
    Press("2 var:x EXE");
    StartProgram();
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Program);
    EXPECT_EQ(Calc().Evaluator().VariableCount(), 0);
    Calc().LeaveProgramMode();
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
    Calc().LeaveProgramMode();
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
}

TEST_F(ProgramMode, WithoutAHostExeDoesNothing) {
    Restart();
    Calc().EnterProgramMode();
    EXPECT_EQ(Calc().Execute(CalculatorCommand::Exe), ViewEffect::None);
    Press("AC");
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Program);
}

}  // namespace
}  // namespace zyk::calculator_testing
