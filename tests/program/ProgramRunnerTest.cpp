// Running the editor's program in time slices, as the programming window does.
#include <chrono>

#include "RecordingConsole.h"
#include "program/ProgramRunner.h"

namespace zyk::test {
namespace {

// The editor's side: its text, and what a run asked it to select.
class FakeEditor : public ProgramEditorAccess {
public:
    ProgramText ReadProgram() const override {
        ++reads;
        return ProgramText::FromFileContents(text);
    }
    void CollapseSelection() override { ++collapses; }
    void SelectLine(int line) override { selected.push_back(line); }

    std::string text;
    mutable int reads = 0;
    int collapses = 0;
    std::vector<int> selected;
};

class ProgramRunnerTest : public ::testing::Test {
protected:
    StepStatus Slice() { return m_runner.RunSlice(std::chrono::milliseconds(2)); }

    RecordingConsole m_console;
    FakeEditor m_editor;
    ProgramRunner m_runner{m_console, m_editor};
};

TEST_F(ProgramRunnerTest, AnEndlessLoopRunsInSlicesUntilBreakStopsIt) {
    m_editor.text = "var i\ndo while (1 = 1)\ni = i+1\nloop";
    m_runner.Start();
    EXPECT_TRUE(m_console.programMode);
    EXPECT_EQ(m_editor.collapses, 1);
    for (int slice = 0; slice < 3; ++slice) {
        EXPECT_EQ(Slice(), StepStatus::Continue);
        EXPECT_TRUE(m_runner.IsComputing());
    }
    EXPECT_GT(m_runner.Interpreter().ExecutedLines(), 3u);
    m_runner.Break();
    EXPECT_FALSE(m_runner.IsComputing());
    const std::string& error = m_runner.Interpreter().ErrorLine();
    EXPECT_EQ(error.rfind(" ]  Program stopped!"), error.size() - 20) << error;
    ASSERT_EQ(m_editor.selected.size(), 1u);
    EXPECT_EQ(m_editor.selected[0], m_runner.Interpreter().FailedLine());
    EXPECT_GE(m_editor.selected[0], 1);
    EXPECT_EQ(m_console.resultLine, error);
    EXPECT_FALSE(m_console.resultEditing);
    EXPECT_TRUE(m_console.programMode);  // EXE runs it again
    EXPECT_EQ(Slice(), StepStatus::Failed);
    EXPECT_EQ(m_editor.selected.size(), 1u);  // the stop is shown once
}

TEST_F(ProgramRunnerTest, EveryStartReadsTheEditorAfresh) {
    m_editor.text = "print 1";
    m_runner.Start();
    EXPECT_EQ(Slice(), StepStatus::Paused);
    EXPECT_EQ(m_console.resultLine, "1");
    m_runner.Run();
    EXPECT_EQ(Slice(), StepStatus::Ended);
    m_editor.text = "print 2";
    EXPECT_EQ(m_editor.reads, 1);
    m_runner.Run();  // EXE on "Hit [Exe] to run again!"
    EXPECT_EQ(m_editor.reads, 2);
    EXPECT_EQ(m_editor.collapses, 2);
    EXPECT_EQ(Slice(), StepStatus::Paused);
    EXPECT_EQ(m_console.resultLine, "2");
    m_runner.Break();  // a paused program does not compute: nothing to stop
    EXPECT_EQ(m_runner.Interpreter().State(), RunState::Paused);
    EXPECT_TRUE(m_editor.selected.empty());
}

TEST_F(ProgramRunnerTest, AStopSelectsItsLineAndEditsCountAtTheNextRun) {
    m_editor.text = "var x\nif (x = 0) then\nprint x";
    m_runner.Start();
    EXPECT_EQ(Slice(), StepStatus::Failed);
    EXPECT_EQ(m_console.resultLine, "[ 2: if ]  if .. end   syn Error!");
    EXPECT_EQ(m_editor.selected, std::vector<int>{1});
    m_editor.text += "\nend";
    m_runner.Run();
    EXPECT_EQ(Slice(), StepStatus::Paused);
    EXPECT_EQ(m_console.resultLine, "0");
}

TEST_F(ProgramRunnerTest, TheEchoOfAnInputIsHeldAndCanBeStopped) {
    m_editor.text = "var x\ninput x";
    m_runner.Start();
    EXPECT_EQ(Slice(), StepStatus::Waiting);
    EXPECT_TRUE(m_runner.IsWaiting());
    m_console.answers.push_back("7");
    m_runner.Run();
    EXPECT_EQ(Slice(), StepStatus::Holding);
    EXPECT_EQ(m_console.resultLine, "x = 7");
    EXPECT_TRUE(m_runner.IsComputing());
    // Stopped while the echo shows, past the last line: the last line is named.
    m_runner.Break();
    EXPECT_EQ(m_console.resultLine, "[ 2: input x ]  Program stopped!");
    EXPECT_EQ(m_editor.selected, std::vector<int>{1});
    m_runner.Reset();  // CLR
    EXPECT_EQ(Slice(), StepStatus::Idle);
}

}  // namespace
}  // namespace zyk::test
