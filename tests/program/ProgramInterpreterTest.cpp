#include <gtest/gtest.h>

#include <string>

#include "RecordingConsole.h"

namespace zyk {
namespace {

using test::RecordingConsole;

class ProgramInterpreterTest : public ::testing::Test {
protected:
    void Load(std::string_view program) {
        m_interpreter.SetProgram(ProgramText::FromFileContents(program));
    }

    RecordingConsole m_console;
    ProgramInterpreter m_interpreter{m_console};
};

TEST_F(ProgramInterpreterTest, PrintPausesUntilExe) {
    Load("var x\nx = 4\nprint \"x=\" x\nprint \"next\"");
    m_interpreter.StartProgram();
    EXPECT_TRUE(m_console.InProgramMode());
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_interpreter.State(), RunState::Paused);
    EXPECT_EQ(m_interpreter.CurrentLine(), 2);
    EXPECT_EQ(m_console.ResultLine(), "x=4");
    EXPECT_TRUE(m_console.ResultEditing());
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);  // nothing runs until EXE
    m_interpreter.Run();
    EXPECT_EQ(m_interpreter.State(), RunState::Running);
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.ResultLine(), "next");
    m_interpreter.Run();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Ended);
}

TEST_F(ProgramInterpreterTest, TheEndOffersARunAgainFromTheTop) {
    Load("var x\nx = x+1\nprint x");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    m_interpreter.Run();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Ended);
    EXPECT_EQ(m_console.ExpressionLine(), "Hit [Exe] to run again!");
    EXPECT_EQ(m_console.ResultLine(), "");
    EXPECT_EQ(m_interpreter.State(), RunState::Running);
    EXPECT_TRUE(m_interpreter.Data().Variables().empty());
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Ended);  // stays ended until EXE
    // EXE: the program starts again with fresh data (x is declared anew, not "Already exists!").
    m_interpreter.Run();
    EXPECT_EQ(m_console.ExpressionLine(), "");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.ResultLine(), "1");
}

TEST_F(ProgramInterpreterTest, AnErrorStopsTheRunAndSelectsTheLine) {
    Load("var x\nx = 1\nx = y");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    EXPECT_EQ(m_interpreter.FailedLine(), 2);
    EXPECT_EQ(m_interpreter.ErrorLine(), "[ 3: y ]  Not valid");
    EXPECT_EQ(m_console.ResultLine(), "[ 3: y ]  Not valid");
    EXPECT_FALSE(m_console.ResultEditing());
    EXPECT_EQ(m_console.ExpressionLine(), "");
    EXPECT_FALSE(m_console.ExpressionEditing());
    EXPECT_TRUE(m_console.InProgramMode());  // not the calculator's own error
    EXPECT_TRUE(m_interpreter.Data().Variables().empty());
    EXPECT_EQ(m_interpreter.State(), RunState::Running);
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    // EXE runs the program again from the top.
    m_interpreter.Run();
    EXPECT_EQ(m_interpreter.FailedLine(), -1);
    EXPECT_EQ(m_interpreter.Step(1), StepStatus::Continue);
    EXPECT_EQ(m_interpreter.Data().Variables().size(), 1u);
}

TEST_F(ProgramInterpreterTest, AnEvaluatorErrorReturnsTheCalculatorToCalculating) {
    Load("var x\nx = 1/0");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    EXPECT_EQ(m_interpreter.ErrorLine(), "[ 2:  ]  [ / ]   Can't divide with zero");
    EXPECT_FALSE(m_console.InProgramMode());
}

TEST_F(ProgramInterpreterTest, APreRunFailureStopsBeforeAnyLineRuns) {
    Load("print \"a\"\ndo while (1 = 1)");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.FailedLine(), 1);
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    EXPECT_EQ(m_console.Shown(), std::vector<std::string>{"[ 2: do ]  do .. loop   syn Error!"});
}

TEST_F(ProgramInterpreterTest, InputWaitsThenShowsTheValueForASecond) {
    Load("var x\ninput x\nprint x*3");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Waiting);
    EXPECT_TRUE(m_interpreter.IsWaiting());
    EXPECT_EQ(m_interpreter.State(), RunState::AwaitInput);
    EXPECT_EQ(m_console.ResultLine(), "x?");
    m_console.QueueAnswer("-2");
    m_interpreter.Run();
    EXPECT_FALSE(m_interpreter.IsWaiting());
    EXPECT_EQ(m_console.ResultLine(),
              "x = \xAD"
              "2");
    EXPECT_EQ(m_interpreter.Data().Variables()[0].value,
              "\xAD"
              "2");
    // The echo stays for a timed second; the next step clears both lines and goes on.
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Holding);
    EXPECT_EQ(m_console.ResultLine(),
              "x = \xAD"
              "2");
    EXPECT_EQ(ProgramInterpreter::kInputEchoMilliseconds, 1000);
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.ResultLine(),
              "\xAD"
              "6");
}

TEST_F(ProgramInterpreterTest, FunctionInputShowsThePresentFormula) {
    Load("var x\nfx f(x)\nf(x) = x+1\ninput f\nprint f(2)");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Waiting);
    EXPECT_EQ(m_interpreter.State(), RunState::AwaitFunction);
    EXPECT_EQ(m_console.ResultLine(), "f(x) = ?");
    EXPECT_EQ(m_console.ExpressionLine(), "x+1");
    m_interpreter.Run();  // EXE on the unchanged formula keeps it
    EXPECT_EQ(m_console.ResultLine(), "f(x) =x+1");
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Holding);
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.ResultLine(), "3");
}

