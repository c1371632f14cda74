#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Runs the built zykcalc with --eval in a temporary data folder and checks what a user sees:
// the result line on stdout (UTF-8) and the exit status.
namespace zyk {
namespace {

struct RunResult {
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

class EvalEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "zykcalc-eval-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dataDir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dataDir); }

    RunResult Run(const std::vector<std::string>& arguments) const {
        const std::filesystem::path errFile = m_dataDir / "stderr.txt";
        std::string command = Quoted(ZYKCALC_PATH) + " --data-dir " + Quoted(m_dataDir.string());
        for (const auto& argument : arguments) {
            command += " " + Quoted(argument);
        }
        command += " 2>" + Quoted(errFile.string());
        RunResult result;
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            ADD_FAILURE() << "cannot start " << command;
            return result;
        }
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.out.append(buffer, n);
        }
        const int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ostringstream err;
        err << std::ifstream(errFile).rdbuf();
        result.err = err.str();
        return result;
    }

    std::filesystem::path m_dataDir;
};

TEST_F(EvalEndToEnd, PrintsTheResultLineAndItsStatus) {
    const struct {
        std::vector<std::string> arguments;  // after --eval
        std::string line;                    // stdout without its line end
        int status;
    } cases[] = {
        {{"2{pi}"}, "= 6.2831853072", 0},
        {{"2·sqrt9"}, "= 6", 0},
        {{"\u2212"
          "5+2"},
         "= -3",
         0},  // U+2212 is read as the negation sign
        {{"\u00AD"
          "4+1"},
         "= -3",
         0},  // and so is U+00AD itself
        {{"1/0"}, "[ / ]   Can't divide with zero", 1},
        {{"3¤"}, "[ ¤  No digit ]   Syn ERROR", 1},
        {{"5="}, "[ ¦Mx¦ ]   Syn Error", 1},
        {{"2e154²"}, "[ ²  Value to big ]   Ma Error", 1},
        {{"FF+1", "--base", "hex"}, "= 100", 0},
        {{"·sin({pi}/2)", "--angle", "rad"}, "= 1", 0},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"--eval"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const RunResult result = Run(arguments);
        EXPECT_EQ(result.out, c.line + "\n") << c.arguments[0] << " / " << result.err;
        EXPECT_EQ(result.status, c.status) << c.arguments[0];
    }
}

TEST_F(EvalEndToEnd, NotANumberShowsAMathsError) {
    const RunResult result = Run({"--eval",
                                  "(\u2212"
                                  "8)^(1/3)"});
    EXPECT_EQ(result.out, "Ma  ERROR\n");
    EXPECT_EQ(result.status, 1);
}

TEST_F(EvalEndToEnd, RefusesCharactersOutsideWindows1252) {
    const RunResult result = Run({"--eval", "1+\u4E2D"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("U+4E2D"), std::string::npos) << result.err;
}

TEST_F(EvalEndToEnd, MemoriesSurviveBetweenRuns) {
    EXPECT_EQ(Run({"--eval", "7=¦M3¦"}).out, "= 7\n");
    const RunResult result = Run({"--eval", "¦M3¦*2"});
    EXPECT_EQ(result.out, "= 14\n");
    EXPECT_EQ(result.status, 0);
}

}  // namespace
}  // namespace zyk
