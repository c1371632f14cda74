// Runs the built zykcalc --keys with its own data folder and checks what it prints.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

struct ProcessRun {
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

class KeysEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "zyk-keys-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    // zykcalc --data-dir <temp> [options] --keys KEYS
    ProcessRun Keys(const std::string& keys, const std::vector<std::string>& options = {}) {
        std::string command = Quoted(ZYKCALC_PATH) + " --data-dir " + Quoted(m_folder.string());
        for (const auto& option : options) {
            command += " " + Quoted(option);
        }
        command += " --keys " + Quoted(keys);
        const auto out = m_folder / "out.txt";
        const auto err = m_folder / "err.txt";
        command += " >" + Quoted(out.string()) + " 2>" + Quoted(err.string()) + " </dev/null";
        const int raw = std::system(command.c_str());
        ProcessRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadAll(out);
        run.err = ReadAll(err);
        return run;
    }

    std::filesystem::path m_folder;
};

struct KeysCase {
    std::vector<std::string> options;
    const char* keys;
    const char* out;  // both lines
    int status;
};

TEST_F(KeysEndToEnd, PrintsTheExpressionLineAndTheResultLine) {
    const KeysCase cases[] = {
        {{}, "1 + 2 EXE", "\n= 3\n", 0},
        {{}, "(-) 5 EXE <", "\u22125\n\n", 0},  // the negation sign as U+2212
        {{}, "1 / 0 EXE", "1/0\n[ / ]   Can't divide with zero\n", 1},
        {{}, "2 var:x + 1 EXE 3 EXE", "\u0192=2x+1\n\u0192=7\n", 0},
        {{}, "sin X² SHIFT and SHIFT MOD mem:1", "\u00B7sin\u00B2|\u00A4\u00A6M1\u00A6\n\n", 0},
        {{}, "frm:1 1 EXE 2 EXE 5 EXE", "ax\u00B2+bx+c=0\nMa Error\n", 1},
        {{"--base", "hex"}, "F F EXE", "\n= FF\n", 0},
        {{"--format", "scientific", "--decimals", "3"}, "2 / 3 EXE", "\n= 6.6667e-001\n", 0},
        {{}, "SHIFT", "\nResult\n", 0},
    };
    for (const auto& row : cases) {
        const ProcessRun run = Keys(row.keys, row.options);
        EXPECT_EQ(run.out, row.out) << row.keys;
        EXPECT_EQ(run.status, row.status) << row.keys << "\n" << run.err;
    }
}

TEST_F(KeysEndToEnd, BadKeysAreUsageErrors) {
    for (const char* keys : {"1 + sine", "frm:51", "mem:12", "1 \xE4\xB8\xAD"}) {
        const ProcessRun run = Keys(keys);
        EXPECT_EQ(run.status, 2) << keys;
        EXPECT_EQ(run.out, "") << keys;
        EXPECT_NE(run.err.find("zykcalc: "), std::string::npos) << keys << "\n" << run.err;
    }
}

TEST_F(KeysEndToEnd, MemoriesAndFormulasStayInTheDataFolder) {
    EXPECT_EQ(Keys("7 SHIFT Mx Mx 3 EXE").out, "\n= 7\n");
    EXPECT_EQ(Keys("Mx 3 * 2 EXE").out, "\n= 14\n");
    EXPECT_EQ(Keys("2 var:x SaveAs:Twice").out, "\u0192=2x\nx?\n");
    EXPECT_EQ(Keys("frm:51 4 EXE").out, "\u0192=2x\n\u0192=8\n");
    const std::string file = ReadAll(m_folder / "UserEq.dat");
    EXPECT_NE(file.find("Twice\r\n\x83=2x\r\n[\x83]=2[x]\r\n"), std::string::npos);
}

TEST_F(KeysEndToEnd, EvalTypesTheTextAndPressesExe) {
    const auto out = m_folder / "eval.txt";
    const std::string command = Quoted(ZYKCALC_PATH) + " --data-dir " + Quoted(m_folder.string()) +
                                " --eval " + Quoted("2[x]+1") + " >" + Quoted(out.string()) +
                                " 2>/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    EXPECT_EQ(ReadAll(out), "x?\n");  // a formula: the calculator asks for its variable
    const int empty =
        std::system((Quoted(ZYKCALC_PATH) + " --data-dir " + Quoted(m_folder.string()) +
                     " --eval '' >" + Quoted(out.string()) + " 2>/dev/null")
                        .c_str());
    EXPECT_EQ(WEXITSTATUS(empty), 1);
    EXPECT_EQ(ReadAll(out), "No expression\n");
}

}  // namespace
