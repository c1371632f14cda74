#include "RecordingConsole.h"
#include "program/BlockScanner.h"

namespace zyk::test {
namespace {

TEST(ProgramControlFlowTest, ComparisonsAndTheirCombinations) {
    struct Case {
        std::string condition;
        bool holds;
    };
    const Case cases[] = {
        {"(x = 5)", true},
        {"(x = 6)", false},
        {"(1 < 2)", true},
        {"(2 < 1)", false},
        {"(x > 4)", true},
        {"(x > 5)", false},
        {"(1 <> 2)", true},
        {"(x <> 5)", false},
        {"(5 <= x)", true},
        {"(6 <= x)", false},
        {"(x >= 5)", true},
        {"(0 >= 1)", false},
        {"(0-3 < 0-2)", true},
        {"(0.1+0.2 = 0.3)", true},
        {"(sqrt(x*5) = 5)", true},
        {"(abs(0-x) = 5)", true},
        {"((x > 1) & (y <> 0))", false},
        {"((x > 1) & (y = 0))", true},
        {"((x < 1) | (y = 0))", true},
        {"((x < 1) | (y > 0))", false},
        {"((x > 1) ¤ (y = 0))", false},
        {"((x > 1) ¤ (y > 0))", true},
        {"(((x > 1) & (y = 0)) | (x = 0))", true},
        {"((x+1)*2 > 11)", true},
        {"(x > 1 & y = 0)", true},  // a stretch ends at a logical operator
        // A later stretch takes in the results of the comparisons before it.
        {"((x > 1) = 1)", true},
        {"((x = 5)+(y = 0) = 2)", true},
        {"((x = 5)+(y = 1) = 2)", false},
    };
    for (const Case& c : cases) {
        ExpectRun({"var x, y\nx = 5\nif " + c.condition + " then print \"yes\"\nprint \"no\"",
                   c.holds ? "yes\nno" : "no"});
    }
}

TEST(ProgramControlFlowTest, ConditionFailures) {
    ExpectRuns({
        {"if (1+1) then print 1", "", "[ 1: if (1+1) then print 1 ]  No Condition!"},
        {"if (=1) then print 1", "", "[ 1: if (=1) then print 1 ]  could not find condition!"},
        {"if ((1 > 0) then print 1)", "", "[ 1: if ((1 > 0) then print 1) ]  [ () ]   syn Error"},
        {"if ((1 = 1) + 1) then print 1", "",
         "[ 1: if ((1 = 1) + 1) then print 1 ]  Could not eval. condition!"},
        {"if (y > 1) then print 1", "", "[ 1: left cond. ]  Not valid"},
        {"if (1 < z) then print 1", "", "[ 1: right cond. ]  Not valid"},
        {"if (1/0 > 1) then print 1", "", "[ 1: left cond. ]  [ / ]   Can't divide with zero"},
        // Only the first "then" of a line is checked before the run.
        {"if (1 > 0) then if (2 > 1) print 1", "",
         "[ 1: if (1 > 0) then if (2 > 1) print 1 ]  then is missing!"},
    });
}

TEST(ProgramControlFlowTest, SingleLineIf) {
    ExpectRuns({
        {"var x\nif (x = 0) then print \"a\"\nif (x > 1) then print \"b\"\nprint \"c\"", "a\nc"},
        {"var x\nif(x=0)then x=3\nprint x", "3"},
        {"var x\nif (1 = 1) then if (2 = 2) then x = 9\nprint x", "9"},
        {"array a[2]\nif (1 = 1) then a[0] = 5", "",
         "[ 2: if (1 = 1) then a[0] = 5 ]  Unknown Command!"},
        {"if (1 = 1) then foo", "", "[ 1: if (1 = 1) then foo ]  Unknown Command!"},
        {"if (1 = 2) then foo\nprint \"ok\"", "ok"},  // a false one runs nothing
    });
}

// Every branch of nested blocks, with single-line ifs and loops inside skipped branches.
TEST(ProgramControlFlowTest, NestedBlocksRunOneBranchAndSkipTheRest) {
    const std::string program =
        "var a, b\ninput a\ninput b\n"
        "if (a > 0) then\n"
        "  if (b > 0) then\n    print \"pp\"\n"
        "  elseif (b = 0) then\n    print \"p0\"\n"
        "  else\n    print \"pn\"\n  end\n"
        "  if (b > 5) then print \"p5\"\n"
        "  do while (b > 100)\n    b = b-1\n  loop\n"
        "elseif (a = 0) then\n"
        "  if (b > 0) then\n    print \"0p\"\n  end\n  print \"z\"\n"
        "else\n"
        "  if (b > 0) then\n    print \"np\"\n  else\n    print \"nn\"\n  end\n"
        "end\n"
        "print \"after\"";
    struct Case {
        std::string answers, branches;
    };
    const Case cases[] = {
        {"1\n1", "pp"},    {"1\n0", "p0"}, {"1\n-1", "pn"}, {"1\n9", "pp\np5"},
        {"0\n1", "0p\nz"}, {"0\n0", "z"},  {"-1\n1", "np"}, {"-1\n0", "nn"},
    };
    for (const Case& c : cases) {
        const auto lines = Lines(c.answers);
        const auto echo = [](const std::string& value) {
            return value[0] == '-' ? "−" + value.substr(1) : value;
        };
        ExpectRun({program,
                   "a?\na = " + echo(lines[0]) + "\nb?\nb = " + echo(lines[1]) + "\n" + c.branches +
                       "\nafter",
                   "", c.answers});
    }
}

TEST(ProgramControlFlowTest, Loops) {
    ExpectRuns({
        {"var i, s\ndo while (i < 10)\n  i = i+1\n  s = s+i\nloop\nprint s", "55"},
        {"var i\ndo until (i >= 3)\n  i = i+1\nloop\nprint i", "3"},
        {"var i\ni = 5\ndo while (i < 3)\n  i = i+1\nloop\ndo until (i > 3)\n  i = 0\nloop\nprint "
         "i",
         "5"},  // neither body runs
        {"var i, j, n\ndo while (i < 3)\n  i = i+1\n  j = 0\n  do while (j < 4)\n    j = j+1\n    "
         "n = n+1\n  loop\nloop\nprint n",
         "12"},
        // Leaving a loop skips over the loops nested inside it.
        {"var i\ndo while (i > 0)\n  do while (i > 0)\n  loop\n  i = 9\nloop\nprint i", "0"},
        {"var i\ndo while (i < 100)\n  i = i+1\n  if (i = 5) then\n    exit do\n  end\nloop\nprint "
         "i",
         "5"},
        {"var i, j\ndo while (i < 3)\n  i = i+1\n  do while (1 = 1)\n    j = j+1\n    exit do\n  "
         "loop\nloop\nprint j",
         "3"},
        {"var i\ndo while (i < 3)\n  i = i+1\n  print i\nloop", "1\n2\n3"},
        // A bare exit ends the program as its last line does.
        {"print \"a\"\nexit\nprint \"b\"", "a"},
        {"do x while (1 = 1)\nloop", "", "[ 1: do x while (1 = 1) ]  while/until missing!"},
        {"do while (1 = 1)\n  exit do x\nloop", "", "[ 2: exit do ??? ]  x"},
        {"exit now", "", "[ 1: exit ??? ]  now"},
    });
}

TEST(ProgramControlFlowTest, BlockStructureFaultsFoundWhileRunning) {
    ExpectRuns({
        {"end\nif (1 = 1) then", "", "[ 1: end ]  syn  Error"},
        {"else\nif (1 = 1) then\nend", "", "[ 1: else ]  syn  Error"},
        {"elseif (1 = 1) then", "", "[ 1: elseif (1 = 1) then ]  syn  Error"},
        {"loop\ndo while (1 = 1)", "", "[ 1: loop ]  syn  Error"},
        {"exit do", "", "[ 1: exit do ]  syn  Error"},
        // A block skipped to the end of the program: reported at the last line.
        {"if (1 = 2) then end\nif (1 > 2) then\nprint \"x\"", "",
         "[ 3: print \"x\" ]  if - end  syn Error"},
        {"if (1 = 2) then loop\ndo while (1 > 2)\nprint \"x\"", "",
         "[ 3: print \"x\" ]  do - loop  syn Error"},
    });
    // An end followed by a word cannot pass the check; the skip still reports it.
    const auto target =
        BlockScanner::SkipIfBranch(ProgramText::FromFileContents("if (x) then\nend x"), 0);
    EXPECT_EQ(target.kind, BlockScanner::Target::Kind::EndWithWord);
    EXPECT_EQ(target.word, "x");
}

// Programs that fail the check show only the error line: no line has run.
TEST(PreRunCheckTest, BracketsAndConditions) {
    ExpectRuns({
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
    });
}

TEST(PreRunCheckTest, BlockWordsAndTheirBalance) {
    ExpectRuns({
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
    });
}

}  // namespace
}  // namespace zyk::test
