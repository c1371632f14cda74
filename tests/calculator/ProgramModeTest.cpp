#include "CalculatorTestSupport.h"

namespace zyk::test {
namespace {

class ProgramMode : public CalculatorTest {
protected:
    void StartProgram(bool waiting = false) {
        Restart();
        m_host = FakeHost{};
        m_host.waiting = waiting;
        Calc().SetProgramHost(&m_host);
        Calc().EnterProgramMode();
    }

    FakeHost m_host;
};

TEST_F(ProgramMode, ExeAndAcGoToTheInterpreter) {
    struct Case {
        const char* line;  // what the program wrote on the expression line
        bool waiting;
        bool ended;
        const char* keys;
        int runs;
        const char* expressionAfter;
    };
    const Case cases[] = {
        {"", false, false, "EXE", 1, ""},
        {"7", true, false, "EXE", 1, "7"},  // the interpreter reads the typed input itself
        {"12", false, false, "AC", 1, "12"},
        // The end of a run: AC clears the line, EXE starts the next run.
        {"Hit [Exe] to run again!", false, true, "AC", 0, ""},
        {"Hit [Exe] to run again!", false, true, "EXE", 1, "Hit [Exe] to run again!"},
        // Once the end text is typed over the display no longer shows it: AC resumes.
        {"Hit [Exe] to run again!", false, true, "< 5 AC", 1, "Hit [Exe] to run again5!"},
        {"7", true, false, "AC", 0, ""},  // waiting: AC clears the typed input only
    };
    for (const auto& row : cases) {
        StartProgram(row.waiting);
        m_host.ended = row.ended;
        Calc().SetExpressionLine(row.line, true);
        Calc().SetResultLine("x?", true);
        Press(row.keys);
        EXPECT_EQ(m_host.runs, row.runs) << row.keys << " on '" << row.line << "'";
        EXPECT_EQ(Expression(), row.expressionAfter) << row.line;
        EXPECT_EQ(Result(), "x?") << row.line;  // the program's prompt stays
        EXPECT_EQ(Calc().GetExeMode(), ExeMode::Program);
    }
    StartProgram();
    EXPECT_EQ(Calc().Execute(CalculatorCommand::Exe), ViewEffect::ResumeProgram);
}

TEST_F(ProgramMode, ClrLeavesProgramModeAndResetsTheInterpreter) {
    for (const char* keys : {"SHIFT AC", "Esc", "Clear"}) {
        StartProgram();
        Calc().SetResultLine("hello", true);
        Press(keys);
        EXPECT_EQ(m_host.resets, 1) << keys;
        EXPECT_EQ(Result(), "") << keys;
        Press("2 EXE");
        EXPECT_EQ(Result(), "= 2") << keys;
        EXPECT_EQ(m_host.runs, 0) << keys;
    }
}

// A program computing in slices: AC stops it and keeps program mode, so EXE runs it again;
// CLR stops it too, then leaves program mode. EXE leaves it computing.
TEST_F(ProgramMode, AcAndClrStopAComputingProgram) {
    struct Case {
        const char* keys;
        int breaks;
        int runs;
        int resets;
        ExeMode modeAfter;
    };
    const Case cases[] = {
        {"AC", 1, 0, 0, ExeMode::Program},
        {"Esc", 1, 0, 1, ExeMode::Calculating},
        {"SHIFT AC", 1, 0, 1, ExeMode::Calculating},
        {"EXE", 0, 1, 0, ExeMode::Program},
    };
    for (const auto& row : cases) {
        StartProgram();
        m_host.computing = true;
        Press(row.keys);
        EXPECT_EQ(m_host.breaks, row.breaks) << row.keys;
        EXPECT_EQ(m_host.runs, row.runs) << row.keys;
        EXPECT_EQ(m_host.resets, row.resets) << row.keys;
        EXPECT_EQ(Calc().GetExeMode(), row.modeAfter) << row.keys;
    }
    StartProgram();
    m_host.computing = true;
    EXPECT_EQ(Calc().Execute(CalculatorCommand::AllClear), ViewEffect::ResumeProgram);
}

TEST_F(ProgramMode, EvaluateTextFormatsWithTenDigits) {
    struct Case {
        const char* setup;
        const char* expression;
        bool ok;
        const char* text;
    };
    const Case cases[] = {
        {"", "1/3", true, "0.3333333333"},
        {"", "−2.5", true, "-2.5"},
        {"mode:Scientific", "1/3", true, "3.3333333333e-001"},
        {"HEX", "FF", true, "FF"},
        {"", "1/0", false, "[ / ]   Can't divide with zero"},
        {"", "(−8)^(1/3)", false, "Ma  ERROR"},
    };
    for (const auto& row : cases) {
        StartProgram();
        Press(row.setup);
        const auto evaluation = Calc().EvaluateText(Bytes(row.expression));
        EXPECT_EQ(evaluation.ok, row.ok) << row.expression;
        EXPECT_EQ(evaluation.text, row.text) << row.expression;
        // An error returns the calculator to calculating mode.
        EXPECT_EQ(Calc().GetExeMode(), row.ok ? ExeMode::Program : ExeMode::Calculating);
    }
}

TEST_F(ProgramMode, ReadingTheLineTurnsALeadingMinusIntoTheSign) {
    StartProgram();
    std::string text;
    EXPECT_FALSE(Calc().ReadExpressionLine(text));
    Press("- 2 . 5");
    ASSERT_TRUE(Calc().ReadExpressionLine(text));
    double value = 0.0;
    ASSERT_TRUE(Calc().Evaluator().Evaluate(text, value, 0));
    EXPECT_EQ(value, -2.5);
    Calc().SetExpressionLine("5-1", true);
    Calc().ReadExpressionLine(text);
    EXPECT_EQ(text, "5-1");
    Press("Mx");
    Calc().ReadExpressionLine(text);
    EXPECT_FALSE(Calc().IsMemorySelectOn());
}

TEST_F(ProgramMode, TheProgramsLinesCarryTheEditingFlag) {
    StartProgram();
    Calc().SetResultLine("x?", true);
    Press("5");
    EXPECT_EQ(Result(), "x?");  // typing an answer keeps the prompt
    Calc().SetExpressionLine("", false);
    Calc().ShowErrorLine("[ 2: y = 1/0 ]  [ / ]   Can't divide with zero");
    EXPECT_FALSE(Calc().IsEditing());
    EXPECT_TRUE(Calc().ResultIsError());
    Calc().SetResultLine("3", true);
    EXPECT_FALSE(Calc().ResultIsError());
    EXPECT_TRUE(Calc().IsFormulaMenuCurrent());
    EXPECT_FALSE(Calc().IsMenuItemEnabled(CalculatorCommand::SaveFormulaAs));
}

TEST_F(ProgramMode, EnteringProgramModeDropsALoadedFormula) {
    Press("2 var:x EXE");
    Calc().EnterProgramMode();
    EXPECT_EQ(Calc().Evaluator().VariableCount(), 0);
    Calc().LeaveProgramMode();
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Calculating);
    Calc().EnterProgramMode();  // without a host EXE and AC do nothing
    EXPECT_EQ(Calc().Execute(CalculatorCommand::Exe), ViewEffect::None);
    Press("AC");
    EXPECT_EQ(Calc().GetExeMode(), ExeMode::Program);
}

}  // namespace
}  // namespace zyk::test
