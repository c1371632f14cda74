#include <gtest/gtest.h>

#include "RecordingConsole.h"

namespace zyk {
namespace {

using test::ExpectRun;
using test::ProgramCase;

// Programs that fail the check show only the error line: no line has run.
TEST(PreRunCheckTest, BracketsAndConditions) {
    const ProgramCase cases[] = {
        {"print \"a\"\nx = (1+2", "", "[ 2: x = (1+2 ]  ( .. )   syn Error!"},
        {"array a[3", "", "[ 1: array a[3 ]  [ .. ]   syn Error!"},
        {"array a[3] = {1, 2", "", "[ 1: array a[3] = {1, 2 ]  { .. }   syn Error!"},
        {"x = (1)]", "", "[ 1: x = (1)] ]  [ .. ]   syn Error!"},
        {"if x > 1 then", "", "[ 1: if x > 1 then ]   ( .. )   syn Error!"},
        {"if x (x > 1) then", "", "[ 1: if x (x > 1) then ]   ( .. )   syn Error!"},
        {"if (x > 1)", "", "[ 1: if (x > 1) ]  if .. then   syn Error!"},
        {"x = 1 then", "", "[ 1: x = 1 then ]  if .. then   syn Error!"},
        {"then if (x > 1)", "", "[ 1: then if (x > 1) ]  if .. then   syn Error!"},
        {"print \"if you\"", "", "[ 1: print \"if you\" ]  if .. then   syn Error!"},
        {"if (x > 1) y then", "", "[ 1: if (x > 1) y then ]   ) ..   syn Error!"},
        {"if (1) then\nelseif y then\nend", "", "[ 2: elseif y then ]   ( .. )   syn Error!"},
        {"if (1) then\nelseif (y)\nend", "", "[ 2: elseif (y) ]  if .. then   syn Error!"},
        {"if (1 > 2) then\nelseif (1 > 3) then\nelse\nend"},
        {"if\t(1 > 2)\tthen\t\nend\nif(1>2)then\nend\nif (1 > 2) then print 1"},
        {"x = 1 ' (unbalanced\n", "", "[ 1: x = 1  ]  Unknown command!"},  // comments cut
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

TEST(PreRunCheckTest, BlockWordsAndTheirBalance) {
    const ProgramCase cases[] = {
        {"if (1) then\nend1", "", "[ 2: if .. end ]   end ..   syn Error!"},
        {"if (1) then\nendif", "", "[ 1: if ]  if .. end   syn Error!"},  // not an end
        {"print \"the end\"", "", "[ 1: if .. end ]   end ..   syn Error!"},
        {"if (1) then\nelse x\nend", "", "[ 2: else x ]   else ..   syn Error!"},
        {"do while (1)\nloop x", "", "[ 2: do .. loop ]   loop ..   syn Error!"},
        {"do\nloop", "", "[ 1: do ]  do   syn Error!"},
        {"do x\nloop", "", "[ 1: do x ]  do   syn Error!"},
        {"while (x)", "", "[ 1: while (x) ]  do   syn Error!"},
        {"until (1)", "", "[ 1: until (1) ]  Unknown command!"},  // not checked
        {"do while x\nloop", "", "[ 1: do while x ]   ( .. )   syn Error!"},
        {"do until x (y)\nloop", "", "[ 1: do until x (y) ]   ( .. )   syn Error!"},
        {"do while (x) y\nloop", "", "[ 1: do while (x) y ]   ) ..   syn Error!"},
        {"do while (1 > 2)\n\texit do\n\tloop\t\ndo until(1=1)\nloop"},
        // Open blocks: reported for the last line that changed the count; loops first.
        {"do while (x)\nx = 1\ndo while (y)\nloop\nx = 2", "",
         "[ 4: do ]  do .. loop   syn Error!"},
        {"loop", "", "[ 1: do ]  do .. loop   syn Error!"},
        {"x = 1\nif (x) then\nx = 2", "", "[ 2: if ]  if .. end   syn Error!"},
        {"if (x) then\ndo while (x)", "", "[ 2: do ]  do .. loop   syn Error!"},
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

}  // namespace
}  // namespace zyk
