#include <algorithm>

#include "RecordingConsole.h"

namespace zyk::test {
namespace {

const std::string kMinus(1, kNegationSign);

class ProgramInterpreterTest : public ::testing::Test {
protected:
    void Start(std::string_view program) {
        m_interpreter.SetProgram(ProgramText::FromFileContents(program));
        m_interpreter.StartProgram();
    }
    // Steps with the given budget until the run leaves Continue; the deepest stacks seen.
    StepStatus RunSlices(std::int64_t budget) {
        StepStatus status = StepStatus::Continue;
        while (status == StepStatus::Continue) {
            status = m_interpreter.Step(budget);
            m_deepestIf = std::max(m_deepestIf, m_interpreter.IfDepth());
            m_deepestDo = std::max(m_deepestDo, m_interpreter.DoDepth());
        }
        return status;
    }

    RecordingConsole m_console;
    ProgramInterpreter m_interpreter{m_console};
    std::size_t m_deepestIf = 0;
    std::size_t m_deepestDo = 0;
};

TEST_F(ProgramInterpreterTest, PrintPausesAndTheEndOffersARunAgain) {
    Start("var x\nx = x+1\nprint \"x=\" x");
    EXPECT_TRUE(m_console.programMode);
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_interpreter.State(), RunState::Paused);
    EXPECT_EQ(m_interpreter.CurrentLine(), 2);
    EXPECT_EQ(m_console.resultLine, "x=1");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);  // nothing runs until EXE
    EXPECT_FALSE(m_interpreter.HasEnded());
    m_interpreter.Run();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Ended);
    EXPECT_TRUE(m_interpreter.HasEnded());
    EXPECT_EQ(m_console.expressionLine, "Hit [Exe] to run again!");
    EXPECT_EQ(m_console.resultLine, "");
    EXPECT_EQ(m_interpreter.State(), RunState::Running);
    EXPECT_TRUE(m_interpreter.Data().Variables().empty());
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Ended);  // until EXE
    // EXE starts from the top with fresh data: x is declared anew, not "Already exists!".
    m_interpreter.Run();
    EXPECT_FALSE(m_interpreter.HasEnded());
    EXPECT_EQ(m_console.expressionLine, "");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.resultLine, "x=1");
    m_interpreter.Run();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Ended);
    m_interpreter.Reset();  // CLR: the calculator has left program mode
    EXPECT_FALSE(m_interpreter.HasEnded());
}

TEST_F(ProgramInterpreterTest, AnErrorStopsTheRunAndNamesTheLine) {
    Start("var x\nx = 1\nx = y");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    EXPECT_EQ(m_interpreter.FailedLine(), 2);
    EXPECT_EQ(m_console.resultLine, "[ 3: y ]  Not valid");
    EXPECT_TRUE(m_console.resultIsError);
    EXPECT_FALSE(m_console.resultEditing);
    EXPECT_FALSE(m_interpreter.HasEnded());
    EXPECT_EQ(m_console.expressionLine, "");
    EXPECT_FALSE(m_console.expressionEditing);
    EXPECT_TRUE(m_console.programMode);  // not an error of the calculator's evaluator
    EXPECT_TRUE(m_interpreter.Data().Variables().empty());
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    m_interpreter.Run();  // EXE runs it again from the top
    EXPECT_EQ(m_interpreter.FailedLine(), -1);
    EXPECT_EQ(m_interpreter.Step(1), StepStatus::Continue);
    EXPECT_EQ(m_interpreter.Data().Variables().size(), 1u);

    Start("var x\nx = 1/0");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    EXPECT_FALSE(m_console.programMode);  // the evaluator's error ends program mode

    Start("print \"a\"\ndo while (1 = 1)");  // the check fails before any line runs
    EXPECT_EQ(m_interpreter.FailedLine(), 1);
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    EXPECT_EQ(m_console.resultLine, "[ 2: do ]  do .. loop   syn Error!");
}

