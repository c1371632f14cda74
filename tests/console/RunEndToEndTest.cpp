// Runs the built zykcalc --run on program files, feeding stdin, and checks what it prints.
#include "console/ZykcalcProcess.h"

namespace zyk::test {
namespace {

class RunEndToEnd : public ZykcalcProcess {
protected:
    // zykcalc [options] --run FILE < input
    ProcessResult RunFile(const std::filesystem::path& program, const std::string& input,
                          std::vector<std::string> options = {}) const {
        options.insert(options.end(), {"--run", program.string()});
        return Run(options, input);
    }
};

TEST_F(RunEndToEnd, PrintsWhatTheResultLineShows) {
    const struct {
        std::string program;  // file bytes (Windows-1252, CR LF or LF)
        std::string input;    // stdin, UTF-8
        std::string out;      // stdout, UTF-8
        int status;
        std::vector<std::string> options = {};
    } cases[] = {
        {"var x, y\r\ninput \"Number? \" x\r\ny = x*2\r\nprint \"twice: \" y\r\n", "21\n",
         "Number? \nx = 21\ntwice: 42\n", 0},
        // A leading minus is the calculator minus; it is written as U+2212.
        {"var x\ninput x\nprint x\n", "-2.5\n", "x?\nx = \u22122.5\n\u22122.5\n", 0},
        {"var x\ninput x\nprint x\n", "\u22122.5\r\n", "x?\nx = \u22122.5\n\u22122.5\n", 0},
        // End of input reads as an empty line: 0.
        {"var a, b\ninput a\ninput b\nprint a+b\n", "4\n", "a?\na = 4\nb?\nb = 0\n4\n", 0},
        {"print \"caf\xE9 \xB2\"\n", "", "caf\u00E9 \u00B2\n", 0},
        {"", "", "", 0},
        {"var x\nx = 1\nx = y\n", "", "[ 3: y ]  Not valid\n", 1},
        {"print asin(1)\n", "", "1.570796327\n", 0, {"--angle", "rad"}},
        {"print 1500*1000\n", "", "1.5e+006\n", 0, {"--format", "scientific"}},
        // Programs print with ten significant digits whatever the display decimals.
        {"print 2/3\n", "", "0.6666666667\n", 0, {"--decimals", "3"}},
    };
    const auto path = m_folder / "program.bas";
    for (const auto& c : cases) {
        WriteAll(path, c.program);
        const ProcessResult run = RunFile(path, c.input, c.options);
        EXPECT_EQ(run.out, c.out) << c.program;
        EXPECT_EQ(run.status, c.status) << c.program;
        EXPECT_EQ(run.err, "") << c.program;
    }
}

TEST_F(RunEndToEnd, AFileThatCannotBeReadIsAUsageError) {
    const ProcessResult missing = RunFile(m_folder / "missing.bas", "");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("missing.bas"), std::string::npos) << missing.err;

    const ProcessResult folder = RunFile(m_folder, "");
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.out, "");
}

}  // namespace
}  // namespace zyk::test
