#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "statistics/DataFile.h"
#include "statistics/RegressionPage.h"
#include "statistics/StatisticsPage.h"

namespace {

// Values as users type them: up to six digits with a few decimals, in no order.
std::vector<std::string> RandomValues(std::size_t count) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> value(-1000.0, 100000.0);
    std::vector<std::string> texts;
    texts.reserve(count);
    char text[32];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(text, sizeof text, "%.3f", value(random));
        texts.emplace_back(text);
    }
    return texts;
}

// A data file in the temporary folder, removed at the end of the program.
class DataFileOnDisk {
public:
    explicit DataFileOnDisk(std::size_t lines)
        : m_path(std::filesystem::temp_directory_path() /
                 ("zyk-bench-" + std::to_string(::getpid()) + ".ssd")) {
        zyk::WriteDataFile(m_path, RandomValues(lines));
    }
    ~DataFileOnDisk() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

const DataFileOnDisk& MillionLineFile() {
    static const DataFileOnDisk file(1'000'000);
    return file;
}

void CalculateHundredThousandValues(benchmark::State& state) {
    zyk::StatisticsPage page;
    page.EmptyForOpen();
    const auto path = std::filesystem::temp_directory_path() / "zyk-bench-100k.ssd";
    zyk::WriteDataFile(path, RandomValues(100'000));
    page.Open(path);
    std::filesystem::remove(path);
    for (auto _ : state) {
        page.Calculate();
        benchmark::DoNotOptimize(page.Results().data());
    }
    state.SetItemsProcessed(state.iterations() * 100'000);
}
BENCHMARK(CalculateHundredThousandValues)->Unit(benchmark::kMillisecond);

void RegressionOverHundredThousandPairs(benchmark::State& state) {
    const auto type = static_cast<zyk::RegressionType>(state.range(0));
    const std::vector<std::string> xs = RandomValues(100'000);
    std::vector<std::string> pairs;
    pairs.reserve(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        pairs.push_back(std::to_string(i + 1) + ";" + xs[i]);
    }
    for (auto _ : state) {
        const auto result = zyk::CalculateRegression(pairs, type);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * 100'000);
}
BENCHMARK(RegressionOverHundredThousandPairs)
    ->Arg(static_cast<int>(zyk::RegressionType::Linear))
    ->Arg(static_cast<int>(zyk::RegressionType::Power))
    ->Unit(benchmark::kMillisecond);

// Open of a 1,000,000-line .ssd file: read, split and insert every line by the insertion rule.
void LoadMillionLineFile(benchmark::State& state) {
    const auto& file = MillionLineFile();
    for (auto _ : state) {
        zyk::StatisticsPage page;
        page.Open(file.Path());
        benchmark::DoNotOptimize(page.Count());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(LoadMillionLineFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The goal: load and calculate a million values in under two seconds.
void LoadAndCalculateMillionValues(benchmark::State& state) {
    const auto& file = MillionLineFile();
    for (auto _ : state) {
        zyk::StatisticsPage page;
        page.Open(file.Path());
        page.Calculate();
        benchmark::DoNotOptimize(page.Results().data());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(LoadAndCalculateMillionValues)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same file through peer tools, for comparison in the same run: GNU datamash (count, sum,
// mean, median, both deviations; it takes no CR, so tr drops them first) and awk (the sums; a
// median needs a sort first).
// Processor time (user and system) used by finished child processes so far, in milliseconds.
double ChildProcessorMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The peer's processor time per run is reported as "cpu_ms", comparable with the CPU column of
// the in-process benchmarks even on a busy machine.
void RunPeer(benchmark::State& state, const std::string& tool, const std::string& command) {
    if (std::system(("command -v " + tool + " >/dev/null").c_str()) != 0) {
        state.SkipWithError("not installed");
        return;
    }
    const std::string line =
        "< '" + MillionLineFile().Path().string() + "' " + command + " >/dev/null";
    const double before = ChildProcessorMilliseconds();
    for (auto _ : state) {
        if (std::system(line.c_str()) != 0) {
            state.SkipWithError("the peer tool failed");
            break;
        }
    }
    state.counters["cpu_ms"] =
        (ChildProcessorMilliseconds() - before) /
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}

void PeerDatamash(benchmark::State& state) {
    RunPeer(state, "datamash",
            "tr -d '\\r' | datamash count 1 sum 1 mean 1 median 1 pstdev 1 sstdev 1");
}
BENCHMARK(PeerDatamash)->Unit(benchmark::kMillisecond)->UseRealTime();

void PeerAwk(benchmark::State& state) {
    RunPeer(state, "awk",
            "awk '{ s += $1; q += $1 * $1; n++ } END { m = s / n; d = q - s * s / n; "
            "printf \"%d %.10g %.10g %.10g %.10g %.10g\\n\", n, s, q, m, sqrt(d / n), "
            "sqrt(d / (n - 1)) }'");
}
BENCHMARK(PeerAwk)->Unit(benchmark::kMillisecond)->UseRealTime();

void PeerSortAndAwkWithMedian(benchmark::State& state) {
    RunPeer(state, "awk",
            "sort -g | awk '{ v[NR] = $1; s += $1 } END { n = NR; "
            "md = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2; print n, s, md }'");
}
BENCHMARK(PeerSortAndAwkWithMedian)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
