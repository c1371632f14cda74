// The command line, then the built zykcalc run as a user runs it (--eval, --keys, --run), in a
// temporary data folder of its own: standard input fed from a text, standard output (UTF-8),
// standard error and the exit status collected.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <thread>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "console/ConsoleOptions.h"
#include "support/TempFolder.h"

namespace zyk::test {
namespace {

struct ProcessResult {
    int status = -1;  // the exit status, -1 when the program did not exit by itself
    std::string out, err;
};

void WriteAll(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// One argument for the shell, quoted so that nothing in it is interpreted.
std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// The arguments, what stdout shows, the exit status.
struct PrintCase {
    std::vector<std::string> arguments;
    std::string out;
    int status;
};

class EndToEnd : public ::testing::Test {
protected:
    // zykcalc --data-dir <temp> ARGUMENTS... < input
    ProcessResult Run(const std::vector<std::string>& arguments,
                      const std::string& input = "") const {
        const auto in = m_folder / "in.txt";
        const auto out = m_folder / "out.txt";
        const auto err = m_folder / "err.txt";
        WriteAll(in, input);
        // A hang ends in the timeout's status 124 instead of stopping the tests.
        std::string command =
            "timeout 60 " + Quoted(ZYKCALC_PATH) + " --data-dir " + Quoted(m_folder.string());
        for (const auto& argument : arguments) {
            command += " " + Quoted(argument);
        }
        command +=
            " <" + Quoted(in.string()) + " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
        const int raw = std::system(command.c_str());
        ProcessResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = FileBytes(out);
        result.err = FileBytes(err);
        return result;
    }
    void ExpectPrints(std::initializer_list<PrintCase> cases) const {
        for (const PrintCase& c : cases) {
            const ProcessResult run = Run(c.arguments);
            EXPECT_EQ(run.out, c.out) << c.arguments.back() << "\n" << run.err;
            EXPECT_EQ(run.status, c.status) << c.arguments.back();
        }
    }

    TempFolder m_temp;
    const std::filesystem::path m_folder = m_temp.Path();
};

using EvalEndToEnd = EndToEnd;
using KeysEndToEnd = EndToEnd;
using RunEndToEnd = EndToEnd;
using ConvertEndToEnd = EndToEnd;
using StatisticsEndToEnd = EndToEnd;

TEST_F(EvalEndToEnd, PrintsTheResultLineAndItsStatus) {
    ExpectPrints({
        {{"--eval", "2{pi}"}, "= 6.2831853072\n", 0},
        {{"--eval", "\u22125+2"}, "= -3\n", 0},  // U+2212 is read as the negation sign
        {{"--eval", "1/0"}, "[ / ]   Can't divide with zero\n", 1},
        {{"--eval", "(\u22128)^(1/3)"}, "Ma  ERROR\n", 1},  // not a number
        {{"--base", "hex", "--eval", "FF+1"}, "= 100\n", 0},
        {{"--eval", "2[x]+1"}, "x?\n", 0},  // a formula: the calculator asks for its variable
        {{"--eval", ""}, "No expression\n", 1},
    });
}

TEST_F(EvalEndToEnd, RefusesTextsTheLineCannotHold) {
    const std::pair<std::string, const char*> cases[] = {
        {"1+\u4E2D", "U+4E2D"},
        {std::string(100001, '1'), "longer than the calculator's 100000 characters"},
    };
    for (const auto& [text, messagePart] : cases) {
        const ProcessResult result = Run({"--eval", text});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(messagePart), std::string::npos) << result.err;
    }
}

// --eval -: one calculator for all lines of standard input, one output line per input line.
TEST_F(EvalEndToEnd, ReadsLinesIntoOneCalculator) {
    const std::string unmappable =
        "the character U+4E2D has no place in the calculator's character set (Windows-1252)\n";
    const struct {
        std::string input;  // stdin, UTF-8
        std::string out;
        int status;
        std::vector<std::string> options = {};
    } cases[] = {
        {"1+2\n2*3\n", "= 3\n= 6\n", 0},
        {"5=\u00A6M1\u00A6\n\u00A6M1\u00A6*2\n", "= 5\n= 10\n", 0},
        {"\u00A6M1\u00A6+1\n", "= 6\n", 0},  // the memory was stored in the data folder
        {"1/0\n2+2\n", "[ / ]   Can't divide with zero\n= 4\n", 1},  // typed afresh after it
        {"\n1+1\n\n", "\n= 2\n\n", 0},
        {"2[x]+1\n3\n", "x?\n\u0192=7\n", 0},  // a formula asks, the next line answers
        {"1+\u4E2D\n2+2\n", unmappable + "= 4\n", 1},
        {"1+\xFF\n", "the text is not valid UTF-8\n", 1},
        {"1+1\r\n2+2\r\n", "= 2\n= 4\n", 0},
        {"7*6", "= 42\n", 0},  // no line end after the last line
        {"", "", 0},
        {std::string(100001, '1') + "\n1+1\n",
         "the line is longer than the calculator's 100000 characters\n= 2\n", 1},
        {"FF+1\nff\n", "= 100\n[ No hex ]   Syn Error\n", 1, {"--base", "hex"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), {"--eval", "-"});
        const ProcessResult run = Run(arguments, c.input);
        EXPECT_EQ(run.out, c.out) << c.input.substr(0, 40);
        EXPECT_EQ(run.status, c.status) << c.input.substr(0, 40);
        EXPECT_EQ(run.err, "") << c.input.substr(0, 40);
    }
    const ProcessResult badOption = Run({"--eval", "-", "--decimals", "99"}, "1+1\n");
    EXPECT_EQ(badOption.status, 2);
    EXPECT_EQ(badOption.out, "");
}

// Both display lines.
TEST_F(KeysEndToEnd, PrintsTheExpressionLineAndTheResultLine) {
    ExpectPrints({
        {{"--keys", "1 + 2 EXE"}, "\n= 3\n", 0},
        {{"--keys", "(-) 5 EXE <"}, "\u22125\n\n", 0},  // the negation sign as U+2212
        {{"--keys", "1 / 0 EXE"}, "1/0\n[ / ]   Can't divide with zero\n", 1},
        {{"--keys", "2 var:x + 1 EXE 3 EXE"}, "\u0192=2x+1\n\u0192=7\n", 0},
        {{"--keys", "frm:1 1 EXE 2 EXE 5 EXE"}, "ax\u00B2+bx+c=0\nMa Error\n", 1},
        {{"--format", "scientific", "--decimals", "3", "--keys", "2 / 3 EXE"},
         "\n= 6.6667e-001\n",
         0},
    });
}

TEST_F(KeysEndToEnd, BadKeysAreUsageErrors) {
    for (const char* keys : {"1 + sine", "frm:51", "mem:12", "1 \xE4\xB8\xAD"}) {
        const ProcessResult run = Run({"--keys", keys});
        EXPECT_EQ(run.status, 2) << keys;
        EXPECT_EQ(run.out, "") << keys;
        EXPECT_NE(run.err.find("zykcalc: "), std::string::npos) << keys << "\n" << run.err;
    }
}

TEST_F(KeysEndToEnd, MemoriesAndFormulasStayInTheDataFolder) {
    ExpectPrints({
        {{"--keys", "7 SHIFT Mx Mx 3 EXE"}, "\n= 7\n", 0},
        {{"--keys", "Mx 3 * 2 EXE"}, "\n= 14\n", 0},
        {{"--keys", "2 var:x SaveAs:Twice"}, "\u0192=2x\nx?\n", 0},
        {{"--keys", "frm:51 4 EXE"}, "\u0192=2x\n\u0192=8\n", 0},
    });
    const std::string file = FileBytes(m_folder / "UserEq.dat");
    EXPECT_NE(file.find("Twice\r\n\x83=2x\r\n[\x83]=2[x]\r\n"), std::string::npos);
}

TEST_F(KeysEndToEnd, AFailedSaveExitsOne) {
    const struct {
        const char* keys;
        bool formulaFileIsAFolder;
        const char* messagePart;
    } cases[] = {
        {"2 var:x SaveAs:Twice", true, "Can't open file"},
        {"2 + 1 SaveAs:Sum", false, "could not save the formula"},  // no variable: no formula
        {"2 var:x SaveAs:", false, "could not save the formula"},   // no name
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(m_folder / "UserEq.dat");
        if (c.formulaFileIsAFolder) {
            std::filesystem::create_directory(m_folder / "UserEq.dat");
        }
        const ProcessResult run = Run({"--keys", c.keys});
        EXPECT_EQ(run.status, 1) << c.keys;
        EXPECT_NE(run.err.find(c.messagePart), std::string::npos) << c.keys << "\n" << run.err;
    }
}

// A memory store that cannot reach the settings file is lost at exit: the run says so once and
// exits 1, whatever it printed. Here a folder has the settings file's name.
TEST_F(EvalEndToEnd, SettingsThatCannotBeSavedExitOne) {
    std::filesystem::create_directory(m_folder / "Zyk Calc.ini");
    const struct {
        std::vector<std::string> arguments;
        std::string out;
    } cases[] = {
        {{"--eval", "5=\u00a6M1\u00a6"}, "= 5\n"},
        {{"--keys", "7 SHIFT Mx Mx 3 EXE"}, "\n= 7\n"},
        {{"--eval", "1+1"}, "= 2\n"},  // the folder entries the calculator writes at start
    };
    for (const auto& c : cases) {
        const ProcessResult run = Run(c.arguments);
        EXPECT_EQ(run.out, c.out) << c.arguments[1];
        EXPECT_EQ(run.status, 1) << c.arguments[1];
        const std::string message = "Your settings could not be saved in\n\n" +
                                    (m_folder / "Zyk Calc.ini").string() +
                                    "\n\nA folder has the file's name.";
        EXPECT_EQ(run.err.find(message), run.err.rfind(message)) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "Zyk Calc.ini"));
}

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
        // U+2212 typed is the calculator minus, written back as U+2212.
        {"var x\ninput x\nprint x\n", "\u22122.5\r\n", "x?\nx = \u22122.5\n\u22122.5\n", 0},
        // An empty line reads as 0.
        {"var a, b\ninput a\ninput b\nprint a+b\n", "4\n\n", "a?\na = 4\nb?\nb = 0\n4\n", 0},
        {"print \"caf\xE9 \xB2\"\n", "", "caf\u00E9 \u00B2\n", 0},
        {"var x\nx = 1\nx = y\n", "", "[ 3: y ]  Not valid\n", 1},
        {"print asin(1)\n", "", "1.570796327\n", 0, {"--angle", "rad"}},
        {"print 1500*1000\n", "", "1.5e+006\n", 0, {"--format", "scientific"}},
        // Programs print with ten significant digits whatever the display decimals.
        {"print 2/3\n", "", "0.6666666667\n", 0, {"--decimals", "3"}},
    };
    const auto path = m_folder / "program.bas";
    for (const auto& c : cases) {
        WriteAll(path, c.program);
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), {"--run", path.string()});
        const ProcessResult run = Run(arguments, c.input);
        EXPECT_EQ(run.out, c.out) << c.program;
        EXPECT_EQ(run.status, c.status) << c.program;
        EXPECT_EQ(run.err, "") << c.program;
    }
}

