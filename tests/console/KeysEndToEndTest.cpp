// Runs the built zykcalc --keys and checks the two display lines it prints.
#include "console/ZykcalcProcess.h"

namespace zyk::test {
namespace {

class KeysEndToEnd : public ZykcalcProcess {
protected:
    // zykcalc [options] --keys KEYS
    ProcessResult Keys(const std::string& keys, std::vector<std::string> options = {}) const {
        options.insert(options.end(), {"--keys", keys});
        return Run(options);
    }
};

TEST_F(KeysEndToEnd, PrintsTheExpressionLineAndTheResultLine) {
    const struct {
        std::vector<std::string> options;
        const char* keys;
        const char* out;  // both lines
        int status;
    } cases[] = {
        {{}, "1 + 2 EXE", "\n= 3\n", 0},
        {{}, "(-) 5 EXE <", "\u22125\n\n", 0},  // the negation sign as U+2212
        {{}, "1 / 0 EXE", "1/0\n[ / ]   Can't divide with zero\n", 1},
        {{}, "2 var:x + 1 EXE 3 EXE", "\u0192=2x+1\n\u0192=7\n", 0},
        {{}, "frm:1 1 EXE 2 EXE 5 EXE", "ax\u00B2+bx+c=0\nMa Error\n", 1},
        {{"--format", "scientific", "--decimals", "3"}, "2 / 3 EXE", "\n= 6.6667e-001\n", 0},
    };
    for (const auto& row : cases) {
        const ProcessResult run = Keys(row.keys, row.options);
        EXPECT_EQ(run.out, row.out) << row.keys;
        EXPECT_EQ(run.status, row.status) << row.keys << "\n" << run.err;
    }
}

TEST_F(KeysEndToEnd, BadKeysAreUsageErrors) {
    for (const char* keys : {"1 + sine", "frm:51", "mem:12", "1 \xE4\xB8\xAD"}) {
        const ProcessResult run = Keys(keys);
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

}  // namespace
}  // namespace zyk::test
