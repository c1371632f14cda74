// Runs the built zykcalc --run on program files in its own data folder, feeding stdin.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

class RunEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "zyk-run-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    // zykcalc --data-dir <temp> [options] --run FILE < input
    Outcome RunFile(const std::filesystem::path& program, const std::string& input,
                    const std::vector<std::string>& options = {}) {
        const auto in = m_folder / "in.txt";
        const auto out = m_folder / "out.txt";
        const auto err = m_folder / "err.txt";
        WriteAll(in, input);
        std::string command = Quoted(ZYKCALC_PATH) + " --data-dir " + Quoted(m_folder.string());
        for (const auto& option : options) {
            command += " " + Quoted(option);
        }
        command += " --run " + Quoted(program.string());
        command +=
            " <" + Quoted(in.string()) + " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
        const int raw = std::system(command.c_str());
        Outcome run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadAll(out);
        run.err = ReadAll(err);
        return run;
    }

    Outcome RunProgram(const std::string& program, const std::string& input,
                       const std::vector<std::string>& options = {}) {
        const auto path = m_folder / "program.bas";
        WriteAll(path, program);
        return RunFile(path, input, options);
    }

    std::filesystem::path m_folder;
};

struct RunCase {
    std::string program;  // file bytes (Windows-1252, CR LF or LF)
    std::string input;    // stdin, UTF-8
    std::vector<std::string> options;
    std::string out;  // stdout, UTF-8
    int status;
};

TEST_F(RunEndToEnd, PrintsWhatTheResultLineShows) {
    const RunCase cases[] = {
        {"var x, y\r\ninput \"Number? \" x\r\ny = x*2\r\nprint \"twice: \" y\r\n",
         "21\n",
         {},
         "Number? \nx = 21\ntwice: 42\n",
         0},
        // A leading minus is the calculator minus; it is written as U+2212.
        {"var x\ninput x\nprint x\n", "-2.5\n", {}, "x?\nx = \u22122.5\n\u22122.5\n", 0},
        {"var x\ninput x\nprint x\n", "\u22122.5\r\n", {}, "x?\nx = \u22122.5\n\u22122.5\n", 0},
        // The input is kept as typed and worked out where it is used.
        {"var x, y\ninput x\ny = x*2\nprint y\n", "1+2\n", {}, "x?\nx = 1+2\n5\n", 0},
        // End of input reads as an empty line: 0.
        {"var a, b\ninput a\ninput b\nprint a+b\n", "4\n", {}, "a?\na = 4\nb?\nb = 0\n4\n", 0},
        {"var x\nfx f(x)\ninput f\nprint f(3)\n", "x^2+1\n", {}, "f(x) = ?\nf(x) =x^2+1\n10\n", 0},
        {"print \"caf\xE9 \xB2\"\n", "", {}, "caf\u00E9 \u00B2\n", 0},
        {"var i, s\ndo while (i < 1000)\n  i = i+1\n  s = s+i\nloop\nprint s\n",
         "",
         {},
         "500500\n",
         0},
        {"print \"a\"\nexit\nprint \"b\"\n", "", {}, "a\n", 0},
        {"", "", {}, "", 0},
        {"var x\nx = 1\nx = y\n", "", {}, "[ 3: y ]  Not valid\n", 1},
        {"print \"ok\"\nvar x\nx = 1/0\n",
         "",
         {},
         "ok\n[ 3:  ]  [ / ]   Can't divide with zero\n",
         1},
        {"if x > 1 then\nend\n", "", {}, "[ 1: if x > 1 then ]   ( .. )   syn Error!\n", 1},
        {"print asin(1)\n", "", {"--angle", "rad"}, "1.570796327\n", 0},
        {"print 1500*1000\n", "", {"--format", "scientific"}, "1.5e+006\n", 0},
        // Programs print with ten significant digits whatever the display decimals.
        {"print 2/3\n", "", {"--decimals", "3"}, "0.6666666667\n", 0},
        {"var x\nfx f(x)\ninput f\n", "", {}, "f(x) = ?\n[ 3: input f ]  No function added!\n", 1},
    };
    for (const RunCase& c : cases) {
        const Outcome run = RunProgram(c.program, c.input, c.options);
        EXPECT_EQ(run.out, c.out) << c.program;
        EXPECT_EQ(run.status, c.status) << c.program;
        EXPECT_EQ(run.err, "") << c.program;
    }
}

TEST_F(RunEndToEnd, AFileThatCannotBeReadIsAUsageError) {
    const Outcome missing = RunFile(m_folder / "missing.bas", "");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("missing.bas"), std::string::npos) << missing.err;

    const Outcome folder = RunFile(m_folder, "");
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.out, "");
}

}  // namespace
