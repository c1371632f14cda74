// The program interpreter on three programs (a counting loop, a sieve of Eratosthenes, nested
// loops) and bc on the same work in the same run. Items are the program's executed lines, also
// for bc, so that both rates read as statements per second. bc runs as a child process: its
// time is the child's CPU time, as the interpreter's is its own.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "calculator/AnswerFormatter.h"
#include "expression/ExpressionEvaluator.h"
#include "program/ProgramConsole.h"
#include "program/ProgramInterpreter.h"

extern char** environ;

namespace {

// The calculator's side of a run without a display: its evaluator and the program answer format;
// it keeps the last text the program printed.
class SilentConsole : public zyk::ProgramConsole {
public:
    void SetExpressionLine(std::string_view, bool) override {}
    void SetResultLine(std::string_view text, bool) override {
        if (!text.empty()) {
            printed = text;
        }
    }
    void ShowErrorLine(std::string_view) override {}
    Evaluation EvaluateText(std::string_view expression) override {
        double value = 0.0;
        if (!m_evaluator.Evaluate(expression, value, 0)) {
            return {false, m_evaluator.ErrorText()};
        }
        auto text =
            zyk::AnswerFormatter::Format(value, zyk::NumberBase::Decimal, zyk::AnswerFormat::Normal,
                                         zyk::AnswerFormatter::kProgramDecimals);
        return text ? Evaluation{true, std::move(*text)} : Evaluation{false, "Ma  ERROR"};
    }
    bool ReadExpressionLine(std::string& text) override {
        text.clear();
        return false;
    }
    void EnterProgramMode() override {}
    void LeaveProgramMode() override {}

    std::string printed;

private:
    zyk::ExpressionEvaluator m_evaluator;
};

struct BenchProgram {
    const char* program;  // the calculator's language
    const char* bc;       // the same work for bc
    const char* result;   // what both print last
};

// 100,000 rounds of a counting loop.
const BenchProgram kLoop = {
    "var i, s\n"
    "do while (i < 100000)\n"
    "  i = i+1\n"
    "  s = s+2\n"
    "loop\n"
    "print s\n",
    "i = 0\n"
    "s = 0\n"
    "while (i < 100000) {\n"
    "  i = i + 1\n"
    "  s = s + 2\n"
    "}\n"
    "s\n",
    "200000",
};

// The primes below 100,000.
const BenchProgram kSieve = {
    "var n, i, j, count\n"
    "array composite[100000]\n"
    "n = 100000\n"
    "i = 2\n"
    "do while (i*i < n)\n"
    "  if (composite[i] = 0) then\n"
    "    j = i*i\n"
    "    do while (j < n)\n"
    "      composite[j] = 1\n"
    "      j = j+i\n"
    "    loop\n"
    "  end\n"
    "  i = i+1\n"
    "loop\n"
    "i = 2\n"
    "do while (i < n)\n"
    "  if (composite[i] = 0) then\n"
    "    count = count+1\n"
    "  end\n"
    "  i = i+1\n"
    "loop\n"
    "print count\n",
    "n = 100000\n"
    "for (i = 2; i * i < n; i++) {\n"
    "  if (c[i] == 0) {\n"
    "    for (j = i * i; j < n; j += i) c[j] = 1\n"
    "  }\n"
    "}\n"
    "count = 0\n"
    "for (i = 2; i < n; i++) if (c[i] == 0) count += 1\n"
    "count\n",
    "9592",
};

// 300 x 300 rounds of two nested loops.
const BenchProgram kNestedLoops = {
    "var i, j, s\n"
    "do while (i < 300)\n"
    "  i = i+1\n"
    "  j = 0\n"
    "  do while (j < 300)\n"
    "    j = j+1\n"
    "    s = s+i*j\n"
    "  loop\n"
    "loop\n"
    "print s\n",
    "s = 0\n"
    "for (i = 1; i <= 300; i++) {\n"
    "  for (j = 1; j <= 300; j++) {\n"
    "    s = s + i * j\n"
    "  }\n"
    "}\n"
    "s\n",
    "2038522500",
};

// Runs the program to its end; the lines it executed, or -1 when it failed.
std::int64_t RunToEnd(zyk::ProgramInterpreter& interpreter) {
    const std::uint64_t before = interpreter.ExecutedLines();
    interpreter.StartProgram();
    while (true) {
        switch (interpreter.Step(10000)) {
            case zyk::StepStatus::Continue:
                break;
            case zyk::StepStatus::Paused:
                interpreter.Run();
                break;
            case zyk::StepStatus::Ended:
                return static_cast<std::int64_t>(interpreter.ExecutedLines() - before);
            default:
                return -1;
        }
    }
}

void Interpret(benchmark::State& state, const BenchProgram& bench) {
    SilentConsole console;
    zyk::ProgramInterpreter interpreter(console);
    interpreter.SetProgram(zyk::ProgramText::FromFileContents(bench.program));
    std::int64_t lines = 0;
    for (auto _ : state) {
        lines = RunToEnd(interpreter);
        if (lines < 0 || console.printed != bench.result) {
            state.SkipWithError("the program did not run to its result");
            return;
        }
    }
    state.SetItemsProcessed(lines * state.iterations());
}

// The lines the interpreter executes for the program.
std::int64_t ExecutedLines(const BenchProgram& bench) {
    SilentConsole console;
    zyk::ProgramInterpreter interpreter(console);
    interpreter.SetProgram(zyk::ProgramText::FromFileContents(bench.program));
    return RunToEnd(interpreter);
}

// Runs bc on the file; its CPU seconds, or a negative number when it failed or printed another
// result.
double RunBc(const std::string& file, const std::string& result) {
    int output[2];
    if (pipe(output) != 0) {
        return -1.0;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    std::string name = "bc";
    std::string quiet = "-q";
    std::string path = file;
    char* argv[] = {name.data(), quiet.data(), path.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "bc", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    std::string printed;
    char buffer[256];
    for (ssize_t n; spawned == 0 && (n = read(output[0], buffer, sizeof buffer)) > 0;) {
        printed.append(buffer, static_cast<std::size_t>(n));
    }
    close(output[0]);
    if (spawned != 0) {
        return -1.0;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || printed != result + "\n") {
        return -1.0;
    }
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void Bc(benchmark::State& state, const BenchProgram& bench) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("zykcalc-bench-" + std::to_string(getpid()) + ".bc");
    std::ofstream(file) << bench.bc;
    const std::int64_t lines = ExecutedLines(bench);
    for (auto _ : state) {
        const double seconds = RunBc(file.string(), bench.result);
        if (seconds < 0.0) {
            state.SkipWithError("bc is missing or printed another result");
            break;
        }
        state.SetIterationTime(seconds);
    }
    std::filesystem::remove(file);
    state.SetItemsProcessed(lines * state.iterations());
}

}  // namespace

BENCHMARK_CAPTURE(Interpret, Loop, kLoop)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bc, Loop, kLoop)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Interpret, Sieve, kSieve)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bc, Sieve, kSieve)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Interpret, NestedLoops, kNestedLoops)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Bc, NestedLoops, kNestedLoops)->UseManualTime()->Unit(benchmark::kMillisecond);
