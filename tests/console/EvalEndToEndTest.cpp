#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
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

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return text;
}

class EvalEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "zykcalc-eval-XXXXXX");
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dataDir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dataDir); }

    RunResult Run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {ZYKCALC_PATH, "--data-dir", m_dataDir.string()});
        int outPipe[2];
        int errPipe[2];
        if (pipe(outPipe) != 0 || pipe(errPipe) != 0) {
            ADD_FAILURE() << "no pipe";
            return {};
        }
        const pid_t child = fork();
        if (child == 0) {
            dup2(outPipe[1], STDOUT_FILENO);
            dup2(errPipe[1], STDERR_FILENO);
            for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) {
                close(fd);
            }
            std::vector<char*> argv;
            for (auto& argument : arguments) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(outPipe[1]);
        close(errPipe[1]);
        RunResult result;
        result.out = ReadAll(outPipe[0]);  // the outputs are a line or two: no deadlock
        result.err = ReadAll(errPipe[0]);
        int status = 0;
        waitpid(child, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    std::filesystem::path m_dataDir;
};

struct EvalCase {
    std::vector<std::string> arguments;  // after --eval
    std::string line;                    // stdout without its line end
    int status;
};

TEST_F(EvalEndToEnd, PrintsTheResultLineAndItsStatus) {
    const EvalCase cases[] = {
        {{"2{pi}"}, "= 6.2831853072", 0},
        {{"2·sqrt9"}, "= 6", 0},
        {{"\u2212"
          "5+2"},
         "= -3",
         0},  // the minus sign U+2212 is read as the negation sign
        {{"\u00AD"
          "4+1"},
         "= -3",
         0},  // and so is the soft hyphen itself
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