TEST_F(ProgramInterpreterTest, InputWaitsThenShowsTheValueForATimedSecond) {
    Start("var x\ninput x\nprint x*3");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Waiting);
    EXPECT_TRUE(m_interpreter.IsWaiting());
    EXPECT_EQ(m_interpreter.State(), RunState::AwaitInput);
    EXPECT_EQ(m_console.resultLine, "x?");
    m_console.answers.push_back("-2");
    m_interpreter.Run();
    EXPECT_FALSE(m_interpreter.IsWaiting());
    EXPECT_EQ(m_interpreter.Data().Variables()[0].value, kMinus + "2");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Holding);
    EXPECT_EQ(m_console.resultLine, "x = " + kMinus + "2");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);  // lines cleared, then the print
    EXPECT_EQ(m_console.resultLine, kMinus + "6");

    Start("var x\nfx f(x)\nf(x) = x+1\ninput f\nprint f(2)");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Waiting);
    EXPECT_EQ(m_interpreter.State(), RunState::AwaitFunction);
    EXPECT_EQ(m_console.resultLine, "f(x) = ?");
    EXPECT_EQ(m_console.expressionLine, "x+1");  // the present formula, to edit
    m_interpreter.Run();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Holding);
    EXPECT_EQ(m_console.resultLine, "f(x) =x+1");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.resultLine, "3");
}

TEST_F(ProgramInterpreterTest, ResetAndBudgetKeepARunawayProgramInHand) {
    Start("var i\ndo while (1 = 1)\n  i = i+1\nloop");
    EXPECT_EQ(m_interpreter.Step(10), StepStatus::Continue);
    EXPECT_EQ(m_interpreter.ExecutedLines(), 10u);
    EXPECT_EQ(m_interpreter.Step(0), StepStatus::Continue);  // at least one line
    EXPECT_EQ(m_interpreter.ExecutedLines(), 11u);
    m_interpreter.Reset();  // CLR
    EXPECT_EQ(m_interpreter.State(), RunState::Idle);
    EXPECT_TRUE(m_interpreter.Data().Variables().empty());
    EXPECT_EQ(m_interpreter.Step(10), StepStatus::Idle);
    m_interpreter.Run();  // EXE does nothing while idle
    EXPECT_EQ(m_interpreter.Step(10), StepStatus::Idle);
}

TEST_F(ProgramInterpreterTest, HundredThousandIterationsRunInBoundedMemory) {
    Start(
        "var i, s\ndo while (i < 100000)\n  i = i+1\n  if (s < 0) then\n    s = 0\n"
        "  else\n    s = s+2\n  end\nloop\nprint s");
    EXPECT_EQ(RunSlices(997), StepStatus::Paused);
    EXPECT_EQ(m_console.resultLine, "200000");
    EXPECT_EQ(m_interpreter.Data().Variables().size(), 2u);
    EXPECT_EQ(m_deepestIf, 1u);
    EXPECT_EQ(m_deepestDo, 1u);
    EXPECT_GT(m_interpreter.ExecutedLines(), 700000u);
}

TEST_F(ProgramInterpreterTest, LeavingOrRepeatingALoopDropsTheBlocksOpenedInside) {
    Start(
        "var i\ndo while (i < 1000)\n  i = i+1\n  do while (1 = 1)\n    if (1 = 1) then\n"
        "      exit do\n    end\n  loop\nloop\nprint i");
    EXPECT_EQ(RunSlices(1), StepStatus::Paused);
    EXPECT_EQ(m_console.resultLine, "1000");
    EXPECT_EQ(m_interpreter.IfDepth(), 0u);
    EXPECT_EQ(m_deepestIf, 1u);
    // The loop closes inside an if-block: each repeat drops that block again.
    Start("var i\ndo while (i < 1000)\n  i = i+1\n  if (1 = 1) then\nloop\nend");
    EXPECT_EQ(RunSlices(1), StepStatus::Failed);
    EXPECT_EQ(m_deepestIf, 1u);
    EXPECT_EQ(m_interpreter.ErrorLine(), "[ 6: end ]  syn  Error");
}

TEST_F(ProgramInterpreterTest, NestingBeyondTheLimitsStopsTheRun) {
    std::string blocks;
    for (std::size_t i = 0; i <= ProgramInterpreter::kMaxBlockDepth; ++i) {
        blocks = "if (1 = 1) then\n" + blocks + "end\n";
    }
    Start(blocks);
    EXPECT_EQ(RunSlices(100000), StepStatus::Failed);
    EXPECT_EQ(m_interpreter.ErrorLine(), "[ 10001: if (1 = 1) then ]  syn  Error");

    const auto nestedCalls = [](int depth) {
        std::string call = "1";
        for (int i = 0; i < depth; ++i) {
            call = "abs(" + call + ")";
        }
        return "var x\nx = " + call + "\nprint x";
    };
    Start(nestedCalls(ProgramEvaluator::kMaxNesting - 1));
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.resultLine, "1");
    Start(nestedCalls(1000));
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    EXPECT_TRUE(m_interpreter.ErrorLine().ends_with(" ]  Not valid")) << m_interpreter.ErrorLine();
}

}  // namespace
}  // namespace zyk::test