// A variable holds its value as the answer format writes it, and a value written with an exponent
// cannot be calculated with again: in Scientific every value has one, in Normal only beyond ten
// digits, in Engineering outside 0.01 to 1000. The Programming help page tells users so.
TEST_F(RunEndToEnd, AReusedVariableWorksUntilItsValueHasAnExponent) {
    const std::string quarterTwice = "var x\nx = 1/4\nx = x*2\nprint x\n";
    const std::string thousands = "var x\nx = 2500\nx = x*2\nprint x\n";
    const std::string large = "var x\nx = 10^11\nx = x+1\nprint x\n";
    const struct {
        std::string program;
        const char* format;
        std::string out;
        int status;
    } cases[] = {
        {quarterTwice, "normal", "0.5\n", 0},
        {quarterTwice, "scientific", "[ 3: 2.5e-001*2 ]  Not valid\n", 1},
        {quarterTwice, "engineering", "0.5\n", 0},
        {thousands, "normal", "5000\n", 0},
        {thousands, "scientific", "[ 3: 2.5e+003*2 ]  Not valid\n", 1},
        {thousands, "engineering", "[ 3: 2.5e+003*2 ]  Not valid\n", 1},
        {large, "normal", "[ 3: 1e+011+1 ]  Not valid\n", 1},
        // Printing a variable calculates with it too.
        {"var x\nx = 1/4\nprint x\n", "scientific", "[ 3: 2.5e-001 ]  Not valid\n", 1},
    };
    const auto path = m_folder / "program.bas";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.format) + "\n" + c.program);
        WriteAll(path, c.program);
        const ProcessResult run = Run({"--format", c.format, "--run", path.string()});
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(RunEndToEnd, EndedInputAndTheTimeLimitStopTheRun) {
    const struct {
        std::string program;
        std::string input;
        std::vector<std::string> options;
        std::string out;
        std::string errPart;  // empty: nothing on stderr
        int status;
    } cases[] = {
        // clang-format off
        {"var a, b\ninput a\ninput b\nprint a+b\n", "4\n", {}, "a?\na = 4\nb?\n", "standard input has ended", 3},
        // A loop that asks for ever would otherwise read zeros for ever.
        {"var x\ndo while (1 = 1)\n  input x\nloop\n", "", {}, "x?\n", "standard input has ended", 3},
        {"var x\nfx f(x)\ninput f\nprint f(2)\n", "", {}, "f(x) = ?\n", "standard input has ended", 3},
        {"var i\ndo while (1 = 1)\n  i = i+1\nloop\n", "", {"--max-seconds", "0.5"}, "", "longer than --max-seconds", 4},
        // What the program printed before it was stopped stays.
        {"print 1\nvar i\ndo while (1 = 1)\n  i = i+1\nloop\n", "", {"--max-seconds", "0.5"}, "1\n", "longer than --max-seconds", 4},
        {"print 2\n", "", {"--max-seconds", "30"}, "2\n", "", 0},
        // clang-format on
    };
    const auto path = m_folder / "program.bas";
    for (const auto& c : cases) {
        WriteAll(path, c.program);
        std::vector<std::string> arguments = c.options;
        arguments.insert(arguments.end(), {"--run", path.string()});
        const ProcessResult run = Run(arguments, c.input);
        EXPECT_EQ(run.out, c.out) << c.program;
        EXPECT_EQ(run.status, c.status) << c.program;
        if (c.errPart.empty()) {
            EXPECT_EQ(run.err, "") << c.program;
        } else {
            EXPECT_NE(run.err.find(c.errPart), std::string::npos) << c.program << run.err;
        }
    }
}

