#include "RecordingConsole.h"

namespace zyk::test {
namespace {

TEST(ProgramStatementsTest, DeclarationsAndAssignment) {
    ExpectRuns({
        {"var x\nx = 2+3\nprint x", "5"},
        {"variable x\nprint x", "0"},  // a new variable holds 0
        {"var a, b; c\na = 1\nb = 2\nc = a+b\nprint c", "3"},
        {"var x\nx == 4\nprint x", "4"},  // '=' after the first are skipped
        {"var x\nx = 1/3\nprint x", "0.3333333333"},
        {"var x\nx = 1 +\t2\t' tabs go with the blanks\nprint x", "3"},
        // Negative results are stored with the calculator minus, so they work after an operator.
        {"var x, y\nx = 0-5\ny = 2*x\nprint x\nprint y", "−5\n−10"},
        // Names are replaced only where no letter continues them, also at the end.
        {"var a, ab\na = 1\nab = 2\nprint ab\nprint a+ab", "2\n3"},
        // A digit does not end a name: with a and a1, "a1" reads a followed by 1.
        {"var a, a1\na = 5\na1 = 7\nprint a1", "51"},
        {"var x\n\n' a comment only\n   \nx = 1\nprint x", "1"},
        {"var x = 5", "", "[ 1: var x = 5 ]  Not a legal variable name!"},
        {"var x\nvar y, x", "", "[ 2: var y, x ]  Already exists!"},
        {"var", "", "[ 1: var ]  No variable found!"},
        {"var x\nx", "", "[ 2: x ]  Empty ?"},
        {"var x\nx 5", "", "[ 2: x 5 ]  No expression present!"},
        {"var x\nx =  ", "", "[ 2: x =   ]  No expression present!"},
        {"var x\nx = y", "", "[ 2: y ]  Not valid"},
        {"var x\nx = 1e5", "", "[ 2: 1e5 ]  Not valid"},
        {"var x\nx = {pi}", "", "[ 2: {pi} ]  Not valid"},
        {"var x\nx = 1 / 0", "", "[ 2:  ]  [ / ]   Can't divide with zero"},
        {"var x\nx = 2*-3", "", "[ 2:  ]  [ -  Misplaced ]   Syn ERROR"},
        // A value in exponent notation cannot be used again.
        {"var x, y\nx = 10^20\ny = x*2", "", "[ 3: 1e+020*2 ]  Not valid"},
        // Names are not checked against keywords (the check sees only the "if" in "gif").
        {"var gif, if\nif (1 > 0) then\nend", "", "[ 2: if (1 > 0) then ]  No expression present!"},
        {"If x > 1", "", "[ 1: If x > 1 ]  Unknown command!"},
        {"rem a note", "", "[ 1: rem a note ]  Unknown command!"},
        {"var x\nx = 1\nx = 2\nx = 3\nx = 4\nx = 5\n\tfoo bar ' hm", "",
         "[ 7: \tfoo bar  ]  Unknown command!"},
    });
}

TEST(ProgramStatementsTest, Arrays) {
    ExpectRuns({
        {"array a[3]\na[0] = 5\na[2] = a[0]*2\nprint a[0] \",\" a[1] \",\" a[2]", "5,0,10"},
        {"array a[4] = {7}\nprint a[3]", "7"},  // one value fills every element
        {"array a[3] = {1, 2}\nprint a[0]+a[1]+a[2]", "3"},
        {"array a[2] = {, 4}\nprint a[0]+a[1]", "4"},  // an empty value reads 0
        {"array a[3] = {-1, 2, 3}\nvar x\nx = 2*a[0]\nprint x", "−2"},
        {"var i\narray a[3]\ni = 1\na[i+1] = 4\nprint a[2]", "4"},
        {"array a[3]\na[2.7] = 4\nprint a[2]", "4"},  // leading digits of the index
        {"array a[3]\nprint a[sqrt(4)]", "0"},        // a read index maps functions
        {"array a[3]\na[3] = 1", "", "[ 2: a[3] = 1 ]  Out of bound."},
        {"var i\narray a[3]\ni = 0-1\na[i] = 1", "", "[ 4: a[i] = 1 ]  Out of bound."},
        {"var i\narray a[3]\ni = 0-1\nprint a[i]", "", "[ 4: print a[i] ]  Not valid!"},
        {"array a[3]\nprint a[5]", "", "[ 2: print a[5] ]  Not valid!"},
        {"array a[3]\nprint a[1 + 1]", "", "[ 2: print a[1 + 1] ]  [] syn Error!"},
        {"array a[3]\na[abs(1)] = 2", "", "[ 2: abs(1) ]  Not valid"},  // only variables
        {"array a[3]\na[] = 1", "", "[ 2: a[] = 1 ]  No array pos. found!"},
        {"array a[3]\na = 1", "", "[ 2: a = 1 ]  No array pos. found!"},
        {"array a[3]\na[1] =", "", "[ 2: a[1] = ]  No value!"},
        {"b[0] = 1", "", "[ 1: b[0] = 1 ]  Unknown command!"},
        {"array a", "", "[ 1: array a ]  Not a legal array!"},
        {"array a]3[", "", "[ 1: array a]3[ ]  Not a legal array!"},
        {"array a[3] = 5", "", "[ 1: array a[3] = 5 ]  Not a legal array!"},
        {"array 1a[3]", "", "[ 1: array 1a[3] ]  Not a legal array name!"},
        {"array a[3]\narray a[2]", "", "[ 2: array a[2] ]  Already exists!"},
        {"array a[n]\na[0] = 1", "", "[ 2: a[0] = 1 ]  Out of bound."},  // no digits: size 0
        {"array a[100001]", "", "[ 1: array a[100001] ]  Out of bound."},
    });
}

TEST(ProgramStatementsTest, UserFunctions) {
    ExpectRuns({
        {"var x\nfx f(x)\nf(x) = x^2+1\nprint f(3)\nprint x", "10\n3"},  // x keeps 3
        {"var x, y\nfunction f(x), g(y)\nf(x) = x+1\ng(y) = y*10\nprint f(1) g(2)", "220"},
        {"var x, y\nfx f(x)\nf(x) = x*10\ny = 2\nprint f(y+1)\nprint f(f(1))", "30\n100"},
        {"var x\nfx f(x)\nf(x) = sqrt(x)+abs(0-x)\nprint f(4)", "6"},
        {"var x\nfx f(x)\nif (1 = 1) then f(x) = x*3\nprint f(2)", "6"},
        // Other calls inside a formula are not replaced.
        {"var x\nfx f(x), g(x)\nf(x) = x+1\ng(x) = f(x)*2\nprint g(1)", "",
         "[ 5: f(1)*2 ]  Not valid"},
        {"var x\nfx f(x)\nprint f(1)", "", "[ 3:  ]  No expression"},  // no formula yet
        {"fx f(y)", "", "[ 1: fx f(y) ]  Variable not declared!"},
        {"var x\nfx 1f(x)", "", "[ 2: fx 1f(x) ]  Not a legal function name!"},
        {"var x\nfx", "", "[ 2: fx ]  Not a legal function name!"},
        {"var x\nfx f(x)\nfx f(x)", "", "[ 3: fx f(x) ]  Already exists!"},
        {"var x\nfx f()", "", "[ 2: fx f() ]  No variable ?"},
        {"var x\nfx f", "", "[ 2: fx f ]  No variable ?"},
        {"var x\nfx f(x)\nf(x) =", "", "[ 3: f(x) = ]  No formula!"},
        {"var x\nfx f(x)\nf(x) = 2\nprint f", "", "[ 4: print f ]  No function!"},
        {"var x\nfx f(x)\nf(x) = 2\nprint f(1, 2)", "", "[ 4: print f(1, 2) ]  () syn Error!"},
    });
}

TEST(ProgramStatementsTest, PrintAndInput) {
    ExpectRuns({
        {"var x\nx = 5\nprint \"x = \" x", "x = 5"},
        {"print \"a\";\"b\",\"c\"\nprint\"d\"\nprint 1 2\nprint(2 + 3)", "abc\nd\n12\n5"},
        {"print \"été ²\"", "été ²"},
        // Blanks outside parentheses split an item: the plus sign alone does not evaluate.
        {"var x\nprint x + 1", "", "[ 2:  ]  [ +  No digit ]   Syn ERROR"},
        {"print \"it's\"", "", "[ 1: print \"it ]  not a string!"},
        {"print 2²", "", "[ 1: 2² ]  Not valid"},
        {"var x\ninput x\nprint x*2", "x?\nx = 4\n8", "", "4"},
        // The typed text is stored as it is and worked out where it is used.
        {"var x, y\ninput x\ny = x*2\nprint y", "x?\nx = 1+2\n5", "", "1+2"},
        {"var x\ninput x\nprint x", "x?\nx = −2.5\n−2.5", "", "-2.5"},
        {"var x\nx = 7\ninput x\nprint x", "x?\nx = 0\n0"},  // an empty line is 0
        {"var r\ninput \"Radius? \" r\nprint r", "Radius? \nr = 3\n3", "", "3"},
        {"var x\nfx f(x)\ninput f\nprint f(3)", "f(x) = ?\nf(x) =x^2\n9", "", "x^2"},
        {"var x\nfx f(x)\ninput \"F:\" f", "F:\nf(x) =x+1", "", "x+1"},
        {"var x\ninput x\nprint x", "x?\nx = ·foo(1)", "[ 3: ·foo(1) ]  Could not find function!",
         "·foo(1)"},
        {"input", "", "[ 1: input ]  Nothing to input!"},
        {"var x\ninput \"Value\"", "", "[ 2: input \"Value\" ]  Nothing to input!"},
        {"var x\ninput \"Value x", "", "[ 2: input \"Value x ]  not a string!"},
        {"array a[2]\ninput a[0]", "", "[ 2: input a[0] ]  Could not input!"},
        {"var x\nfx f(x)\ninput f", "f(x) = ?", "[ 3: input f ]  No function added!"},
    });
}

}  // namespace
}  // namespace zyk::test
