#include <gtest/gtest.h>

#include <string>

#include "RecordingConsole.h"
#include "program/BlockScanner.h"

namespace zyk {
namespace {

using test::ExpectRun;
using test::Neg;
using test::ProgramCase;

TEST(ProgramControlFlowTest, EachComparisonOperator) {
    struct Case {
        std::string left;
        std::string op;
        std::string right;
        bool holds;
    };
    const Case cases[] = {
        {"1", "=", "1", true},
        {"1", "=", "2", false},
        {"1", "<", "2", true},
        {"2", "<", "1", false},
        {"2", ">", "1", true},
        {"1", ">", "1", false},
        {"1", "<>", "2", true},
        {"1", "<>", "1", false},
        {"1", "<=", "1", true},
        {"2", "<=", "1", false},
        {"1", ">=", "1", true},
        {"0", ">=", "1", false},
        {"0-3", "<", "0-2", true},
        {"0.1+0.2", "=", "0.3", true},
        {"2^10", "=", "1024", true},
        {"x", "=", "5", true},
        {"x*2", ">", "x+4", true},
        {"1/3", "=", "0.3333333333", true},  // both sides as the calculator's answers
    };
    for (const Case& c : cases) {
        const std::string program = "var x\nx = 5\nif (" + c.left + " " + c.op + " " + c.right +
                                    ") then print \"yes\"\nprint \"no\"";
        ExpectRun({program,
                   {},
                   c.holds ? std::vector<std::string>{"yes", "no"} : std::vector<std::string>{"no"},
                   ""});
    }
}

TEST(ProgramControlFlowTest, ConditionsCombineComparisons) {
    struct Case {
        std::string condition;
        bool holds;
    };
    const Case cases[] = {
        {"((x > 1) & (y <> 0))", false},
        {"((x > 1) & (y = 0))", true},
        {"((x < 1) | (y = 0))", true},
        {"((x < 1) | (y > 0))", false},
        {"((x > 1) \xA4 (y = 0))", false},  // exclusive or
        {"((x > 1) \xA4 (y > 0))", true},
        {"(((x > 1) & (y = 0)) | (x = 0))", true},
        {"((x+1)*2 > 11)", true},
        {"(x > 1 & y = 0)", true},  // stretches end at a logical operator
        {"(abs(0-x) = 5)", true},
        {"(sqrt(x*5) = 5)", true},
    };
    for (const Case& c : cases) {
        const std::string program =
            "var x, y\nx = 5\nif " + c.condition + " then print \"yes\"\nprint \"no\"";
        ExpectRun({program,
                   {},
                   c.holds ? std::vector<std::string>{"yes", "no"} : std::vector<std::string>{"no"},
                   ""});
    }
}

TEST(ProgramControlFlowTest, ConditionFailures) {
    const ProgramCase cases[] = {
        {"var x\nif (x) then print x", {}, {}, "[ 2: if (x) then print x ]  No Condition!"},
        {"if (1+1) then print 1", {}, {}, "[ 1: if (1+1) then print 1 ]  No Condition!"},
        {"if (=1) then print 1", {}, {}, "[ 1: if (=1) then print 1 ]  could not find condition!"},
        {"if ((1 > 0) then print 1)",
         {},
         {},
         "[ 1: if ((1 > 0) then print 1) ]  [ () ]   syn Error"},
        {"if ((1 = 1) + 1) then print 1",
         {},
         {},
         "[ 1: if ((1 = 1) + 1) then print 1 ]  Could not eval. condition!"},
        {"if ((1 = 1) & (= 2)) then print 1",
         {},
         {},
         "[ 1: if ((1 = 1) & (= 2)) then print 1 ]  could not find condition!"},
        {"if (y > 1) then print 1", {}, {}, "[ 1: left cond. ]  Not valid"},
        {"if (1 < z) then print 1", {}, {}, "[ 1: right cond. ]  Not valid"},
        {"if (1/0 > 1) then print 1", {}, {}, "[ 1: left cond. ]  [ / ]   Can't divide with zero"},
        // Only the first "then" of a line is checked before the run.
        {"if (1 > 0) then if (2 > 1) print 1",
         {},
         {},
         "[ 1: if (1 > 0) then if (2 > 1) print 1 ]  then is missing!"},
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

TEST(ProgramControlFlowTest, SingleLineIf) {
    const ProgramCase cases[] = {
        {"var x\nx = 5\nif (x > 1) then print \"big\"\nprint \"ok\"", {}, {"big", "ok"}, ""},
        {"var x\nif (x > 1) then print \"big\"\nprint \"ok\"", {}, {"ok"}, ""},
        {"var x\nx = 5\nif (x > 1) then x = 0\nprint x", {}, {"0"}, ""},
        {"var x\nif(x=0)then x=3\nprint x", {}, {"3"}, ""},
        {"var x\nif (1 = 1) then if (2 = 2) then x = 9\nprint x", {}, {"9"}, ""},
        {"array a[2]\nif (1 = 1) then a[0] = 5",
         {},
         {},
         "[ 2: if (1 = 1) then a[0] = 5 ]  Unknown Command!"},
        {"if (1 = 1) then foo", {}, {}, "[ 1: if (1 = 1) then foo ]  Unknown Command!"},
        {"if (1 = 2) then foo\nprint \"ok\"", {}, {"ok"}, ""},  // a false one runs nothing
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

TEST(ProgramControlFlowTest, IfBlocksChooseOneBranch) {
    const std::string program =
        "var x\n"
        "input x\n"
        "if (x < 0) then\n"
        "  print \"neg\"\n"
        "elseif (x = 0) then\n"
        "  print \"zero\"\n"
        "elseif (x < 10) then\n"
        "  print \"small\"\n"
        "else\n"
        "  print \"big\"\n"
        "end\n"
        "print \"after\"";
    struct Case {
        std::string answer;
        std::string branch;
    };
    const Case cases[] = {{"-1", "neg"}, {"0", "zero"}, {"5", "small"}, {"50", "big"}};
    for (const Case& c : cases) {
        std::string echo = "x = " + c.answer;
        if (c.answer[0] == '-') {
            echo = "x = " + Neg(c.answer.substr(1));
        }
        ExpectRun({program, {c.answer}, {"x?", echo, c.branch, "after"}, ""});
    }
}

TEST(ProgramControlFlowTest, NestedBlocksAndSkippingAcrossThem) {
    const std::string program =
        "var a, b\n"
        "input a\n"
        "input b\n"
        "if (a > 0) then\n"
        "  if (b > 0) then\n"
        "    print \"pp\"\n"
        "  elseif (b = 0) then\n"
        "    print \"p0\"\n"
        "  else\n"
        "    print \"pn\"\n"
        "  end\n"
        "  if (b > 5) then print \"p5\"\n"
        "  do while (b > 100)\n"
        "    b = b-1\n"
        "  loop\n"
        "elseif (a = 0) then\n"
        "  if (b > 0) then\n"
        "    print \"0p\"\n"
        "  end\n"
        "  print \"z\"\n"
        "else\n"
        "  if (b > 0) then\n"
        "    print \"np\"\n"
        "  else\n"
        "    print \"nn\"\n"
        "  end\n"
        "end\n"
        "print \"after\"";
    struct Case {
        std::string a;
        std::string b;
        std::vector<std::string> branches;
    };
    const Case cases[] = {
        {"1", "1", {"pp"}},      {"1", "0", {"p0"}}, {"1", "-1", {"pn"}}, {"1", "9", {"pp", "p5"}},
        {"0", "1", {"0p", "z"}}, {"0", "0", {"z"}},  {"-1", "1", {"np"}}, {"-1", "0", {"nn"}},
    };
    for (const Case& c : cases) {
        const auto echo = [](const std::string& name, const std::string& value) {
            return name + " = " + (value[0] == '-' ? Neg(value.substr(1)) : value);
        };
        std::vector<std::string> shown = {"a?", echo("a", c.a), "b?", echo("b", c.b)};
        shown.insert(shown.end(), c.branches.begin(), c.branches.end());
        shown.push_back("after");
        ExpectRun({program, {c.a, c.b}, shown, ""});
    }
}

TEST(ProgramControlFlowTest, Loops) {
    const ProgramCase cases[] = {
        {"var i, s\ndo while (i < 10)\n  i = i+1\n  s = s+i\nloop\nprint s", {}, {"55"}, ""},
        {"var i\ndo until (i >= 3)\n  i = i+1\nloop\nprint i", {}, {"3"}, ""},
        {"var i\ni = 5\ndo while (i < 3)\n  i = i+1\nloop\nprint i", {}, {"5"}, ""},
        {"var i\ni = 5\ndo until (i > 3)\n  i = i+1\nloop\nprint i", {}, {"5"}, ""},
        {"var i, j, n\n"
         "do while (i < 3)\n  i = i+1\n  j = 0\n"
         "  do while (j < 4)\n    j = j+1\n    n = n+1\n  loop\n"
         "loop\nprint n",
         {},
         {"12"},
         ""},
        // Leaving a loop skips over the loops nested inside it.
        {"var i\ndo while (i > 0)\n  do while (i > 0)\n  loop\n  i = 9\nloop\nprint i",
         {},
         {"0"},
         ""},
        {"var i\ndo while (i < 100)\n  i = i+1\n  if (i = 5) then\n    exit do\n  end\nloop\nprint "
         "i",
         {},
         {"5"},
         ""},
        {"var i, j\ndo while (i < 3)\n  i = i+1\n  do while (1 = 1)\n    j = j+1\n    exit do\n"
         "  loop\nloop\nprint j",
         {},
         {"3"},
         ""},
        {"var i\ndo while (i < 3)\n  i = i+1\n  print i\nloop", {}, {"1", "2", "3"}, ""},
        {"do x while (1 = 1)\nloop", {}, {}, "[ 1: do x while (1 = 1) ]  while/until missing!"},
        {"do while (1 = 1)\n  exit do x\nloop", {}, {}, "[ 2: exit do ??? ]  x"},
        {"exit now", {}, {}, "[ 1: exit ??? ]  now"},
        {"exit do", {}, {}, "[ 1: exit do ]  syn  Error"},
        {"loop\ndo while (1 = 1)", {}, {}, "[ 1: loop ]  syn  Error"},
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

TEST(ProgramControlFlowTest, BlockStructureFaultsFoundWhileRunning) {
    const ProgramCase cases[] = {
        {"end\nif (1 = 1) then", {}, {}, "[ 1: end ]  syn  Error"},
        {"else\nif (1 = 1) then\nend", {}, {}, "[ 1: else ]  syn  Error"},
        {"elseif (1 = 1) then", {}, {}, "[ 1: elseif (1 = 1) then ]  syn  Error"},
        // A block skipped to the end of the program: reported at the last line.
        {"if (1 = 2) then end\nif (1 > 2) then\nprint \"x\"",
         {},
         {},
         "[ 3: print \"x\" ]  if - end  syn Error"},
        {"if (1 = 2) then loop\ndo while (1 > 2)\nprint \"x\"",
         {},
         {},
         "[ 3: print \"x\" ]  do - loop  syn Error"},
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

TEST(ProgramControlFlowTest, BareExitEndsTheProgram) {
    ExpectRun({"var x\nx = 1\nprint \"a\"\nexit\nprint \"b\"", {}, {"a"}, ""});
    ExpectRun({"var i\ndo while (1 = 1)\n  i = i+1\n  if (i = 3) then exit\nloop", {}, {}, ""});
}

TEST(BlockScannerTest, FindsWhereASkippedBranchEnds) {
    using Kind = BlockScanner::Target::Kind;
    struct Case {
        std::string program;
        Kind kind;
        int line;
        std::string word;
    };
    const Case cases[] = {
        {"if (x) then\n  x = 1\nelse\nend", Kind::Branch, 2, ""},
        {"if (x) then\n  x = 1\nelseif (y) then\nend", Kind::Branch, 2, ""},
        {"if (x) then\n  if (y) then\n  else\n  end\nend", Kind::End, 4, ""},
        {"if (x) then\n  if (y) then x = 1\nend", Kind::End, 2, ""},  // single-line passed over
        {"if (x) then\n\tif(y)then\n\tend\n\telse\nend", Kind::Branch, 3, ""},
        {"if (x) then\nend x", Kind::EndWithWord, 1, "x"},
        {"if (x) then\n  x = 1", Kind::NotFound, 1, ""},
    };
    for (const Case& c : cases) {
        const auto target = BlockScanner::SkipIfBranch(ProgramText::FromFileContents(c.program), 0);
        EXPECT_EQ(target.kind, c.kind) << c.program;
        EXPECT_EQ(target.line, c.line) << c.program;
        EXPECT_EQ(target.word, c.word) << c.program;
    }
}

TEST(BlockScannerTest, FindsTheMatchingLoop) {
    using Kind = BlockScanner::Target::Kind;
    struct Case {
        std::string program;
        Kind kind;
        int line;
    };
    const Case cases[] = {
        {"do while (x)\n  x = 1\nloop", Kind::Loop, 2},
        {"do while (x)\n  do until (y)\n  loop\nloop", Kind::Loop, 3},
        {"do while (x)\n  exit do\nloop", Kind::Loop, 2},
        {"do while (x)\n  do while(y)\n  loop", Kind::NotFound, 2},
    };
    for (const Case& c : cases) {
        const auto target = BlockScanner::SkipToLoop(ProgramText::FromFileContents(c.program), 0);
        EXPECT_EQ(target.kind, c.kind) << c.program;
        EXPECT_EQ(target.line, c.line) << c.program;
    }
}

}  // namespace
}  // namespace zyk