// zykcalc --run started in the background, its standard input a pipe that stays open (a user
// who types nothing), its output thrown away.
class BackgroundRun {
public:
    explicit BackgroundRun(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), ZYKCALC_PATH);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        int input[2];
        if (pipe(input) != 0) {
            return;
        }
        m_pid = fork();
        if (m_pid == 0) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(input[0], STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            close(input[1]);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(input[0]);
        m_input = input[1];
    }
    ~BackgroundRun() {
        close(m_input);
        if (m_pid > 0 && !m_status) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    void Interrupt() const { kill(m_pid, SIGINT); }

    // The wait status once the process has ended, nothing when it still runs after `seconds`.
    std::optional<int> WaitFor(double seconds) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (m_pid > 0 && !m_status && std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_status = status;
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        return m_status;
    }

private:
    pid_t m_pid = -1;
    int m_input = -1;
    std::optional<int> m_status;
};

TEST_F(RunEndToEnd, CtrlCEndsARunAtOnceAndTheTimeLimitEndsAWaitingOne) {
    const struct {
        std::string program;
        std::vector<std::string> options;
        bool interrupt;
        bool endsByCtrlC;  // else by the time limit, exit status 4
    } cases[] = {
        {"var i\ndo while (1 = 1)\n  i = i+1\nloop\n", {}, true, true},
        {"var x\ninput x\n", {}, true, true},
        {"var x\ninput x\n", {"--max-seconds", "30"}, true, true},
        {"var x\ninput x\n", {"--max-seconds", "1"}, false, false},
    };
    const auto path = m_folder / "program.bas";
    for (const auto& c : cases) {
        WriteAll(path, c.program);
        std::vector<std::string> arguments = {"--data-dir", m_folder.string()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.insert(arguments.end(), {"--run", path.string()});
        BackgroundRun run(arguments);
        EXPECT_FALSE(run.WaitFor(0.3)) << c.program;  // it runs or waits
        if (c.interrupt) {
            run.Interrupt();
        }
        const std::optional<int> status = run.WaitFor(20);
        ASSERT_TRUE(status) << c.program;
        if (c.endsByCtrlC) {
            EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == SIGINT) << c.program;
        } else {
            EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 4) << c.program;
        }
    }
}

