// Programs built to break a run's limits: its stack, its time per statement and its memory.
// Each table runs in a child process (GoogleTest's death-test machinery) with an alarm, so that
// a crash or a hang fails the test instead of ending or stopping the whole test program.
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include "RecordingConsole.h"

namespace zyk::test {
namespace {

// A program (bytes), its answers, and how it must end: the error line, or (empty) running to its
// end with the shown texts.
struct LimitCase {
    std::string program;
    std::string answers;
    std::string errorLine;
    std::string shown = "";
};

// What the run did differently, empty when it did what the case says.
std::string Mismatch(const LimitCase& c) {
    const RunOutcome outcome = RunToEnd(c.program, c.answers);
    const std::vector<std::string> shown = Lines(c.shown);
    const bool ended =
        outcome.status == StepStatus::Ended && outcome.errorLine.empty() && outcome.shown == shown;
    const bool failed = outcome.status == StepStatus::Failed && outcome.errorLine == c.errorLine;
    if (c.errorLine.empty() ? ended : failed) {
        return {};
    }
    const std::string program = c.program.substr(0, 80);
    const std::string error = outcome.errorLine.substr(0, 80);
    return "program: " + program + "...\n  ended with: " + error + "...\n";
}

std::string Mismatches(const std::vector<LimitCase>& cases) {
    std::string problems;
    for (const LimitCase& c : cases) {
        problems += Mismatch(c);
    }
    return problems;
}

// The sanitizer build runs unoptimised with instrumented frames: many times the stack per level
// and the time per statement of the release build that the limits are made for. Its stack and
// its alarms are scaled by this, so the tests still prove a bounded depth and time there.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned kSanitizerFactor = 16;
#else
constexpr unsigned kSanitizerFactor = 1;
#endif

// Runs the checks in a child process that its alarm ends after `seconds`; the child passes when
// the checks report nothing.
void ExpectChildPasses(unsigned seconds, const std::function<std::string()>& checks) {
    EXPECT_EXIT(
        {
            alarm(seconds * kSanitizerFactor);
            const std::string problems = checks();
            std::fputs(problems.c_str(), stderr);
            std::_Exit(problems.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// Runs the work on a thread with a stack of `bytes` (std::thread cannot choose one).
std::string OnAStackOf(std::size_t bytes, const std::function<std::string()>& work) {
    struct Job {
        const std::function<std::string()>* work;
        std::string result;
    } job{&work, {}};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, bytes);
    pthread_t thread;
    const int created = pthread_create(
        &thread, &attributes,
        [](void* data) -> void* {
            auto* running = static_cast<Job*>(data);
            running->result = (*running->work)();
            return nullptr;
        },
        &job);
    pthread_attr_destroy(&attributes);
    if (created != 0) {
        return "no thread\n";
    }
    pthread_join(thread, nullptr);
    return job.result;
}

std::string Repeated(std::string_view text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

std::string ErrorLine(int lineNumber, std::string_view line, std::string_view message) {
    return "[ " + std::to_string(lineNumber) + ": " + std::string(line) + " ]  " +
           std::string(message);
}

TEST(ProgramLimitsTest, NestingEndsInAnErrorLineOnASmallStack) {
    const auto ifs = [](int count) { return Repeated("if (0=0) then ", count); };
    // The deepest line that runs: single-line ifs, calls and brackets each at their limit.
    std::string deepest = "1";
    for (int i = 0; i < 49; ++i) {
        deepest = "(" + deepest + ")";
    }
    for (int i = 0; i < ProgramEvaluator::kMaxNesting - 1; ++i) {
        deepest = "abs(" + deepest + ")";
    }
    const int most = ProgramInterpreter::kMaxSingleLineIfNesting;
    const std::string deepIfs = Repeated("if (" + deepest + " = 1) then ", most) + "x = " + deepest;
    const std::vector<LimitCase> cases = {
        {ifs(most) + "print 1", "", "", "1"},
        {ifs(most + 1) + "print 1", "",
         ErrorLine(1, ifs(most + 1) + "print 1", "Nesting too deep!")},
        {ifs(40000) + "print 1", "", ErrorLine(1, ifs(40000) + "print 1", "Nesting too deep!")},
        // A false condition ends the line at once, however many ifs follow.
        {"if (0=1) then " + ifs(40000) + "print 1\nprint 2", "", "", "2"},
        {"var x\n" + deepIfs + "\nprint x", "", "", "1"},
    };
    ExpectChildPasses(60, [&cases] {
        return OnAStackOf(256 * 1024 * kSanitizerFactor, [&cases] { return Mismatches(cases); });
    });
}

TEST(ProgramLimitsTest, NoStatementRunsAwayWithTimeOrText) {
    // Seven levels of array values naming the next array ten times: 10^7 copies of "1".
    std::string arrays;
    for (int level = 7; level >= 1; --level) {
        const std::string element = "a" + std::to_string(level - 1) + "[0]";
        arrays += "array a" + std::to_string(level) + "[1] = {" + Repeated(element + "+", 9) +
                  element + "}\n";
    }
    arrays += "array a0[1] = {1}\nprint a7[0]";
    // The same through input texts, which are stored as typed and worked out where used.
    std::string inputs = "var h, g, f, e, d, c, b, a\n";
    std::string answers;
    for (const char name : std::string("hgfedcb")) {
        const char next = static_cast<char>(name - 1);
        inputs += std::string("input ") + name + "\n";
        answers += Repeated(std::string(1, next) + "+", 9) + next + "\n";
    }
    inputs += "input a\nprint h";
    answers += "1";
    // Thirty functions, each calling the one below twice: 2^30 calls.
    const auto chain = [](int count) {
        std::string program = "var x\nfx f0(x)\nf0(x) = x\n";
        for (int i = 1; i <= count; ++i) {
            const std::string below = "abs(f" + std::to_string(i - 1) + "(x))";
            program += "fx f" + std::to_string(i) + "(x)\nf" + std::to_string(i) +
                       "(x) = " + below + "+" + below + "\n";
        }
        return program + "print f" + std::to_string(count) + "(1)";
    };
    // Twenty thousand comparisons nested in one condition, each taking in the one before.
    const std::string nested =
        "if (" + Repeated("(", 20000) + "1" + Repeated("=1)", 20000) + ") then print 7";
    const std::vector<LimitCase> cases = {
        {arrays, "", ErrorLine(9, "print a7[0]", "Text too long!")},
        {inputs, answers, ErrorLine(10, "print h", "Text too long!")},
        {chain(30), "", ErrorLine(64, "print f30(1)", "Too much to calculate!")},
        {chain(3), "", "", "8"},
        {nested, "", "", "7"},
    };
    ExpectChildPasses(10, [&cases] { return Mismatches(cases); });
}

TEST(ProgramLimitsTest, TheWholeDataStaysWithinItsLimit) {
    const std::string tenKilobytes = "array a[100000] = {" + Repeated("1", 10000) + "}";
    std::string manyArrays;
    for (int i = 0; i < 2000; ++i) {
        manyArrays += "array a" + std::to_string(i) + "[100000]\n";
    }
    ExpectChildPasses(60, [&] {
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer reserves terabytes of address space
        // A gigabyte of address space: a run that tried to hold what these lines ask for would
        // fail to allocate and abort.
        const rlimit limit{std::size_t{1} << 30, std::size_t{1} << 30};
        setrlimit(RLIMIT_AS, &limit);
#endif
        std::string problems = Mismatches({
            {tenKilobytes, "", ErrorLine(1, tenKilobytes, "Out of memory!")},
            {"array a[100000] = {12345}\nprint a[99999]", "", "", "12345"},
        });
        // Each array of 100,000 elements takes over 3 MB: the limit of 64 MB stops the run
        // between the 16th and the 24th.
        const RunOutcome outcome = RunToEnd(manyArrays);
        const bool stopped = outcome.errorLine.ends_with("]  Out of memory!");
        const int line = stopped ? std::stoi(outcome.errorLine.substr(2)) : 0;
        if (line < 16 || line > 24) {
            problems += "many arrays ended with: " + outcome.errorLine + "\n";
        }
        return problems;
    });
}

}  // namespace
}  // namespace zyk::test
