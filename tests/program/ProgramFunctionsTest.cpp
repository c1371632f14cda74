#include <gtest/gtest.h>

#include "RecordingConsole.h"

namespace zyk {
namespace {

using test::ExpectRun;
using test::Neg;
using test::ProgramCase;

TEST(ProgramFunctionsTest, MappedCalculatorFunctions) {
    const ProgramCase cases[] = {
        {"print log(100)", {}, {"4.605170186"}, ""},  // the natural logarithm
        {"print log10(100)", {}, {"2"}, ""},
        {"print sqrt(16)", {}, {"4"}, ""},
        {"print sin(30)", {}, {"0.5"}, ""},  // the calculator's degree mode
        {"print cos(60)", {}, {"0.5"}, ""},
        {"print tan(45)", {}, {"1"}, ""},
        {"print asin(1)", {}, {"90"}, ""},
        {"print acos(1)", {}, {"0"}, ""},
        {"print atan(1)", {}, {"45"}, ""},
        {"print sinh(0)", {}, {"0"}, ""},
        {"print cosh(0)", {}, {"1"}, ""},
        {"print tanh(0)", {}, {"0"}, ""},
        {"print asinh(0)", {}, {"0"}, ""},
        {"print acosh(1)", {}, {"0"}, ""},
        {"print atanh(0)", {}, {"0"}, ""},
        {"print exp(1)", {}, {"2.718281828"}, ""},
        {"print 2*sqrt(sqrt(16))", {}, {"4"}, ""},
        {"print sqrt(0-4)", {}, {}, "[ 1:  ]  [ sqrt  Value not valid ]   Ma Error"},
        {"print asin(2)", {}, {}, "[ 1:  ]   [ arcsin  Value to big ]   Ma Error "},
        {"print cbrt(8)", {}, {}, "[ 1: cbrt(8) ]  Not valid"},
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

TEST(ProgramFunctionsTest, ScalarInterpreterFunctions) {
    const ProgramCase cases[] = {
        {"print fix(0-2.7)", {}, {Neg("2")}, ""},
        {"print floor(0-2.7)", {}, {Neg("3")}, ""},
        {"print ceil(0-2.7)", {}, {Neg("2")}, ""},
        {"print fix(2.7) floor(2.7) ceil(2.2)", {}, {"223"}, ""},
        {"print round(2.5)", {}, {"3"}, ""},
        {"print round(0-2.5)", {}, {Neg("2")}, ""},
        {"var r\nr = round(3.14159, 2)\nprint r", {}, {"3.14"}, ""},
        {"var r\nr = round(1234, 0-2)\nprint r", {}, {"1200"}, ""},
        {"print abs(0-5)", {}, {"5"}, ""},
        {"print abs(floor(0-2.5))", {}, {"3"}, ""},
        {"var x\nx = 0-4\nprint 3*fix(x)", {}, {Neg("12")}, ""},  // fix keeps the calculator minus
        {"var g\ng = gcd(12, 18)\nprint g", {}, {"6"}, ""},
        {"var g\ng = gcd(12)", {}, {}, "[ 2: gcd ]  gcd(x,y)   syn Error"},
        {"var g\ng = gcd(1.5, 3)", {}, {}, "[ 2: gcd(x,y) ]  x & y not integers!"},
        {"print abs()", {}, {}, "[ 1: print abs() ]  Nothing to calculate!"},
        {"print floor( )", {}, {}, "[ 1: print floor( ) ]  Nothing to calculate!"},
        {"print abs(y)", {}, {}, "[ 1: y ]  Not valid"},
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

TEST(ProgramFunctionsTest, ArrayFunctions) {
    const std::string eight = "array a[8] = {2, 4, 4, 4, 5, 5, 7, 9}\n";
    const ProgramCase cases[] = {
        {eight + "print sum(a)", {}, {"40"}, ""},
        {eight + "print mean(a)", {}, {"5"}, ""},
        {eight + "print std2(a)", {}, {"2"}, ""},
        {eight + "print std(a)", {}, {"2.138089935"}, ""},
        {"array a[3] = {3, 1, 2}\nprint median(a)", {}, {"2"}, ""},
        {"array a[4] = {4, 1, 3, 2}\nprint median(a)", {}, {"2.5"}, ""},
        {"array a[3] = {2, -3, 4}\nprint prod(a)", {}, {Neg("24")}, ""},
        {"array a[1] = {5}\nprint std(a)", {}, {"0"}, ""},
        {"array a[3] = {1, 2, 3}\nvar i\ni = 1\na[i] = 10\nprint sum(a)", {}, {"14"}, ""},
        {"array a[3] = {1, 2, 3}\nprint sum( a )", {}, {"6"}, ""},
        {"print sum()", {}, {}, "[ 1: print sum() ]  Nothing to calculate!"},
        {"print sum(b)", {}, {}, "[ 1: print sum(b) ]  Not valid!"},
        {"array a[0]\nprint mean(a)", {}, {}, "[ 2: print mean(a) ]  Nothing to calculate!"},
    };
    for (const ProgramCase& c : cases) {
        ExpectRun(c);
    }
}

}  // namespace
}  // namespace zyk
