// Runs the built zykcalc with --eval and checks what a user sees: the result line on stdout
// (UTF-8) and the exit status.
#include "console/ZykcalcProcess.h"

namespace zyk::test {
namespace {

using EvalEndToEnd = ZykcalcProcess;

TEST_F(EvalEndToEnd, PrintsTheResultLineAndItsStatus) {
    const struct {
        std::vector<std::string> arguments;  // after --eval
        std::string line;                    // stdout without its line end
        int status;
    } cases[] = {
        {{"2{pi}"}, "= 6.2831853072", 0},
        {{"\u22125+2"}, "= -3", 0},  // U+2212 is read as the negation sign
        {{"1/0"}, "[ / ]   Can't divide with zero", 1},
        {{"(\u22128)^(1/3)"}, "Ma  ERROR", 1},  // not a number
        {{"FF+1", "--base", "hex"}, "= 100", 0},
        {{"·sin({pi}/2)", "--angle", "rad"}, "= 1", 0},
        {{"2[x]+1"}, "x?", 0},  // a formula: the calculator asks for its variable
        {{""}, "No expression", 1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"--eval"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const ProcessResult result = Run(arguments);
        EXPECT_EQ(result.out, c.line + "\n") << c.arguments[0] << " / " << result.err;
        EXPECT_EQ(result.status, c.status) << c.arguments[0];
    }
}

TEST_F(EvalEndToEnd, RefusesCharactersOutsideWindows1252) {
    const ProcessResult result = Run({"--eval", "1+\u4E2D"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("U+4E2D"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace zyk::test