TEST_F(ProgramInterpreterTest, ResetForgetsTheRun) {
    Load("var x\ninput x");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Waiting);
    m_interpreter.Reset();
    EXPECT_EQ(m_interpreter.State(), RunState::Idle);
    EXPECT_FALSE(m_interpreter.IsWaiting());
    EXPECT_TRUE(m_interpreter.Data().Variables().empty());
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Idle);
    m_interpreter.Run();  // EXE does nothing while idle
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Idle);
}

TEST_F(ProgramInterpreterTest, StepStopsAfterItsBudget) {
    Load("var i\ndo while (1 = 1)\n  i = i+1\nloop");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(10), StepStatus::Continue);
    EXPECT_EQ(m_interpreter.ExecutedLines(), 10u);
    EXPECT_EQ(m_interpreter.Step(0), StepStatus::Continue);  // at least one line
    EXPECT_EQ(m_interpreter.ExecutedLines(), 11u);
    // The calculator leaving program mode (CLR) stops a runaway program.
    m_interpreter.Reset();
    EXPECT_EQ(m_interpreter.Step(10), StepStatus::Idle);
}

TEST_F(ProgramInterpreterTest, HundredThousandIterationsRunInBoundedMemory) {
    Load(
        "var i, s\n"
        "do while (i < 100000)\n"
        "  i = i+1\n"
        "  if (s < 0) then\n"
        "    s = 0\n"
        "  else\n"
        "    s = s+2\n"
        "  end\n"
        "loop\n"
        "print s");
    m_interpreter.StartProgram();
    std::size_t deepestIf = 0;
    std::size_t deepestDo = 0;
    StepStatus status = StepStatus::Continue;
    while (status == StepStatus::Continue) {
        status = m_interpreter.Step(997);
        deepestIf = std::max(deepestIf, m_interpreter.IfDepth());
        deepestDo = std::max(deepestDo, m_interpreter.DoDepth());
        ASSERT_EQ(m_interpreter.Data().Variables().size(), 2u);
    }
    EXPECT_EQ(status, StepStatus::Paused);
    EXPECT_EQ(m_console.ResultLine(), "200000");
    EXPECT_LE(deepestIf, 1u);
    EXPECT_EQ(deepestDo, 1u);
    EXPECT_GT(m_interpreter.ExecutedLines(), 700000u);
}

TEST_F(ProgramInterpreterTest, ExitDoDropsTheBlocksOpenedInsideTheLoop) {
    Load(
        "var i, j\n"
        "do while (i < 1000)\n"
        "  i = i+1\n"
        "  do while (1 = 1)\n"
        "    if (1 = 1) then\n"
        "      exit do\n"
        "    end\n"
        "  loop\n"
        "loop\n"
        "print i");
    m_interpreter.StartProgram();
    std::size_t deepestIf = 0;
    StepStatus status = StepStatus::Continue;
    while (status == StepStatus::Continue) {
        status = m_interpreter.Step(1);
        deepestIf = std::max(deepestIf, m_interpreter.IfDepth());
    }
    EXPECT_EQ(status, StepStatus::Paused);
    EXPECT_EQ(m_console.ResultLine(), "1000");
    EXPECT_EQ(m_interpreter.IfDepth(), 0u);
    EXPECT_EQ(deepestIf, 1u);
}

TEST_F(ProgramInterpreterTest, ALoopRepeatingInsideAnOpenBlockDropsThatBlock) {
    // The loop closes inside the if-block: each repeat would leave one more marker behind.
    Load(
        "var i\n"
        "do while (i < 1000)\n"
        "  i = i+1\n"
        "  if (1 = 1) then\n"
        "loop\n"
        "end");
    m_interpreter.StartProgram();
    std::size_t deepestIf = 0;
    StepStatus status = StepStatus::Continue;
    while (status == StepStatus::Continue) {
        status = m_interpreter.Step(1);
        deepestIf = std::max(deepestIf, m_interpreter.IfDepth());
    }
    EXPECT_EQ(deepestIf, 1u);
    EXPECT_EQ(status, StepStatus::Failed);
    EXPECT_EQ(m_interpreter.ErrorLine(), "[ 6: end ]  syn  Error");
}

TEST_F(ProgramInterpreterTest, BlocksNestedBeyondTheLimitStopTheRun) {
    std::string program;
    const std::size_t depth = ProgramInterpreter::kMaxBlockDepth + 1;
    for (std::size_t i = 0; i < depth; ++i) {
        program += "if (1 = 1) then\n";
    }
    for (std::size_t i = 0; i < depth; ++i) {
        program += "end\n";
    }
    Load(program);
    m_interpreter.StartProgram();
    StepStatus status = StepStatus::Continue;
    while (status == StepStatus::Continue) {
        status = m_interpreter.Step(100000);
    }
    EXPECT_EQ(status, StepStatus::Failed);
    EXPECT_EQ(m_interpreter.ErrorLine(), "[ 10001: if (1 = 1) then ]  syn  Error");
}

TEST_F(ProgramInterpreterTest, CallsNestedTooDeeplyAreRefused) {
    const auto nested = [](int depth) {
        std::string call = "1";
        for (int i = 0; i < depth; ++i) {
            call = "abs(" + call + ")";
        }
        return "var x\nx = " + call + "\nprint x";
    };
    Load(nested(ProgramEvaluator::kMaxNesting - 1));
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.ResultLine(), "1");

    Load(nested(1000));
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Failed);
    EXPECT_TRUE(m_interpreter.ErrorLine().ends_with(" ]  Not valid")) << m_interpreter.ErrorLine();
}

TEST_F(ProgramInterpreterTest, EditedProgramTakesEffectAtTheNextStart) {
    Load("print \"old\"");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    Load("print \"new\"");
    m_interpreter.StartProgram();
    EXPECT_EQ(m_interpreter.Step(100), StepStatus::Paused);
    EXPECT_EQ(m_console.ResultLine(), "new");
}

}  // namespace
}  // namespace zyk
