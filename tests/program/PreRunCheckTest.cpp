#include <gtest/gtest.h>

#include <string>

#include "RecordingConsole.h"
#include "program/PreRunCheck.h"

namespace zyk {
namespace {

using test::RunProgramText;

struct CheckCase {
    const char* program;
    const char* errorLine;  // empty: the check passes
};

// Runs the check alone and builds the error line the run would show.
std::string CheckErrorLine(std::string_view program) {
    const ProgramText text = ProgramText::FromFileContents(program);
    const auto failure = PreRunCheck::Check(text);
    if (!failure) {
        return {};
    }
    const std::string shown =
        failure->error.shownText.value_or(std::string(text.Line(failure->line)));
    return FormatErrorLine(failure->line, shown, failure->error.message);
}

TEST(PreRunCheckTest, BracketsMustBalanceOnEachLine) {
    const CheckCase cases[] = {
        {"var x\nx = (1+2", "[ 2: x = (1+2 ]  ( .. )   syn Error!"},
        {"x = 1+2)", "[ 1: x = 1+2) ]  ( .. )   syn Error!"},
        {"array a[3", "[ 1: array a[3 ]  [ .. ]   syn Error!"},
        {"array a[3] = {1, 2", "[ 1: array a[3] = {1, 2 ]  { .. }   syn Error!"},
        {"x = (1)]", "[ 1: x = (1)] ]  [ .. ]   syn Error!"},  // round first, then square
        {"x = ((1)", "[ 1: x = ((1) ]  ( .. )   syn Error!"},
        {"x = )1(", ""},  // only the counts are compared
    };
    for (const CheckCase& c : cases) {
        EXPECT_EQ(CheckErrorLine(c.program), c.errorLine) << c.program;
    }
}

TEST(PreRunCheckTest, IfAndElseIfNeedAParenthesisedConditionAndThen) {
    const CheckCase cases[] = {
        {"if x > 1 then", "[ 1: if x > 1 then ]   ( .. )   syn Error!"},
        {"if (x > 1)", "[ 1: if (x > 1) ]  if .. then   syn Error!"},
        {"x = 1 then", "[ 1: x = 1 then ]  if .. then   syn Error!"},
        {"then if (x > 1)", "[ 1: then if (x > 1) ]  if .. then   syn Error!"},
        {"if x (x > 1) then", "[ 1: if x (x > 1) then ]   ( .. )   syn Error!"},
        {"if (x > 1) y then", "[ 1: if (x > 1) y then ]   ) ..   syn Error!"},
        {"if (x > 1) then print x", ""},  // single-line if: no end needed
        {"if(x>1)then\nend", ""},
        {"if\t(x > 1)\tthen\t\nend", ""},
        {"if (x) then\nelseif y then\nend", "[ 2: elseif y then ]   ( .. )   syn Error!"},
        {"if (x) then\nelseif (y)\nend", "[ 2: elseif (y) ]  if .. then   syn Error!"},
        {"if (x) then\nelseif (y) then\nelse\nend", ""},
        {"print \"if you\"", "[ 1: print \"if you\" ]  if .. then   syn Error!"},
        {"If x > 1", ""},  // not a keyword: left to the run
    };
    for (const CheckCase& c : cases) {
        EXPECT_EQ(CheckErrorLine(c.program), c.errorLine) << c.program;
    }
}

TEST(PreRunCheckTest, EndElseAndLoopTakeNothingAfterThem) {
    const CheckCase cases[] = {
        {"if (x) then\nend1", "[ 2: if .. end ]   end ..   syn Error!"},
        {"if (x) then\nend x", "[ 2: if .. end ]   end ..   syn Error!"},
        {"if (x) then\nendif", "[ 1: if ]  if .. end   syn Error!"},  // endif is not end
        {"print \"the end\"", "[ 1: if .. end ]   end ..   syn Error!"},
        {"if (x) then\nelse x\nend", "[ 2: else x ]   else ..   syn Error!"},
        {"do while (x)\nloop x", "[ 2: do .. loop ]   loop ..   syn Error!"},
        {"do while (x)\n\tloop\t", ""},
    };
    for (const CheckCase& c : cases) {
        EXPECT_EQ(CheckErrorLine(c.program), c.errorLine) << c.program;
    }
}

TEST(PreRunCheckTest, DoNeedsWhileOrUntilAndACondition) {
    const CheckCase cases[] = {
        {"do\nloop", "[ 1: do ]  do   syn Error!"},
        {"do x\nloop", "[ 1: do x ]  do   syn Error!"},
        {"while (x)", "[ 1: while (x) ]  do   syn Error!"},
        {"until (x)", ""},  // a lone until is not checked
        {"do while x\nloop", "[ 1: do while x ]   ( .. )   syn Error!"},
        {"do until x (y)\nloop", "[ 1: do until x (y) ]   ( .. )   syn Error!"},
        {"do while (x) y\nloop", "[ 1: do while (x) y ]   ) ..   syn Error!"},
        {"do while(x)\nloop", ""},
        {"do until (x)\nloop", ""},
        {"do while (x)\nexit do\nloop", ""},  // the do of exit do opens no loop
    };
    for (const CheckCase& c : cases) {
        EXPECT_EQ(CheckErrorLine(c.program), c.errorLine) << c.program;
    }
}

TEST(PreRunCheckTest, OpenBlocksAreReportedAtTheLastLineThatChangedTheirCount) {
    const CheckCase cases[] = {
        {"do while (x)\nx = 1\ndo while (y)\nloop\nx = 2", "[ 4: do ]  do .. loop   syn Error!"},
        {"do while (x)\nx = 1", "[ 1: do ]  do .. loop   syn Error!"},
        {"loop", "[ 1: do ]  do .. loop   syn Error!"},
        {"x = 1\nif (x) then\nx = 2", "[ 2: if ]  if .. end   syn Error!"},
        {"end", "[ 1: if ]  if .. end   syn Error!"},
        // Both counters off: the loop message wins.
        {"if (x) then\ndo while (x)", "[ 2: do ]  do .. loop   syn Error!"},
        {"do while (x)\nif (x) then\nend\nloop", ""},
    };
    for (const CheckCase& c : cases) {
        EXPECT_EQ(CheckErrorLine(c.program), c.errorLine) << c.program;
    }
}

TEST(PreRunCheckTest, TheFirstFailingLineStopsTheCheckAndTheRun) {
    const auto outcome = RunProgramText("var x\nprint \"ok\"\nif x > 1 then\nx = (1");
    EXPECT_EQ(outcome.errorLine, "[ 3: if x > 1 then ]   ( .. )   syn Error!");
    EXPECT_EQ(outcome.failedLine, 2);
    EXPECT_EQ(outcome.status, StepStatus::Failed);
    ASSERT_EQ(outcome.shown.size(), 1u);  // nothing ran before the check failed
    EXPECT_EQ(outcome.shown[0], outcome.errorLine);
}

TEST(PreRunCheckTest, CommentsAreCutBeforeTheCheck) {
    EXPECT_EQ(CheckErrorLine("x = 1 ' (unbalanced"), "");
    EXPECT_EQ(CheckErrorLine("print \"it's (\"\ny = 1"), "");
}

}  // namespace
}  // namespace zyk
