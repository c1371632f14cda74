#include <gtest/gtest.h>

#include "console/ConsoleOptions.h"

namespace zyk {
namespace {

struct RefusedCase {
    std::vector<std::string> arguments;
    const char* messagePart;
};

TEST(ConsoleOptions, RefusesBadLinesWithAClearMessage) {
    const RefusedCase cases[] = {
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"--eval"}, "--eval needs a value"},
        {{"--eval", "1", "--base", "oct"}, "--base takes dec, hex or bin"},
        {{"--eval", "1", "--angle", "grad"}, "--angle takes deg or rad"},
        {{"--eval", "1", "--format", "fixed"}, "--format takes normal"},
        {{"--eval", "1", "--decimals", "16"}, "--decimals takes a whole number from 0 to 15"},
        {{"--eval", "1", "--decimals", "-1"}, "--decimals"},
        {{"--eval", "1", "--decimals", "3x"}, "--decimals"},
        {{"--eval", "1", "--decimals", ""}, "--decimals"},
        {{"--eval", "1", "--keys", "1"}, "only one of"},
        {{"--eval", "1", "--data-dir", ""}, "--data-dir needs a folder"},
        {{"1+2"}, "unknown option '1+2'"},
    };
    for (const auto& c : cases) {
        const ParsedOptions parsed = ParseConsoleOptions(c.arguments);
        EXPECT_NE(parsed.error.find(c.messagePart), std::string::npos)
            << c.arguments[0] << ": " << parsed.error;
    }
}

TEST(ConsoleOptions, ReadsCommandAndModifiersInAnyOrder) {
    const ParsedOptions parsed =
        ParseConsoleOptions({"--decimals", "0", "--base", "hex", "--eval", "FF+1", "--angle", "rad",
                             "--format", "engineering", "--data-dir", "/tmp/z"});
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    const ConsoleOptions& o = parsed.options;
    EXPECT_EQ(o.command, ConsoleOptions::Command::Eval);
    EXPECT_EQ(o.argument, "FF+1");
    EXPECT_EQ(o.base, "hex");
    EXPECT_EQ(o.angle, "rad");
    EXPECT_EQ(o.format, "engineering");
    EXPECT_EQ(o.decimals, 0);
    EXPECT_EQ(o.dataDir, "/tmp/z");
    EXPECT_TRUE(o.IsConsoleCommand());
}

TEST(ConsoleOptions, NoCommandMeansTheWindow) {
    const ParsedOptions parsed = ParseConsoleOptions({"--data-dir", "/tmp/z"});
    ASSERT_TRUE(parsed.error.empty());
    EXPECT_FALSE(parsed.options.IsConsoleCommand());
    // An option value that looks like an option is still a value: "--eval --help" evaluates.
    const ParsedOptions eval = ParseConsoleOptions({"--eval", "--help"});
    EXPECT_EQ(eval.options.command, ConsoleOptions::Command::Eval);
    EXPECT_EQ(eval.options.argument, "--help");
}

}  // namespace
}  // namespace zyk