TEST_F(RunEndToEnd, AFileThatCannotBeReadIsAUsageError) {
    for (const auto& file : {m_folder / "missing.bas", m_folder}) {
        const ProcessResult run = Run({"--run", file.string()});
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_EQ(run.out, "") << file;
        EXPECT_NE(run.err.find(file.filename().string()), std::string::npos) << run.err;
    }
}

// The results list of the converter window, one line each; unit names and marks in any case.
TEST_F(ConvertEndToEnd, PrintsTheResultsList) {
    ExpectPrints({
        {{"--convert", "100", "Celsius", "Fahrenheit"},
         "Celsius  >>  Fahrenheit:\n\n  100 \u00B0C = 212. \u00B0F\n",
         0},
        {{"--convert", "2", " nautical MILE ", "meter"},
         "Nautical Mile  >>  Meter:\n\n  2 Naut mi = 3704. m\n",
         0},
        {{"--convert", "1", "in\u00B2", "m\u00B2"},
         "Sq inches  >>  Sq meters:\n\n  1 in\u00B2 = 6.4e-004 m\u00B2\n",
         0},
        {{"--convert", "-1", "K", "\u00B0C"},
         "Conversion failed!\n\nError!  Error!   The value is below the absolute zero...\n",
         1},
        {{"--convert", "", "m", "ft"}, "Conversion failed!\n\nERROR!   No value to convert!\n", 1},
    });
}

TEST_F(ConvertEndToEnd, UnitsItCannotConvertAreUsageErrors) {
    const struct {
        std::vector<std::string> units;
        const char* messagePart;
    } cases[] = {
        {{"furlong", "m"}, "'furlong' is not a unit of the converter"},
        {{"None", "m"}, "'None' is not a unit"},
        {{"K", "parsec"}, "Kelvin converts to Celsius, Fahrenheit, not to Parsec"},
        {{"h", "h"}, "Hours converts to Seconds, Minutes, Days, Years, not to Hours"},
        {{"Knot", "mph"}, "'mph' is not a unit of the converter; Knot converts to Meter/s, Km/h"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = Run({"--convert", "1", c.units[0], c.units[1]});
        EXPECT_EQ(run.status, 2) << c.units[0];
        EXPECT_EQ(run.out, "") << c.units[0];
        EXPECT_NE(run.err.find(c.messagePart), std::string::npos) << run.err;
    }
}

TEST_F(ConvertEndToEnd, ListsTheGroupsAndTheirUnits) {
    const ProcessResult run = Run({"--convert", "--list"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Temperature\n  Celsius                       \u00B0C\n", 0), 0u)
        << run.out;
    EXPECT_NE(run.out.find("\nPressure\n  Pascal (Pa)                   Pa\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n  lbf/ft\u00B2                       lbf/ft\u00B2\n"),
              std::string::npos);
    const std::string time =
        "Time\n  Seconds                       s\n  Minutes                       min\n"
        "  Hours                         h\n  Days                          day\n"
        "  Years                         yr\n";
    EXPECT_EQ(run.out.substr(run.out.rfind("Time\n")), time);
}

// A data file opened and calculated as the statistics window does; the result lines, UTF-8. The
// lines of each case, empty files and fits are the statistics tests' (OneVariable, Regression).
TEST_F(StatisticsEndToEnd, PrintsTheResultLines) {
    WriteAll(m_folder / "values.ssd", "4\r\n1\n3\r\n2");
    WriteAll(m_folder / "exp.slr", "0;1\n1;2\n2;4\n");
    const std::string values = (m_folder / "values.ssd").string();
    ExpectPrints({
        {{"--stats", values},
         "Number of Values : 4\nSum : 10\nSquare Sum : 30\nMean Value : 2.5\nMedian : 2.5\n"
         "Population Std Deviation : 1.118033989\nSample Std Deviation : 1.290994449\n",
         0},
        {{"--regression", "Exponential", (m_folder / "exp.slr").string()},
         "Number of Data Pairs : 3\nConstant Term a : 1\nConstant Term b : 0.69314718056\n"
         "Correlation Coefficient r : 1\nFormula y(x) : y = a\u00B7e^bx\n"
         "Formula x(y) : x = (ln y - ln a) / b\n",
         0},
    });
}

TEST_F(StatisticsEndToEnd, ErrorsSayWhatIsWrong) {
    WriteAll(m_folder / "bad.slr", "1;2\r\n3\r\n");
    const struct {
        std::vector<std::string> arguments;
        std::string err;
        int status;
    } cases[] = {
        {{"--regression", "power", (m_folder / "bad.slr").string()},
         "No Semicolon found in data pair!  \n",
         1},
        {{"--regression", "cubic", (m_folder / "bad.slr").string()},
         "zykcalc: --regression takes linear, logarithmic, exponential or power, not 'cubic'\n",
         2},
        {{"--stats", (m_folder / "missing.ssd").string()},
         "zykcalc: cannot read the data file '" + (m_folder / "missing.ssd").string() + "'\n",
         2},
        {{"--regression", "linear", m_folder.string()},
         "zykcalc: cannot read the data file '" + m_folder.string() + "'\n",
         2},
    };
    for (const auto& c : cases) {
        const ProcessResult run = Run(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments[1];
        EXPECT_EQ(run.out, "") << c.arguments[1];
        EXPECT_EQ(run.err.substr(0, run.err.find("Try")), c.err) << c.arguments[1];
    }
}

// A million values load and calculate (the time goal is the benchmark's).
TEST_F(StatisticsEndToEnd, AMillionValuesWork) {
    std::string bytes;
    for (int i = 1000000; i >= 1; --i) {
        bytes += std::to_string(i % 1000) + "\r\n";
    }
    WriteAll(m_folder / "big.ssd", bytes);
    const ProcessResult run = Run({"--stats", (m_folder / "big.ssd").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Number of Values : 1000000\nSum : 499500000\nSquare Sum : 3.328335e+011\n"
              "Mean Value : 499.5\nMedian : 499.5\nPopulation Std Deviation : 288.6749903\n"
              "Sample Std Deviation : 288.6751346\n");
}

// The window opens (offscreen), prints its time to the first paint and closes; what its start
// wrote reaches the settings file even though it was held until that paint.
TEST_F(EndToEnd, StartupTimePrintsTheTimeToTheFirstPaint) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const ProcessResult run = Run({"--startup-time"});
    ::unsetenv("QT_QPA_PLATFORM");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("first paint: ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find(" ms after the start ("), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nCPU time until the first paint: "), std::string::npos) << run.out;
    const std::string settings = FileBytes(m_folder / "Zyk Calc.ini");
    EXPECT_NE(settings.find("Bkc=4141"), std::string::npos) << settings;
    EXPECT_NE(settings.find("Programs="), std::string::npos) << settings;
}

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
        {{"--convert", "1", "m"}, "--convert needs VALUE FROM TO (or --list)"},
        {{"--convert", "--list", "--eval", "1"}, "only one of"},
        {{"--stats"}, "--stats needs a value"},
        {{"--regression", "linear"}, "--regression needs MODEL FILE"},
        {{"--stats", "a.ssd", "--regression", "power", "b.slr"}, "only one of"},
        {{"--eval", "1", "--data-dir", ""}, "--data-dir needs a folder"},
        {{"1+2"}, "unknown option '1+2'"},
        {{"--startup-time", "--eval", "1"},
         "--startup-time starts the window; it takes no command"},
        {{"--run", "a.bas", "--max-seconds"}, "--max-seconds needs a value"},
        {{"--run", "a.bas", "--max-seconds", "0"}, "--max-seconds takes a number of seconds"},
        {{"--run", "a.bas", "--max-seconds", "-2"}, "--max-seconds takes a number of seconds"},
        {{"--run", "a.bas", "--max-seconds", "2s"}, "--max-seconds takes a number of seconds"},
        {{"--run", "a.bas", "--max-seconds", "nan"}, "--max-seconds takes a number of seconds"},
        {{"--eval", "1", "--max-seconds", "2"}, "--max-seconds works with --run only"},
    };
    for (const auto& c : cases) {
        const ParsedOptions parsed = ParseConsoleOptions(c.arguments);
        EXPECT_NE(parsed.error.find(c.messagePart), std::string::npos)
            << c.arguments[0] << ": " << parsed.error;
    }
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
}  // namespace zyk::test
